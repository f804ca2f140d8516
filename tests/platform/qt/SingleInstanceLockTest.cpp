#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/RuntimeFolder.h"
#include "platform/qt/SingleInstanceLock.h"

namespace qx {
namespace {

// Starts the helper program on `path` and returns what it answered.
QString startHolder(QProcess& holder, const QStringList& arguments) {
    holder.start(QStringLiteral(QX_LOCK_HOLDER), arguments);
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
    ASSERT_EQ(first->tryAcquire(), LockOutcome::Acquired);
    EXPECT_EQ(first->tryAcquire(), LockOutcome::Acquired) << "asking again keeps the lock";
    {
        SingleInstanceLock second(path());
        EXPECT_EQ(second.tryAcquire(), LockOutcome::HeldByAnother);
        EXPECT_FALSE(second.isHeld());
    }
    first.reset();
    SingleInstanceLock third(path());
    EXPECT_EQ(third.tryAcquire(), LockOutcome::Acquired);
}

TEST_F(SingleInstanceLockTest, ALockHeldByAnotherRunningCopyIsRefusedBothWays) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder, {path()}), QStringLiteral("locked"));
    SingleInstanceLock mine(path());
    EXPECT_EQ(mine.tryAcquire(), LockOutcome::HeldByAnother);
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));

    ASSERT_EQ(mine.tryAcquire(), LockOutcome::Acquired)
        << "a copy that ended cleanly frees the lock";
    QProcess late;
    EXPECT_EQ(startHolder(late, {path()}), QStringLiteral("refused"));
    late.closeWriteChannel();
    late.waitForFinished(10000);
}

TEST_F(SingleInstanceLockTest, ALockLeftByAKilledCopyIsTakenOver) {
    QProcess holder;
    ASSERT_EQ(startHolder(holder, {path()}), QStringLiteral("locked"));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(path())) << "the killed copy leaves its lock file behind";

    SingleInstanceLock next(path());
    EXPECT_EQ(next.tryAcquire(), LockOutcome::Acquired);
}

TEST_F(SingleInstanceLockTest, ALiveOwnersLockNeverGoesStaleWithAge) {
    // A game may run for hours: only a dead owner frees the lock.
    QProcess holder;
    ASSERT_EQ(startHolder(holder, {path()}), QStringLiteral("locked"));
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();

    SingleInstanceLock mine(path());
    EXPECT_EQ(mine.tryAcquire(), LockOutcome::HeldByAnother);
    EXPECT_TRUE(QFile::exists(path()));
    holder.closeWriteChannel();
    holder.waitForFinished(10000);
}

TEST_F(SingleInstanceLockTest, TheLockFileGoesWithTheLockButNotWithARefusedCopy) {
    {
        SingleInstanceLock held(path());
        ASSERT_EQ(held.tryAcquire(), LockOutcome::Acquired);
        EXPECT_TRUE(QFile::exists(path()));
        {
            SingleInstanceLock refused(path());
            EXPECT_EQ(refused.tryAcquire(), LockOutcome::HeldByAnother);
        }
        EXPECT_TRUE(QFile::exists(path())) << "a refused copy leaves the holder's file alone";
    }
    EXPECT_FALSE(QFile::exists(path()));
}

// Copies taking and dropping the lock all the time: one that opened the file
// just before its holder removed it must not end up holding a lock no one
// else can see. Locks are per open file, so threads stand in for copies.
TEST_F(SingleInstanceLockTest, NeverTwoHoldersWhileCopiesComeAndGo) {
    std::atomic<int> holders{0};
    std::atomic<int> most{0};
    std::atomic<int> acquired{0};
    std::vector<std::thread> copies;
    for (int c = 0; c < 4; ++c) {
        copies.emplace_back([&] {
            for (int round = 0; round < 1000; ++round) {
                SingleInstanceLock lock(path());
                if (lock.tryAcquire() != LockOutcome::Acquired) continue;
                const int now = ++holders;
                most = std::max(most.load(), now);
                ++acquired;
                std::this_thread::yield();
                --holders;
            }
        });
    }
    for (std::thread& copy : copies) copy.join();
    EXPECT_EQ(most.load(), 1);
    EXPECT_GT(acquired.load(), 0);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SingleInstanceLockTest, NoPlaceForALockIsNotAnotherCopy) {
    SingleInstanceLock nowhere{QString()};
    EXPECT_EQ(nowhere.tryAcquire(), LockOutcome::Unavailable);
    SingleInstanceLock missing(dir.filePath(QStringLiteral("no/such/folder/quiltrix.lock")));
    EXPECT_EQ(missing.tryAcquire(), LockOutcome::Unavailable);
}

class LockPathTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder(const QString& name, int mode) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        return path;
    }
};

TEST_F(LockPathTest, TheLockIsInThePrivateRuntimeFolderAndNowhereWithoutOne) {
    const QString runtime = dir.filePath(QStringLiteral("run"));
    const QString temp = folder(QStringLiteral("tmp"), 01777);
    EXPECT_EQ(SingleInstanceLock::lockPathFor(::getuid(), runtime, temp),
              temp + QStringLiteral("/quiltrix-") + QString::number(::getuid()) +
                  QStringLiteral("/quiltrix.lock"));
    EXPECT_EQ(SingleInstanceLock::lockPathFor(::getuid(), runtime, QString()), QString());
}

QProcessEnvironment environmentWith(const QString& name, const QString& value) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("TMPDIR"));
    environment.remove(QString::fromLatin1(kRuntimeFolderVariable));
    if (!name.isEmpty()) environment.insert(name, value);
    return environment;
}

TEST_F(LockPathTest, CopiesStartedWithDifferentEnvironmentsMeetAtOneLock) {
    const QString privateRuntime = folder(QStringLiteral("xdg"), 0700);
    const QList<QProcessEnvironment> environments = {
        environmentWith(QStringLiteral("XDG_RUNTIME_DIR"), privateRuntime),
        environmentWith(QString(), QString()),
        environmentWith(QStringLiteral("TMPDIR"), QStringLiteral("/var/tmp")),
        environmentWith(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("missing"))),
    };

    QStringList paths;
    for (const QProcessEnvironment& environment : environments) {
        QProcess printer;
        printer.setProcessEnvironment(environment);
        printer.start(QStringLiteral(QX_LOCK_HOLDER), {QStringLiteral("--default-path")});
        ASSERT_TRUE(printer.waitForFinished(10000));
        paths << QString::fromLocal8Bit(printer.readAllStandardOutput()).trimmed();
    }
    EXPECT_EQ(paths.count(paths.first()), paths.size()) << paths.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo(paths.first()).isAbsolute());
    EXPECT_FALSE(QFileInfo(paths.first()).absolutePath() == QLatin1String("/"));

    // The same with real locks, under roots of this test's own.
    const QString runtime = dir.filePath(QStringLiteral("run"));
    const QString temp = folder(QStringLiteral("tmp"), 01777);
    std::vector<std::unique_ptr<QProcess>> copies;
    QStringList answers;
    for (const QProcessEnvironment& environment : environments) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->setProcessEnvironment(environment);
        answers << startHolder(*copies.back(), {QStringLiteral("--roots"), runtime, temp});
    }
    EXPECT_EQ(answers.count(QStringLiteral("locked")), 1) << answers.join(u' ').toStdString();
    EXPECT_EQ(answers.count(QStringLiteral("refused")), answers.size() - 1);
    for (auto& copy : copies) {
        copy->closeWriteChannel();
        copy->waitForFinished(10000);
    }
}

}  // namespace
}  // namespace qx
