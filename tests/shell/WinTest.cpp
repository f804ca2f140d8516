#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "controls/zbbutton/zbButtons_H.h"
#include "quiltrix/Version.h"
#include "shell/Win.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/ImageBox.h"
#include "shell/widgets/ShapePanel.h"

namespace qx {
namespace {

const QColor kWindowGround(136, 143, 131);
const QColor kTimePanel(153, 103, 72);

// Runs `whileOpen` on the modal window once ShowModal has it on screen. A
// window the check leaves open is closed afterwards so a failure cannot hang.
void showModalAndThen(QWidget* owner, const QString& time, std::function<void(Win&)> whileOpen) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        auto* win = qobject_cast<Win*>(QApplication::activeModalWidget());
        if (!win) {
            ADD_FAILURE() << "no modal Win while ShowModal runs";
            return;
        }
        QPointer<Win> guard = win;
        whileOpen(*win);
        if (guard) guard->close();
    });
    Win::ShowModal(owner, time);
    EXPECT_TRUE(ran);
}

QWidget* ownerWindow() {
    auto* owner = new QWidget;
    owner->setGeometry(140, 90, 792, 515);
    owner->show();
    return owner;
}

struct Placed {
    const char* name;
    QRect rect;
};

TEST(Win, ControlsStandAtTheirRectanglesWithTheirTexts) {
    QWidget owner;
    Win win(&owner, QStringLiteral("00:03:27"));
    EXPECT_EQ(win.windowTitle(), QStringLiteral("Quiltrix " QUILTRIX_VERSION));
    EXPECT_EQ(win.client().size(), QSize(297, 182));
    EXPECT_EQ(win.size(), QSize(297, 182)) << "the client fills the window";

    const Placed table[] = {
        {"Image1", {24, 20, 32, 32}},     {"Label1", {56, 20, 217, 29}},
        {"Label2", {36, 60, 221, 37}},    {"Shape1", {36, 104, 221, 33}},
        {"Label3", {52, 112, 85, 17}},    {"lblTime", {152, 108, 97, 25}},
        {"cmdClose", {124, 148, 65, 21}},
    };
    for (const Placed& p : table) {
        QWidget* control = win.client().control(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), p.rect) << p.name;
    }
    // Later controls lie on top: the time panel is under both of its labels.
    const QWidgetList order = win.client().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_LT(order.indexOf(&win.client().get<ShapePanel>(QStringLiteral("Shape1"))),
              order.indexOf(&win.lblTime()));

    auto label = [&](const char* name) -> DesignLabel& {
        return win.client().get<DesignLabel>(QString::fromLatin1(name));
    };
    EXPECT_EQ(label("Label1").Caption(), QStringLiteral("CONGRATULATIONS !!!"));
    EXPECT_EQ(label("Label2").Caption(), QStringLiteral("You have succesfully solved the Puzzle !"))
        << "the text stands as the game has always shown it";
    EXPECT_EQ(label("Label3").Caption(), QStringLiteral("Your Time:"));
    EXPECT_EQ(label("Label3").alignment(), DesignLabel::RightJustify);
    EXPECT_EQ(win.lblTime().Caption(), QStringLiteral("00:03:27"));
    EXPECT_EQ(win.lblTime().ForeColor(), oleRgb(255, 255, 128));
    EXPECT_EQ(win.cmdClose().Caption(), QStringLiteral("Close"));
    EXPECT_EQ(win.cmdClose().ForeColor(), oleRgb(67, 83, 120));
    EXPECT_EQ(win.cmdClose().HoverBackColor(), oleRgb(255, 255, 192));
    EXPECT_EQ(win.cmdClose().Mode(), zbButtons_H::CommandMode);
    EXPECT_EQ(win.client().get<ImageBox>(QStringLiteral("Image1")).Picture().size(), QSize(32, 32));
}

