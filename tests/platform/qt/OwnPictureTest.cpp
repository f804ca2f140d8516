#include <gtest/gtest.h>

#include "platform/qt/FormDesign.h"
#include "platform/qt/OwnPicture.h"

namespace qx {
namespace {

// The pictures a window shows, wherever they sit, are what is read ahead.
TEST(OwnPicture, ADesignListsThePicturesOfTheFormAndOfNestedControls) {
    const FormDesign design = parseFormDesign(R"({"form": "frmTest",
        "properties": {"ClientWidth": 10, "ClientHeight": 10, "Picture": "bitmaps/background.png"},
        "controls": [
          {"name": "Frame1", "kind": "Frame", "rect": [0, 0, 5, 5], "controls": [
            {"name": "Image1", "kind": "Image", "rect": [0, 0, 2, 2],
             "properties": {"Picture": "bitmaps/clock.png"}}]},
          {"name": "Label1", "kind": "Label", "rect": [0, 0, 2, 2]}]})",
                                              QStringLiteral("test"));
    EXPECT_EQ(design.picturePaths(),
              (QStringList{":/bitmaps/background.png", ":/bitmaps/clock.png"}));
}

TEST(OwnPicture, APictureReadAheadIsTheOneReadDirectlyAndIsTakenOnce) {
    const QString logo = QStringLiteral(":/bitmaps/start-logo.png");
    const QImage direct = readOwnPicture(logo);
    ASSERT_FALSE(direct.isNull());
    {
        const OwnPicturesAhead ahead({logo, QStringLiteral(":/bitmaps/no-such-picture.png")});
        EXPECT_EQ(readOwnPicture(logo), direct);
        EXPECT_TRUE(readOwnPicture(QStringLiteral(":/bitmaps/no-such-picture.png")).isNull());
    }
    EXPECT_EQ(readOwnPicture(logo), direct) << "read again after the one read ahead was taken";
}

}  // namespace
}  // namespace qx
