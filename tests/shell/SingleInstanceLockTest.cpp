#include <unistd.h>

#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/SingleInstanceLock.h"

namespace qx {
namespace {

// Starts the helper program on `path` and returns what it answered.
QString startHolder(QProcess& holder, const QString& path) {
    holder.start(QStringLiteral(QX_LOCK_HOLDER), {path});
    if (!holder.waitForStarted(10000) || !holder.waitForReadyRead(10000))
        return QStringLiteral("no answer");
    return QString::fromLatin1(holder.readLine()).trimmed();
}

class SingleInstanceLockTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("quiltrix.lock")); }
};

TEST_F(SingleInstanceLockTest, ASecondLockInTheSameProcessIsRefusedUntilTheFirstGoes) {
    auto first = std::make_unique<SingleInstanceLock>(path());
    ASSERT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->tryAcquire()) << "asking again keeps the lock";
    {
        SingleInstanceLock second(path());
        EXPECT_FALSE(second.tryAcquire());
        EXPECT_FALSE(second.isHeld());
    }
    first.reset();
    SingleInstanceLock third(path());
    EXPECT_TRUE(third.tryAcquire());
}

TEST_F(SingleInstanceLockTest, ALockHeldByAnotherRunningCopyIsRefusedBothWays) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder, path()), QStringLiteral("locked"));
    SingleInstanceLock mine(path());
    EXPECT_FALSE(mine.tryAcquire());
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));

    ASSERT_TRUE(mine.tryAcquire()) << "a copy that ended cleanly frees the lock";
    QProcess late;
    EXPECT_EQ(startHolder(late, path()), QStringLiteral("refused"));
    late.closeWriteChannel();
    late.waitForFinished(10000);
}

TEST_F(SingleInstanceLockTest, ALockLeftByAKilledCopyIsTakenOver) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder, path()), QStringLiteral("locked"));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(path())) << "the killed copy leaves its lock file behind";

    SingleInstanceLock next(path());
    EXPECT_TRUE(next.tryAcquire());
}

TEST_F(SingleInstanceLockTest, ALiveLockNeverGoesStaleWithAge) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder, path()), QStringLiteral("locked"));
    // Age the lock file well past QLockFile's default stale time of 30 s.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    SingleInstanceLock mine(path());
    EXPECT_FALSE(mine.tryAcquire());
    holder.closeWriteChannel();
    holder.waitForFinished(10000);
}

TEST(SingleInstanceLockPath, IsPerUserAndOutsideTheWorkingFolder) {
    const QString path = SingleInstanceLock::defaultPath();
    EXPECT_TRUE(QFileInfo(path).isAbsolute());
    EXPECT_TRUE(path.endsWith(QLatin1String(".lock")));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) {
        EXPECT_TRUE(path.contains(QString::number(::getuid())));
    }
}

}  // namespace
}  // namespace qx
