#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "MessageLog.h"
#include "help/HTMLHelp.h"
#include "help/HelpRegistry.h"
#include "help/HelpVersions.h"
#include "help/HelpViewerLink.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

using Command = ViewerRequest::Command;

struct ViewerCall {
    QString file;
    QString windowType;
    ViewerRequest request;
    bool started;  // open (may start a viewer) rather than tell
};

// Stands in for the viewer program and records what it was asked.
class FakeViewerLink : public HelpViewerLink {
public:
    std::vector<ViewerCall> calls;
    bool reachable = true;
    bool isInstalled = true;
    quint64 window = 0x2a00007;
    QString version = QStringLiteral("quiltrix-help 2.0.0");

    void open(const QString& file, const QString& windowType, const ViewerRequest& request,
              ViewerClient::AnswerHandler done) override {
        calls.push_back({file, windowType, request, true});
        done({reachable, reachable ? window : 0});
    }
    void tell(const QString& file, const QString& windowType,
              const ViewerRequest& request) override {
        calls.push_back({file, windowType, request, false});
    }
    QString versionLine() override { return version; }
    bool installed() override { return isInstalled; }
};

class HTMLHelpTest : public ::testing::Test, protected test::MessageLog {
protected:
    QTemporaryDir dir;
    FakeViewerLink* viewer = new FakeViewerLink;
    std::unique_ptr<HelpViewerLink> realLink;
    QString realRegistry;
    HTMLHelp help;

    void SetUp() override {
        realLink = HelpViewerLink::setCurrent(std::unique_ptr<HelpViewerLink>(viewer));
        realRegistry =
            HelpRegistry::setDefaultPath(dir.filePath(QStringLiteral("config/registry")));
    }
    void TearDown() override {
        help.HHClose();
        HelpViewerLink::setCurrent(std::move(realLink));
        HelpRegistry::setDefaultPath(realRegistry);
    }

    QString existingFile(const QString& name) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    static QString missingText(const QString& file) {
        return QStringLiteral("The file ") + file +
               QStringLiteral(
                   " does not exist.\nPlease make sure the correct path and file name "
                   "have been specified.");
    }
};

TEST_F(HTMLHelpTest, AMissingFileIsReportedOnceAndNoViewerIsAsked) {
    help.CHMFile = dir.filePath(QStringLiteral("help/Quiltrix.chm"));
    help.HHTopicID = 1;
    help.HHWindow = QStringLiteral("Main");
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("HTML Help Class"));
    EXPECT_EQ(shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(shown[0].text, missingText(help.CHMFile));
    EXPECT_TRUE(viewer->calls.empty());
}

TEST_F(HTMLHelpTest, EachDisplayAsksTheViewerOfTheFileAndWindowType) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.CHM"));
    help.HHWindow = QStringLiteral("Main");
    help.HHTopicID = 7;
    help.HHTopicURL = QStringLiteral("license.html#fonts");
    const struct {
        void (HTMLHelp::*display)(QWidget*);
        Command command;
    } cases[] = {{&HTMLHelp::HHDisplayTopicID, Command::Context},
                 {&HTMLHelp::HHDisplayTopicURL, Command::Topic},
                 {&HTMLHelp::HHDisplayContents, Command::Contents},
                 {&HTMLHelp::HHDisplayIndex, Command::Index},
                 {&HTMLHelp::HHDisplaySearch, Command::Search}};
    for (const auto& c : cases) {
        viewer->calls.clear();
        (help.*c.display)(nullptr);
        ASSERT_EQ(viewer->calls.size(), 1u);
        EXPECT_EQ(viewer->calls[0].request.command, c.command);
        EXPECT_EQ(viewer->calls[0].file, help.CHMFile);
        EXPECT_EQ(viewer->calls[0].windowType, QStringLiteral("Main"));
    }
    EXPECT_TRUE(shown.empty()) << "an upper-case ending is a valid help file";
    help.HHDisplayTopicID(nullptr);
    EXPECT_EQ(viewer->calls.back().request.context, 7u);
    help.HHDisplayTopicURL(nullptr);
    EXPECT_EQ(viewer->calls.back().request.topic, QStringLiteral("license.html#fonts"));
    EXPECT_EQ(help.HHWndHandle(), viewer->window);
}

TEST_F(HTMLHelpTest, ABlankWindowTypeOpensTheBareFile) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    help.HHWindow = QStringLiteral("   ");
    EXPECT_EQ(help.HHTarget(), help.CHMFile);
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(viewer->calls.size(), 1u);
    EXPECT_EQ(viewer->calls[0].windowType, QString());
    help.HHWindow = QStringLiteral("Main");
    EXPECT_EQ(help.HHTarget(), help.CHMFile + QStringLiteral(">Main"));
}

