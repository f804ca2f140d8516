// Runs on a screen scaled by 2: the play area must show each work-picture
// pixel as a sharp 2 x 2 block.
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/qt/HighDpi.h"
#include "shell/frmMain.h"
#include "shell/widgets/PictureBox.h"

namespace qx {
namespace {

TEST(HiDpi, TheLayoutDoublesAndBitmapsStaySharp) {
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
    frmMain window;
    Bitmap& screen = window.pictures().picScreen;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            screen.setPixel(x, y, (x + y) % 2 ? kWhite : kBlack);

    const QImage shot = window.picScreen().grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1250, 962));
    int wrong = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (shot.pixel(2 * x, 2 * y) != screen.pixel(x, y) ||
                shot.pixel(2 * x + 1, 2 * y + 1) != screen.pixel(x, y))
                ++wrong;
    EXPECT_EQ(wrong, 0) << "the checkerboard must not blur";

    const QImage client = window.client().grab().toImage();
    EXPECT_EQ(client.size(), QSize(1584, 1030));
}

}  // namespace
}  // namespace qx

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    qx::configureHighDpi();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
