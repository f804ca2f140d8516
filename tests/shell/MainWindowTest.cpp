#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QWindowStateChangeEvent>

#include "WindowTestSupport.h"
#include "controls/zbbutton/zbButtons_H.h"
#include "help/HTMLHelp.h"
#include "platform/skin/SkinChrome.h"
#include "platform/skin/WindowSkinner.h"
#include "quiltrix/Version.h"
#include "shell/About.h"
#include "shell/frmMain.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/ImageBox.h"
#include "shell/widgets/PictureBox.h"
#include "shell/widgets/ShapePanel.h"

namespace qx {
namespace {

using MainWindowTest = WindowTest;

struct Placed {
    const char* name;
    int index;
    QRect rect;
};

TEST_F(MainWindowTest, EveryControlStandsAtItsRectangle) {
    frmMain window;
    EXPECT_EQ(window.client().size(), QSize(792, 515));
    EXPECT_EQ(window.client().palette().color(QPalette::Window), QColor(136, 143, 131));
    const Placed table[] = {
        {"Shape2", -1, {8, 28, 113, 197}},      {"cmdNew", -1, {20, 40, 85, 37}},
        {"Label2", -1, {20, 83, 89, 64}},       {"optGameType", 1, {28, 88, 73, 17}},
        {"optGameType", 2, {28, 106, 73, 17}},  {"optGameType", 0, {28, 124, 73, 17}},
        {"cmdShuffle", -1, {20, 152, 41, 29}},  {"cmdBoardColor", -1, {64, 152, 41, 29}},
        {"Shape1", -1, {20, 188, 86, 23}},      {"chkHint", -1, {28, 191, 73, 17}},
        {"cmdMoveBoard", 2, {52, 244, 33, 33}}, {"cmdMoveBoard", 0, {20, 276, 33, 33}},
        {"cmdMoveBoard", 1, {84, 276, 33, 33}}, {"cmdMoveBoard", 3, {52, 308, 33, 33}},
        {"Image2", -1, {92, 348, 16, 16}},      {"Label3", -1, {28, 355, 25, 13}},
        {"lblElapsed", -1, {28, 368, 81, 18}},  {"Label1", -1, {28, 392, 81, 77}},
        {"picStatus", -1, {36, 398, 63, 63}},   {"picScreen", -1, {140, 16, 625, 481}},
    };
    for (const Placed& p : table) {
        QWidget* control = window.client().control(QString::fromLatin1(p.name), p.index);
        ASSERT_NE(control, nullptr) << p.name << " " << p.index;
        EXPECT_EQ(control->geometry(), p.rect) << p.name << " " << p.index;
        EXPECT_EQ(control->parentWidget(), &window.client()) << p.name;
    }
    for (const char* hidden : {"picBG", "picMaster", "picMasks", "picTmp", "picStencil", "Timer1"})
        EXPECT_EQ(window.client().control(QString::fromLatin1(hidden)), nullptr)
            << hidden << " is no widget";
    EXPECT_EQ(window.client().control(QStringLiteral("picPat"), 0), nullptr);
}

TEST_F(MainWindowTest, ButtonsCarryTheirTextsColoursAndTips) {
    frmMain window;
    EXPECT_EQ(window.cmdNew().Caption(), QStringLiteral(" NEW  GAME"));
    EXPECT_EQ(window.cmdNew().toolTip(), QStringLiteral("New Game"));
    EXPECT_EQ(window.cmdNew().ForeColor(), oleRgb(128, 64, 0));
    EXPECT_EQ(window.cmdNew().Font().name, QStringLiteral("Verdana"));
    EXPECT_EQ(window.cmdNew().ImagePixelSize(), 32);

    const char* const options[] = {"Rectangular", "Easy Jigsaw", "Hard Jigsaw"};
    for (int i = 0; i < 3; ++i) {
        zbButtons_H& option = window.optGameType(i);
        EXPECT_EQ(option.Caption(), QString::fromLatin1(options[i]));
        EXPECT_EQ(option.Mode(), zbButtons_H::OptionMode);
        EXPECT_EQ(option.ForeColor(), oleRgb(255, 255, 255));
        EXPECT_EQ(option.BackColor(), oleRgb(192, 150, 124));
        EXPECT_EQ(option.Font().name, QStringLiteral("Small Fonts"));
        EXPECT_DOUBLE_EQ(option.Font().size, 6.75);
    }
    EXPECT_EQ(window.chkHint().Caption(), QStringLiteral("HINT IMAGE"));
    EXPECT_EQ(window.chkHint().toolTip(), QStringLiteral("Show Hint Image"));
    EXPECT_EQ(window.chkHint().Mode(), zbButtons_H::CheckMode);
    EXPECT_DOUBLE_EQ(window.chkHint().Font().size, 6.0);
    EXPECT_EQ(window.cmdShuffle().toolTip(), QStringLiteral("Scatter Puzzle"));
    EXPECT_EQ(window.cmdBoardColor().toolTip(), QStringLiteral("Set Board Color"));
    const char* const moves[] = {"Move Board Left", "Move Board Right", "Move Board Up",
                                 "Move Board Down"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.cmdMoveBoard(i).toolTip(), QString::fromLatin1(moves[i]));
}

TEST_F(MainWindowTest, PanelsAndLabelsCarryTheirColours) {
    frmMain window;
    FormClient& c = window.client();
    auto& shape2 = c.get<ShapePanel>(QStringLiteral("Shape2"));
    EXPECT_EQ(shape2.shape(), ShapePanel::RoundedRectangle);
    EXPECT_EQ(shape2.FillColor(), oleRgb(222, 215, 186));
    EXPECT_EQ(shape2.BorderColor(), oleRgb(64, 64, 64));
    EXPECT_EQ(c.get<ShapePanel>(QStringLiteral("Shape1")).FillColor(), oleRgb(192, 150, 124));
    EXPECT_EQ(c.get<DesignLabel>(QStringLiteral("Label2")).BackColor(), oleRgb(128, 64, 0));
    EXPECT_EQ(c.get<DesignLabel>(QStringLiteral("Label1")).BackColor(), oleRgb(106, 98, 74));

    auto& timer = c.get<DesignLabel>(QStringLiteral("Label3"));
    EXPECT_EQ(timer.Caption(), QStringLiteral("Timer"));
    EXPECT_FALSE(timer.isOpaque());
    EXPECT_EQ(timer.ForeColor(), oleRgb(128, 64, 0));

    DesignLabel& clock = window.lblElapsed();
    EXPECT_EQ(clock.alignment(), DesignLabel::Center);
    EXPECT_EQ(clock.ForeColor(), oleRgb(128, 255, 255));
    EXPECT_EQ(clock.BackColor(), oleRgb(64, 64, 64));
    EXPECT_TRUE(clock.font().bold());

    EXPECT_EQ(window.picStatus().BackColor(), oleRgb(181, 196, 176));
    EXPECT_TRUE(window.picStatus().hasBorder());
    EXPECT_EQ(window.picScreen().BackColor(), oleRgb(227, 231, 203));
    EXPECT_FALSE(window.picScreen().hasBorder());

    // The pixels agree: a transparent label shows the ground, the clock its own colours.
    const QImage shot = window.client().grab().toImage();
    EXPECT_EQ(shot.pixelColor(30, 371), QColor(64, 64, 64));
    EXPECT_EQ(shot.pixelColor(30, 395), QColor(106, 98, 74));
    EXPECT_EQ(shot.pixelColor(37 + 30, 399 + 30), QColor(181, 196, 176));
}

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrderEachWithItsOwnAccessKey) {
    frmMain window;
    const QList<QAction*> top = window.menuBar().actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Help"));
    const QList<QAction*> file = top[0]->menu()->actions();
    ASSERT_EQ(file.size(), 1);
    EXPECT_EQ(file[0]->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(file[0], &window.menuItem(QStringLiteral("mnuExit")));
    const QList<QAction*> help = top[1]->menu()->actions();
    ASSERT_EQ(help.size(), 5);
    EXPECT_EQ(help[0]->text(), QStringLiteral("&How to Use"));
    EXPECT_EQ(help[1]->text(), QStringLiteral("&Ordering Information"));
    EXPECT_EQ(help[2]->text(), QStringLiteral("&License Agreement"));
    EXPECT_TRUE(help[3]->isSeparator());
    EXPECT_EQ(help[4]->text(), QStringLiteral("&About"));
    EXPECT_EQ(help[4], &window.menuItem(QStringLiteral("mAbout")));
    // Alt+F and Alt+H open the menus; within a menu no two items share a letter.
    for (const QList<QAction*>& items : {top, file, help}) {
        QSet<QKeySequence> keys;
        for (const QAction* action : items) {
            if (action->isSeparator()) continue;
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            EXPECT_FALSE(key.isEmpty()) << action->text().toStdString();
            EXPECT_FALSE(keys.contains(key)) << action->text().toStdString();
            keys.insert(key);
        }
    }
    EXPECT_EQ(top[1], &window.menuItem(QStringLiteral("mnuAbout")));
}

TEST_F(MainWindowTest, TheMenuBarAndItsMenusWearTheWindowsColours) {
    frmMain window;
    window.show();
    QMenuBar& bar = window.menuBar();
    const QImage strip = bar.grab().toImage();
    EXPECT_EQ(strip.pixelColor(strip.width() - 3, strip.height() / 2), QColor(92, 107, 104));
    QMenu* help = window.menuItem(QStringLiteral("mnuAbout")).menu();
    ASSERT_NE(help, nullptr);
    help->adjustSize();
    const QImage drop = help->grab().toImage();
    EXPECT_EQ(drop.pixelColor(drop.width() - 4, drop.height() / 2), QColor(222, 215, 186));
    EXPECT_EQ(drop.pixelColor(0, 0), QColor(106, 98, 74)) << "its frame";
}

TEST_F(MainWindowTest, AfterLoadEasyJigsawIsChosenTheHintShowsAndTheClockRests) {
    frmMain window;
    window.show();
    EXPECT_EQ(window.state().GameTy, EasyJigsaw);
    EXPECT_TRUE(window.optGameType(1).Value());
    EXPECT_FALSE(window.optGameType(0).Value());
    EXPECT_FALSE(window.optGameType(2).Value());
    EXPECT_FALSE(window.state().GameRunning);
    EXPECT_EQ(window.state().ElapsedSeconds, 0);
    EXPECT_TRUE(window.chkHint().Value());
    EXPECT_TRUE(window.picStatus().isVisible());
    EXPECT_EQ(window.lblElapsed().Caption(), QStringLiteral("0:00"));
    EXPECT_EQ(window.Timer1().interval(), 1000);
    EXPECT_FALSE(window.Timer1().isActive());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quiltrix"));
    EXPECT_EQ(window.HelpViewer(), nullptr) << "the help wrapper is made on first use";
    EXPECT_EQ(window.aboutWindow(), nullptr);
    const int secondsOfDay = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    EXPECT_NEAR(static_cast<double>(window.RandomSeed() / 1000), secondsOfDay, 2.0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(MainWindowTest, LoadingReadsTheSoundClipsAndCopiesTheStencilIntoTheMasks) {
    frmMain window;
    ASSERT_TRUE(window.soundClips().isLoaded());
    for (int i = 0; i < SoundClips::kCount; ++i)
        EXPECT_TRUE(window.soundClips().clip(i).startsWith("RIFF")) << i;
    ASSERT_EQ(window.picStencil().width(), 1520);
    ASSERT_EQ(window.picStencil().height(), 80);
    EXPECT_EQ(window.pictures().picMasks, window.picStencil());
}

TEST_F(MainWindowTest, OptionsChooseTheNextGameTypeAndTheHintBoxFollowsItsCheckBox) {
    frmMain window;
    window.show();
    QTest::mouseClick(&window.optGameType(2), Qt::LeftButton);
    EXPECT_EQ(window.state().GameTy, HardJigsaw);
    EXPECT_FALSE(window.optGameType(1).Value());
    QTest::mouseClick(&window.optGameType(0), Qt::LeftButton);
    EXPECT_EQ(window.state().GameTy, Rectangular);
    window.optGameType_Click(5);
    EXPECT_EQ(window.state().GameTy, Rectangular) << "other indices are ignored";

    QTest::mouseClick(&window.chkHint(), Qt::LeftButton);
    EXPECT_FALSE(window.chkHint().Value());
    EXPECT_FALSE(window.picStatus().isVisible());
    QTest::mouseClick(&window.chkHint(), Qt::LeftButton);
    EXPECT_TRUE(window.picStatus().isVisible());
}

TEST_F(MainWindowTest, ThePlayAreaShowsTheWorkPicture) {
    frmMain window;
    EXPECT_EQ(window.picScreen().shownBitmap(), &window.pictures().picScreen);
    EXPECT_EQ(window.picScreen().grab().toImage().pixelColor(300, 200), QColor(227, 231, 203));
    window.pictures().picScreen.setPixel(300, 200, rgb(10, 20, 30));
    window.pictures().picScreen.setPixel(624, 480, rgb(40, 50, 60));
    const QImage shot = window.picScreen().grab().toImage();
    EXPECT_EQ(shot.pixelColor(300, 200), QColor(10, 20, 30));
    EXPECT_EQ(shot.pixelColor(624, 480), QColor(40, 50, 60));
}

TEST_F(MainWindowTest, TheWindowCannotBeResizedOrMaximisedButMinimises) {
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize size = window.size();
    EXPECT_EQ(window.minimumSize(), size);
    EXPECT_EQ(window.maximumSize(), size);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);

    window.resize(size + QSize(200, 100));
    EXPECT_EQ(window.size(), size);
    window.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(window.client().size(), QSize(792, 515));

    window.move(40, 30);
    EXPECT_EQ(window.pos(), QPoint(40, 30)) << "moving still works";

    // Other state changes leave the caption alone; only minimising sets it.
    QWindowStateChangeEvent stateChange(Qt::WindowMinimized);
    QCoreApplication::sendEvent(&window, &stateChange);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quiltrix"));

    window.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isMinimized());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quiltrix " QUILTRIX_VERSION));
    window.showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quiltrix " QUILTRIX_VERSION))
        << "restoring keeps the caption";
}

TEST_F(MainWindowTest, TheSkinGetsItsSettingsInOrderAndItsGlyphsWork) {
    frmMain window;
    window.show();
    SkinChrome* chrome = WindowSkinner::chromeOf(&window);
    ASSERT_NE(chrome, nullptr);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    const WindowSkin& skin = chrome->skin();
    EXPECT_EQ(skin.titleTextMode(), 0);
    EXPECT_EQ(skin.outline(true), QColor(165, 165, 165));
    EXPECT_EQ(skin.outline(false), QColor(165, 165, 165));
    EXPECT_EQ(skin.pressedShade(), -85);
    EXPECT_EQ(skin.titleColor(true), QColor(255, 255, 192));
    EXPECT_EQ(skin.titleHighlight(), QColor(255, 255, 255));
    EXPECT_EQ(skin.titleShadow(), QColor(92, 107, 104));
    EXPECT_EQ(skin.titleFont(true), window.font());
    EXPECT_EQ(QList<int>({skin.glyphWidth(), skin.glyphHeight(), skin.glyphTop(), skin.glyphRight(),
                          skin.pictureWidth()}),
              QList<int>({19, 20, 20, 778, 800}));
    EXPECT_EQ(skin.captionBitmap().size(), QSize(876, 48));
    EXPECT_EQ(skin.borderBitmap().size(), QSize(70, 10));
    EXPECT_EQ(window.client().size(), QSize(792, 515)) << "the chrome goes around the client area";
    EXPECT_LT(window.menuBar().geometry().bottom(), window.client().geometry().top());

    QTest::mouseClick(chrome, Qt::LeftButton, {},
                      chrome->glyphRect(SkinChrome::Glyph::Minimise).center());
    EXPECT_TRUE(window.isMinimized());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quiltrix " QUILTRIX_VERSION));
    window.showNormal();
    window.menuItem(QStringLiteral("mAbout")).trigger();
    QPointer<About> about = window.aboutWindow();
    QTest::mouseClick(chrome, Qt::LeftButton, {},
                      chrome->glyphRect(SkinChrome::Glyph::Close).center());
    settle();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(about.isNull()) << "the close glyph takes About with it";
}

TEST_F(MainWindowTest, AboutOpensOnceOwnerlessAndASecondChoiceRaisesIt) {
    frmMain window;
    window.show();
    window.menuItem(QStringLiteral("mAbout")).trigger();
    QPointer<About> about = window.aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("  About Quiltrix " QUILTRIX_VERSION));
    EXPECT_EQ(about->client().size(), QSize(318, 253));
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(about->client().get<ImageBox>(QStringLiteral("Image1")).geometry(),
              QRect(52, 20, 202, 80));
    EXPECT_EQ(about->client().get<DesignLabel>(QStringLiteral("Label1")).Caption(),
              QStringLiteral("Quiltrix " QUILTRIX_VERSION));

    window.menuItem(QStringLiteral("mAbout")).trigger();
    EXPECT_EQ(window.aboutWindow(), about.data()) << "the same window, brought forward";

    about->close();
    settle();
    EXPECT_TRUE(about.isNull()) << "a closed About is destroyed";
    window.menuItem(QStringLiteral("mAbout")).trigger();
    EXPECT_NE(window.aboutWindow(), nullptr) << "and the next choice opens a fresh one";
    window.aboutWindow()->close();
    settle();
}

TEST_F(MainWindowTest, ExitClosesTheMainWindowAndAboutWithIt) {
    frmMain window;
    window.show();
    window.menuItem(QStringLiteral("mAbout")).trigger();
    QPointer<About> about = window.aboutWindow();
    ASSERT_TRUE(about && about->isVisible());
    window.menuItem(QStringLiteral("mnuExit")).trigger();
    settle();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(about.isNull());
}

TEST_F(MainWindowTest, HelpItemsShareOneWrapperAndAskForTheirTopics) {
    frmMain window;
    const QString file =
        QCoreApplication::applicationDirPath() + QStringLiteral("/help/Quiltrix.chm");
    window.menuItem(QStringLiteral("Contents")).trigger();
    HTMLHelp* viewer = window.HelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CHMFile, file);
    EXPECT_EQ(viewer->HHTopicID, 1);
    EXPECT_EQ(viewer->HHWindow, QStringLiteral("Main"));
    window.menuItem(QStringLiteral("Contents")).trigger();
    EXPECT_EQ(window.HelpViewer(), viewer);
    window.menuItem(QStringLiteral("Ordering")).trigger();
    EXPECT_EQ(viewer->HHTopicID, 6);
    window.menuItem(QStringLiteral("License")).trigger();
    EXPECT_EQ(viewer->HHTopicID, 7);
    EXPECT_EQ(window.HelpViewer(), viewer);

