#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "help/HTMLHelp.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

class HTMLHelpTest : public ::testing::Test {
protected:
    std::vector<MessageRequest> shown;
    ScopedMessageSink sink{[this](const MessageRequest& r) { shown.push_back(r); }};
    QTemporaryDir dir;

    QString existingFile(const QString& name) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
};

TEST_F(HTMLHelpTest, AMissingFileIsReportedOnceWithTheExactMessage) {
    HTMLHelp help;
    help.CHMFile = dir.filePath(QStringLiteral("help/Quiltrix.chm"));
    help.HHTopicID = 1;
    help.HHWindow = QStringLiteral("Main");
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("HTML Help Class"));
    EXPECT_EQ(shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(shown[0].parent, nullptr);
    EXPECT_EQ(shown[0].text,
              QStringLiteral("The file ") + dir.filePath(QStringLiteral("help/Quiltrix.chm")) +
                  QStringLiteral(" does not exist.\nPlease make sure the correct path and file "
                                 "name have been specified."));
}

TEST_F(HTMLHelpTest, AnExistingFileShowsNoMessage) {
    HTMLHelp help;
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.CHM"));
    help.HHDisplayTopicID(nullptr);
    EXPECT_TRUE(shown.empty()) << "an upper-case ending is a valid help file";
}

TEST_F(HTMLHelpTest, AnotherEndingIsWarnedAboutAndTheDisplayGoesOn) {
    HTMLHelp help;
    help.CHMFile = existingFile(QStringLiteral("Quiltrix.txt"));
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, help.CHMFile + QStringLiteral(" is not a valid HTML Help file."));

    shown.clear();
    help.CHMFile = dir.filePath(QStringLiteral("gone.hlp"));
    help.HHDisplayTopicID(nullptr);
    ASSERT_EQ(shown.size(), 2u) << "the warning, then the existence check";
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("The file ")));
}

TEST_F(HTMLHelpTest, ABareNameIsLookedForBesideTheProgram) {
    HTMLHelp help;
    QString name = QStringLiteral("NoSuchHelp.chm");
    EXPECT_FALSE(help.EnsureFileExists(name));
    EXPECT_EQ(name, QCoreApplication::applicationDirPath() + QStringLiteral("/NoSuchHelp.chm"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.contains(name));
}

TEST_F(HTMLHelpTest, TheTargetNamesTheWindowTypeUnlessItIsBlank) {
    HTMLHelp help;
    help.CHMFile = QStringLiteral("/x/Quiltrix.chm");
    help.HHWindow = QStringLiteral("   ");
    EXPECT_EQ(help.HHTarget(), QStringLiteral("/x/Quiltrix.chm"));
    help.HHWindow = QStringLiteral("Main");
    EXPECT_EQ(help.HHTarget(), QStringLiteral("/x/Quiltrix.chm>Main"));

    QWidget caller;
    EXPECT_EQ(help.HHOwner(&caller), nullptr);
    help.HHShowOnTop = true;
    EXPECT_EQ(help.HHOwner(&caller), &caller);
}

}  // namespace
}  // namespace qx
