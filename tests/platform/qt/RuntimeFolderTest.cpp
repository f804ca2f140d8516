#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "OtherUser.h"
#include "platform/qt/RuntimeFolder.h"

namespace qx {
namespace {

class RuntimeFolderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const uid_t me = ::getuid();
    const QString uid = QString::number(me);
    const QString runtime = dir.filePath(QStringLiteral("run"));
    const QString temp = folder(QStringLiteral("tmp"), 01777);
    const QString inRuntime = runtime + QLatin1Char('/') + uid;
    const QString inTemp = temp + QStringLiteral("/quiltrix-") + uid;

    QString folder(const QString& name, int mode) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        return path;
    }
    static int modeOf(const QString& path) {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                        : -1;
    }
    QString chosen() const { return privateRuntimeFolder(me, runtime, temp); }
};

TEST_F(RuntimeFolderTest, TheSessionFolderOnlyWhenNoOneElseMayEnterIt) {
    const struct {
        int mode;
        bool used;
    } cases[] = {{0700, true},  {0750, false}, {0770, false},
                 {0755, false}, {0711, false}, {0701, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        folder(QStringLiteral("run/") + uid, c.mode);
        EXPECT_EQ(chosen(), c.used ? inRuntime : inTemp);
        EXPECT_EQ(modeOf(inRuntime), c.mode) << "the session's folder is never changed";
        if (!c.used) {
            EXPECT_EQ(modeOf(inTemp), 0700);
        }
    }
}

TEST_F(RuntimeFolderTest, TheFolderInTempIsMadePrivateAndClosedAgainWhenOpened) {
    EXPECT_EQ(chosen(), inTemp) << "no session folder";
    EXPECT_EQ(modeOf(inTemp), 0700);
    for (const int mode : {0750, 0770, 0777, 0705}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(QFile::encodeName(inTemp).constData(), mode_t(mode)), 0);
        EXPECT_EQ(chosen(), inTemp);
        EXPECT_EQ(modeOf(inTemp), 0700);
    }
}

TEST_F(RuntimeFolderTest, NoUsableFolderGivesNoneAndNeverTheRoot) {
    const QString plainFile = dir.filePath(QStringLiteral("file"));
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString none = dir.filePath(QStringLiteral("none"));
    EXPECT_EQ(privateRuntimeFolder(me, none, plainFile), QString());
    EXPECT_EQ(privateRuntimeFolder(me, none, QStringLiteral("/")), QString());
    EXPECT_EQ(privateRuntimeFolder(me, none, QString()), QString());

    // A link planted where a folder would be is not followed, in either place.
    const QString elsewhere = folder(QStringLiteral("elsewhere"), 0700);
    ASSERT_TRUE(QDir().mkpath(runtime));
    ASSERT_TRUE(QFile::link(elsewhere, inRuntime));
    ASSERT_TRUE(QFile::link(elsewhere, inTemp));
    EXPECT_EQ(chosen(), QString());
}

TEST_F(RuntimeFolderTest, AFolderAnotherUserTookIsNeitherUsedNorChanged) {
    QString why;
    const auto other = test::otherUser(&why);
    if (!other) GTEST_SKIP() << why.toStdString();
    for (const QString& taken : {inRuntime, inTemp}) {
        ASSERT_TRUE(QDir().mkpath(taken));
        ASSERT_EQ(::chmod(QFile::encodeName(taken).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(taken).constData(), other->uid, other->gid), 0);
    }
    EXPECT_EQ(chosen(), QString()) << "no lock or socket goes where another user can reach it";
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(inTemp).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, other->uid);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// The variable tests and tools set: the folder it names, made when missing,
// used only when private, and never opened up or closed down.
TEST_F(RuntimeFolderTest, TheTestsVariableNamesAnotherFolder) {
    const QByteArray before = qgetenv(kRuntimeFolderVariable);
    const QString missing = dir.filePath(QStringLiteral("mine"));
    const QString shared = folder(QStringLiteral("shared"), 0755);
    const struct {
        QString named;
        QString expected;
        int modeAfter;
    } cases[] = {
        {missing, missing, 0700},
        {missing, missing, 0700},  // again, now that it exists
        {shared, QString(), 0755},
        {dir.filePath(QStringLiteral("no/such/parent")), QString(), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named.toStdString());
        qputenv(kRuntimeFolderVariable, QFile::encodeName(c.named));
        EXPECT_EQ(runtimeFolder(), c.expected);
        EXPECT_EQ(modeOf(c.named), c.modeAfter);
    }
    // A relative name is taken from the working folder.
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    qputenv(kRuntimeFolderVariable, "mine");
    EXPECT_EQ(runtimeFolder(), missing);
    QDir::setCurrent(working);
    qputenv(kRuntimeFolderVariable, before);
}

}  // namespace
}  // namespace qx