TEST_F(HTMLHelpTest, AnotherEndingIsWarnedAboutAndStillShown) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.txt"));
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, help.CHMFile + QStringLiteral(" is not a valid HTML Help file."));
    EXPECT_EQ(viewer->calls.size(), 1u);
}

TEST_F(HTMLHelpTest, AViewerThatCannotStartIsReportedAndLeavesNoHandle) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    viewer->reachable = false;
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(shown[0].text.contains(help.CHMFile));
    EXPECT_EQ(help.HHWndHandle(), 0u);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, QStringLiteral("No HTML Help window handle to retrieve."));
}

TEST_F(HTMLHelpTest, TheCallingWindowOwnsTheViewerOnlyWhenShownOnTop) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    QWidget caller;
    help.HHDisplayContents(&caller);
    EXPECT_EQ(viewer->calls.back().request.ownerWindow, 0u);
    help.HHShowOnTop = true;
    help.HHDisplayContents(&caller);
    EXPECT_EQ(viewer->calls.back().request.ownerWindow, quint64(caller.winId()));
}

TEST_F(HTMLHelpTest, BareNamesUseTheRegisteredFolderElseTheProgramsFolder) {
    const QString registered = existingFile(QStringLiteral("library/Reg.chm"));
    help.HHRegister(registered);
    EXPECT_TRUE(shown.empty());
    QString name = QStringLiteral("reg.chm");
    EXPECT_TRUE(help.EnsureFileExists(name));
    EXPECT_EQ(name, registered) << "the registered folder and name";
    EXPECT_EQ(help.HHRegFileName(), QStringLiteral("Reg.chm"));
    EXPECT_TRUE(help.HHRegFileExists());

    name = QStringLiteral("NoSuchHelp.chm");
    EXPECT_FALSE(help.EnsureFileExists(name));
    EXPECT_EQ(name, QCoreApplication::applicationDirPath() + QStringLiteral("/NoSuchHelp.chm"));
    EXPECT_EQ(help.HHRegFileName(), QString());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, missingText(name));

    shown.clear();
    QFile::remove(registered);
    name = QStringLiteral("Reg.chm");
    EXPECT_FALSE(help.EnsureFileExists(name));
    ASSERT_EQ(shown.size(), 1u) << "a registered file that is gone is reported once";
    EXPECT_EQ(shown[0].text, missingText(registered));
    EXPECT_FALSE(help.HHRegFileExists());
}

TEST_F(HTMLHelpTest, ARegisteredFolderWithoutItsClosingSlashStillFindsTheFile) {
    const QString file = existingFile(QStringLiteral("library/Reg.chm"));
    ASSERT_TRUE(HelpRegistry(HelpRegistry::defaultPath())
                    .set(QStringLiteral("Reg.chm"), QFileInfo(file).absolutePath()));
    help.HHCheckRegistry(QStringLiteral("Reg.chm"));
    EXPECT_TRUE(help.HHRegFileExists());
    help.CHMFile = QStringLiteral("Reg.chm");
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(viewer->calls.size(), 1u);
    EXPECT_EQ(viewer->calls[0].file, file);
    EXPECT_TRUE(shown.empty());
}

TEST_F(HTMLHelpTest, AnEmptyFileNameNeverOpensAnEarlierLookup) {
    const QString registered = existingFile(QStringLiteral("library/Reg.chm"));
    help.HHRegister(registered);
    help.HHCheckRegistry(QStringLiteral("Reg.chm"));
    ASSERT_EQ(help.HHRegFileName(), QStringLiteral("Reg.chm"));
    help.CHMFile.clear();
    help.HHDisplayTopicID(nullptr);
    EXPECT_TRUE(viewer->calls.empty());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, QStringLiteral(" is not a valid HTML Help file."));
    EXPECT_EQ(shown[1].text, missingText(QString()));
}

