#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <future>

#include <gtest/gtest.h>

#include "platform/qt/LocalSocket.h"

namespace qx {
namespace {

// sendLine blocks, so it runs on a thread of its own while this one serves.
template <typename Call>
auto whileServing(Call call) {
    auto result = std::async(std::launch::async, call);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

class LocalSocketTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString uniqueName(const char* what) const {
        return dir.filePath(QString::fromLatin1(what) + QStringLiteral(".socket"));
    }
};

// The help viewer serves with Qt's own local server at a path in the runtime
// folder: our plain sockets reach it there and read its answer.
TEST_F(LocalSocketTest, ALineReachesQtsServerAndItsAnswerComesBack) {
    const QString name = uniqueName("answering");
    QLocalServer server;
    ASSERT_TRUE(server.listen(name));
    EXPECT_EQ(name, server.fullServerName());
    QByteArray received;
    QObject::connect(&server, &QLocalServer::newConnection, [&] {
        QLocalSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [&received, socket] {
            if (!socket->canReadLine()) return;
            received = socket->readLine();
            socket->write("4242\r\n");
        });
    });
    QByteArray answer;
    EXPECT_TRUE(whileServing([&] { return sendLine(name, "open 1\n", 5000, &answer); }));
    EXPECT_EQ(received, "open 1\n");
    EXPECT_EQ(answer, "4242");
}

TEST_F(LocalSocketTest, NoAnswerIsAFailure) {
    QByteArray answer;
    EXPECT_FALSE(sendLine(uniqueName("nobody"), "open 1\n", 1000, &answer)) << "nobody listens";

    // A server that takes the line but stays silent, or hangs up without a
    // whole line, fails the exchange once the time is up.
    const QString name = uniqueName("silent");
    QLocalServer server;
    ASSERT_TRUE(server.listen(name));
    EXPECT_FALSE(whileServing([&] { return sendLine(name, "open 1\n", 300, &answer); }));
    QObject::connect(&server, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            socket->write("12");
            socket->disconnectFromServer();
        }
    });
    EXPECT_FALSE(whileServing([&] { return sendLine(name, "open 1\n", 3000, &answer); }));
}

TEST_F(LocalSocketTest, AListenerTakesOverAStaleFileHearsEachConnectionAndCleansUp) {
    const QString path = dir.filePath(QStringLiteral("game.socket"));
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    {
        LocalListener listener;
        ASSERT_TRUE(listener.listen(path));
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0600u) << "only its owner may knock";

        QSignalSpy arrived(&listener, &LocalListener::lineArrived);
        EXPECT_TRUE(sendLine(path, "front\n", 1000));
        EXPECT_TRUE(sendLine(path, "front abc\r\n", 1000));
        for (int i = 0; i < 200 && arrived.size() < 2; ++i) arrived.wait(10);
        ASSERT_EQ(arrived.size(), 2);
        EXPECT_EQ(arrived[0][0].toByteArray(), "front");
        EXPECT_EQ(arrived[1][0].toByteArray(), "front abc");
    }
    EXPECT_FALSE(QFile::exists(path)) << "the socket goes with its listener";

    LocalListener tooLong;
    EXPECT_FALSE(tooLong.listen(dir.filePath(QString(200, QLatin1Char('x')))));
    EXPECT_FALSE(sendLine(dir.filePath(QString(200, QLatin1Char('x'))), "front\n", 100));
}

TEST_F(LocalSocketTest, EveryConnectionCountsAndNoneHoldsUpTheNext) {
    const QString path = dir.filePath(QStringLiteral("game.socket"));
    LocalListener listener;
    ASSERT_TRUE(listener.listen(path));
    QSignalSpy arrived(&listener, &LocalListener::lineArrived);
    QElapsedTimer clock;
    clock.start();

    // Says nothing and stays: counts once its time is up, as an empty line.
    QLocalSocket silent;
    silent.connectToServer(path);
    ASSERT_TRUE(silent.waitForConnected(1000));
    // Closes without a line, and overruns the longest line: empty lines too.
    EXPECT_TRUE(sendLine(path, "front", 1000));
    EXPECT_TRUE(sendLine(path, QByteArray(LocalListener::kMaxLine + 100, 'x'), 1000));
    EXPECT_TRUE(sendLine(path, "front token\n", 1000));

    for (int i = 0; i < 400 && arrived.size() < 3; ++i) arrived.wait(10);
    ASSERT_EQ(arrived.size(), 3) << "the silent caller held up the others";
    EXPECT_LT(clock.elapsed(), LocalListener::kLineWaitMs) << "the others waited for it";
    QList<QByteArray> lines;
    for (const auto& call : arrived) lines << call[0].toByteArray();
    EXPECT_TRUE(lines.contains(QByteArray("front token")));
    EXPECT_EQ(lines.count(QByteArray()), 2);

    for (int i = 0; i < 300 && arrived.size() < 4; ++i) arrived.wait(10);
    ASSERT_EQ(arrived.size(), 4);
    EXPECT_EQ(arrived[3][0].toByteArray(), QByteArray());
    EXPECT_GE(clock.elapsed(), LocalListener::kLineWaitMs - 50);
}

}  // namespace
}  // namespace qx