TEST(Win, PaintsItsColours) {
    QWidget owner;
    Win win(&owner, QStringLiteral("01:00:00"));
    const QImage shot = win.client().grab().toImage();
    EXPECT_EQ(shot.pixelColor(4, 4), kWindowGround);
    EXPECT_EQ(shot.pixelColor(38, 134), kTimePanel) << "Shape1 outside both labels";
    EXPECT_EQ(shot.pixelColor(53, 128), kTimePanel) << "Label3's own ground";
    EXPECT_EQ(shot.pixelColor(37, 95), QColor(236, 176, 96)) << "Label2's ground";

    bool timeInk = false;
    for (int y = 108; y < 133 && !timeInk; ++y)
        for (int x = 152; x < 249 && !timeInk; ++x)
            timeInk = shot.pixelColor(x, y) == QColor(255, 255, 128);
    EXPECT_TRUE(timeInk) << "the time is written in pale yellow";
}

TEST(Win, FrameHasOnlyACloseBox) {
    QWidget owner;
    Win win(&owner, QString());
    const Qt::WindowFlags flags = win.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(win.minimumSize(), win.maximumSize()) << "a fixed size";
    EXPECT_EQ(win.windowModality(), Qt::ApplicationModal);
}

TEST(Win, ShowModalCentresOnTheOwnerAndShowsTheTime) {
    std::unique_ptr<QWidget> owner(ownerWindow());
    showModalAndThen(owner.get(), QStringLiteral("00:03:27"), [&](Win& win) {
        EXPECT_TRUE(win.isVisible());
        EXPECT_EQ(win.lblTime().Caption(), QStringLiteral("00:03:27"));
        EXPECT_EQ(win.parentWidget(), owner.get());
        const QPoint offset = win.frameGeometry().center() - owner->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1) << "centred on its owner";
        EXPECT_EQ(win.focusWidget(), &win.cmdClose()) << "Space closes it at once";
    });
}

TEST(Win, TheOwnerTakesNoInputWhileItShows) {
    std::unique_ptr<QWidget> owner(ownerWindow());
    auto* ownerButton = new zbButtons_H(owner.get());
    ownerButton->setGeometry(20, 40, 85, 37);
    ownerButton->show();
    QSignalSpy ownerClicks(ownerButton, &zbButtons_H::Click);
    const QPoint onButton = ownerButton->geometry().center();

    showModalAndThen(owner.get(), QStringLiteral("00:00:05"), [&](Win& win) {
        EXPECT_EQ(QApplication::activeModalWidget(), &win);
        QTest::mouseClick(owner->windowHandle(), Qt::LeftButton, {}, onButton);
        EXPECT_EQ(ownerClicks.count(), 0) << "the owner is blocked";
    });

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(owner->windowHandle(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(ownerClicks.count(), 1) << "and takes input again once Win is gone";
}

TEST(Win, CloseButtonAndCloseBoxBothEndItAndDestroyIt) {
    std::unique_ptr<QWidget> owner(ownerWindow());
    QPointer<Win> byButton;
    showModalAndThen(owner.get(), QStringLiteral("00:00:01"), [&](Win& win) {
        byButton = &win;
        QTest::mouseClick(&win.cmdClose(), Qt::LeftButton);
        EXPECT_FALSE(win.isVisible()) << "Close ends the window";
    });
    EXPECT_TRUE(byButton.isNull()) << "destroyed once closed";

    QPointer<Win> byCloseBox;
    showModalAndThen(owner.get(), QStringLiteral("00:00:02"), [&](Win& win) {
        byCloseBox = &win;
        win.windowHandle()->close();  // what the window manager's close box asks for
        EXPECT_FALSE(win.isVisible());
    });
    EXPECT_TRUE(byCloseBox.isNull());
}

TEST(Win, SpaceOnTheFocusedCloseButtonEndsIt) {
    std::unique_ptr<QWidget> owner(ownerWindow());
    showModalAndThen(owner.get(), QStringLiteral("00:00:03"), [&](Win& win) {
        QTest::keyClick(&win.cmdClose(), Qt::Key_Space);
        EXPECT_FALSE(win.isVisible());
    });
}

TEST(Win, WithoutAnOwnerItCentresOnTheScreen) {
    showModalAndThen(nullptr, QStringLiteral("00:00:04"), [](Win& win) {
        const QRect screen = win.screen()->availableGeometry();
        const QPoint offset = win.frameGeometry().center() - screen.center();
        EXPECT_LE(offset.manhattanLength(), 1);
    });
}

}  // namespace
}  // namespace qx