TEST_F(HTMLHelpTest, RegisteringTellsWhenNothingNeedsDoing) {
    const QString file = existingFile(QStringLiteral("Lib.chm"));
    help.HHRegister(file);
    help.HHRegister(file);
    help.HHRegister(QStringLiteral("Bare.chm"));
    help.HHUnRegister(file);
    help.HHUnRegister(file);
    help.HHRegister(QString());
    const QString lines[] = {
        QStringLiteral("The file ") + file +
            QStringLiteral(
                " is already registered.  HHRegister will not be run as no action need be taken."),
        QStringLiteral("Cannot register Bare.chm without having a supplied path.\""),
        QStringLiteral("The file ") + file +
            QStringLiteral(
                " is not registered.  HHUnRegister will not be run as no action need be taken."),
    };
    ASSERT_EQ(shown.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(shown[i].text, lines[i]);
    EXPECT_EQ(shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(shown[1].icon, MessageIcon::Warning);
    EXPECT_FALSE(HelpRegistry(HelpRegistry::defaultPath()).find(QStringLiteral("lib.chm")));
}

TEST_F(HTMLHelpTest, ARegistryThatCannotBeWrittenIsReported) {
    const QString file = existingFile(QStringLiteral("Lib.chm"));
    HelpRegistry::setDefaultPath(existingFile(QStringLiteral("plain-file")) +
                                 QStringLiteral("/registry"));
    help.HHRegister(file);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("HTML Help Class: HHRegister Error"));
}

TEST_F(HTMLHelpTest, LookupsCarryTheirNamesDefaultPageAndMessage) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    help.HHWindow = QStringLiteral("Main");
    help.HHKeyword = QStringLiteral("clock;timer");
    help.HHALink = QStringLiteral("Fonts");
    help.HHDefaultURL = QStringLiteral("howto.html");
    help.HHMsgText = QStringLiteral("Nothing found");
    help.HHDisplayKeyword(nullptr);
    help.HHDisplayALink(nullptr);
    ASSERT_EQ(viewer->calls.size(), 2u);
    EXPECT_EQ(viewer->calls[0].request.command, Command::Keyword);
    EXPECT_EQ(viewer->calls[0].request.names, QStringLiteral("clock;timer"));
    EXPECT_EQ(viewer->calls[1].request.command, Command::ALink);
    EXPECT_EQ(viewer->calls[1].request.names, QStringLiteral("Fonts"));
    for (const ViewerCall& call : viewer->calls) {
        EXPECT_EQ(call.windowType, QStringLiteral("Main"));
        EXPECT_EQ(call.request.defaultTopic, QStringLiteral("howto.html"));
        EXPECT_EQ(call.request.notFoundText, QStringLiteral("Nothing found"));
    }
}

TEST_F(HTMLHelpTest, PopupsTakeTheirSourceAndForgetTheirLooksAfterwards) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    help.HHPopupType = 1;
    help.HHPopupFile = QStringLiteral("popups.doc");
    help.HHDisplayPopup(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("The file specified as the text popup source, "
                                            "'popups.doc', is not a valid popup file."));
    EXPECT_TRUE(viewer->calls.empty());

    help.HHPopupFile = QStringLiteral("popups.txt");
    help.HHPopupID = 1002;
    help.HHPopupTextColor = 0x0000FF;
    help.HHPopupCustomBackColor = 0x00FF00;
    help.HHPopupTextBold = help.HHPopupTextUnderline = true;
    help.HHPopupTextSize = QStringLiteral("12");
    help.HHDisplayPopup(nullptr);
    ASSERT_EQ(viewer->calls.size(), 1u);
    const ViewerRequest& popup = viewer->calls[0].request;
    EXPECT_EQ(popup.command, Command::Popup);
    EXPECT_EQ(viewer->calls[0].file, help.CHMFile);
    EXPECT_EQ(popup.popupSource, QStringLiteral("popups.txt"));
    EXPECT_EQ(popup.context, 1002u);
    EXPECT_EQ(popup.textColor, 0x0000FFu);
    EXPECT_EQ(popup.backColor, 0u) << "custom colours only when asked for";
    EXPECT_EQ(popup.font, QStringLiteral("Arial, 12, ascii, Bold Underline"));
    EXPECT_EQ(help.HHPopupTextColor, 0u);
    EXPECT_EQ(help.HHPopupCustomBackColor, 0u);
    EXPECT_EQ(help.HHPopupTextSize, QStringLiteral("10"));
    EXPECT_FALSE(help.HHPopupTextBold);

    HTMLHelp::SetProgramString(42, QStringLiteral("From the program"));
    help.HHPopupType = 4;
    help.HHPopupID = 42;
    help.HHDisplayPopup(nullptr);
    EXPECT_EQ(viewer->calls.back().request.popupText, QStringLiteral("From the program"));
    EXPECT_EQ(viewer->calls.back().file, QString()) << "literal text needs no help file";
    help.HHPopupText = QStringLiteral("Literal");
    help.HHDisplayPopup(nullptr);
    EXPECT_EQ(viewer->calls.back().request.popupText, QStringLiteral("Literal"));
    const size_t before = viewer->calls.size();
    help.HHPopupType = 0;
    help.HHDisplayPopup(nullptr);
    EXPECT_EQ(viewer->calls.size(), before);
}