    if (QFile::exists(file)) return;
    ASSERT_EQ(shown.size(), 4u) << "one missing-file message per choice";
    for (const MessageRequest& r : shown) {
        EXPECT_EQ(r.title, QStringLiteral("HTML Help Class"));
        EXPECT_TRUE(r.text.startsWith(QStringLiteral("The file ") + file +
                                      QStringLiteral(" does not exist.")));
    }
}

TEST_F(MainWindowTest, ABadDesignStopsTheWindowBeforeItShows) {
    FormDesign design = loadCompiledDesign(QStringLiteral("frmMain"));
    auto& controls = design.controls;
    controls.erase(
        std::remove_if(controls.begin(), controls.end(),
                       [](const ControlDesign& c) { return c.name == QLatin1String("picScreen"); }),
        controls.end());
    EXPECT_THROW(frmMain{design}, DesignError);

    FormDesign unknown = loadCompiledDesign(QStringLiteral("frmMain"));
    unknown.controls.front().kind = QStringLiteral("Gauge");
    EXPECT_THROW(frmMain{unknown}, DesignError);

    const QByteArray wrongKind =
        R"({"form": "frmMain", "properties": {"ClientWidth": 792, "ClientHeight": 515},
        "controls": [{"name": "lblElapsed", "kind": "Label", "rect": [0, 0, 1, 1], "properties": {"ForeColor": "teal"}}]})";
    EXPECT_THROW(frmMain{parseFormDesign(wrongKind, QStringLiteral("test"))}, DesignError);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace qx