TEST_F(HTMLHelpTest, HHCloseClosesEveryViewerThisProgramOpened) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    help.HHWindow = QStringLiteral("Main");
    help.HHDisplayTopicID(nullptr);
    HTMLHelp other;
    other.CHMFile = existingFile(QStringLiteral("Other.chm"));
    other.HHDisplayContents(nullptr);
    viewer->calls.clear();
    help.HHClose();
    ASSERT_EQ(viewer->calls.size(), 2u);
    QStringList closed;
    for (const ViewerCall& call : viewer->calls) {
        EXPECT_FALSE(call.started) << "closing never starts a viewer";
        EXPECT_EQ(call.request.command, Command::Close);
        closed.append(call.file + QLatin1Char('>') + call.windowType);
    }
    closed.sort();
    EXPECT_EQ(closed, (QStringList{other.CHMFile + QLatin1Char('>'),
                                   help.CHMFile + QStringLiteral(">Main")}));
    viewer->calls.clear();
    help.HHClose();
    EXPECT_TRUE(viewer->calls.empty());
}

TEST_F(HTMLHelpTest, TheJumpItemIsRemovedFromTheViewerOwningTheWindow) {
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.chm"));
    help.HHDisplayContents(nullptr);
    viewer->calls.clear();
    help.HHDeleteJumpURLSysMenu(12345);
    EXPECT_TRUE(viewer->calls.empty()) << "not a window of ours";
    help.HHDeleteJumpURLSysMenu(viewer->window);
    ASSERT_EQ(viewer->calls.size(), 1u);
    EXPECT_EQ(viewer->calls[0].request.command, Command::RemoveJump);
}

TEST(HelpVersions, FormatsAndComparesPartByPartAsNumbers) {
    EXPECT_EQ(formatVersion({4, 74, 8702, 0}), QStringLiteral("4.74.8702.00"));
    EXPECT_EQ(formatVersion({5, 0, 0, 2919}), QStringLiteral("5.00.2919"));
    EXPECT_EQ(formatVersion({6, 4, 2, 0}), QStringLiteral("6.04.02.00"));
    EXPECT_GT(compareVersions(QStringLiteral("10.0"), QStringLiteral("4.72")), 0);
    EXPECT_LT(compareVersions(QStringLiteral("4.72.7290"), QStringLiteral("4.72.8164.0")), 0);
    EXPECT_EQ(compareVersions(QStringLiteral("5.0.2717.2000"), QStringLiteral("5.00.2717.2000")),
              0);
    EXPECT_FALSE(versionParts(QStringLiteral("2.x")));
    EXPECT_EQ(viewerFriendlyName(QStringLiteral("4.73.8412.00")), QStringLiteral("1.21"));
    EXPECT_EQ(browserFriendlyName(QStringLiteral("5.00.2919.6307")), QStringLiteral("5.01"));
    EXPECT_EQ(browserFriendlyName(QStringLiteral("6.04.02.00")), QStringLiteral("unknown"));
}

TEST_F(HTMLHelpTest, MinimumConfigurationKeepsTheVersionsReadOnAnUnknownCode) {
    EXPECT_EQ(help.HHVersion(), QStringLiteral("2.00.0000"));
    EXPECT_EQ(help.HHFriendlyName(), QStringLiteral("unknown"));
    EXPECT_EQ(help.IEFriendlyName(), QStringLiteral("unknown"));
    EXPECT_TRUE(help.HHVerifyMinConfig(26, 273));
    EXPECT_TRUE(help.HHVerifyMinConfig(16, 256));
    EXPECT_FALSE(help.HHVerifyMinConfig(27, 256));
    EXPECT_FALSE(help.HHVerifyMinConfig(16, 300));
    EXPECT_EQ(help.HHVersion(), QStringLiteral("2.00.0000"));
    EXPECT_FALSE(help.IEVersion().isEmpty());
    EXPECT_TRUE(shown.empty());
}

TEST_F(HTMLHelpTest, AMissingOrBrokenViewerIsAnInstallationError) {
    viewer->isInstalled = false;
    EXPECT_FALSE(help.HHInstalled());
    EXPECT_EQ(help.HHVersion(), QString());
    EXPECT_EQ(help.HHFriendlyName(), QStringLiteral("unknown"));
    EXPECT_FALSE(help.HHVerifyMinConfig(16, 256));
    viewer->isInstalled = true;
    viewer->version = QStringLiteral("garbage");
    HTMLHelp broken;
    EXPECT_EQ(broken.HHVersion(), QString());
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(shown[0].text,
              QStringLiteral("Hhctrl.ocx is not registered.  Please install HTML Help."));
    EXPECT_EQ(shown.back().text,
              QStringLiteral(
                  "Hhctrl.ocx is not in its registered location.  Please reinstall HTML Help."));
}

TEST_F(HTMLHelpTest, TheLibraryFileSelectors) {
    EXPECT_EQ(help.HHSetHelpFile(1),
              QCoreApplication::applicationDirPath() + QStringLiteral("/Library.chm"));
    EXPECT_EQ(help.HHSetHelpFile(2), QStringLiteral("Library.txt"));
    EXPECT_EQ(help.HHSetHelpFile(3), QString());
}

}  // namespace
}  // namespace qx
