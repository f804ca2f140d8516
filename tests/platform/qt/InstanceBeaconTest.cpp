#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/InstanceBeacon.h"

namespace qx {
namespace {

TEST(InstanceBeacon, AKnockReachesTheListeningCopyAndOnlyIt) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quiltrix.lock"));
    EXPECT_FALSE(InstanceBeacon::knock(lock, {}, 200)) << "nobody listens yet";

    InstanceBeacon running(lock);
    ASSERT_TRUE(running.listen());
    QSignalSpy knocked(&running, &InstanceBeacon::knocked);
    // The knock blocks until written, so the listener is served from the event loop after it.
    EXPECT_TRUE(InstanceBeacon::knock(lock));
    EXPECT_TRUE(knocked.wait(2000));
    EXPECT_EQ(knocked.size(), 1);

    // A socket left behind by a copy that died is taken over by the next one.
    InstanceBeacon next(lock);
    EXPECT_TRUE(next.listen());
    EXPECT_FALSE(InstanceBeacon::knock(QString())) << "no lock path, no socket";
}

TEST(InstanceBeacon, TheKnockCarriesTheActivationToken) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quiltrix.lock"));
    InstanceBeacon running(lock);
    ASSERT_TRUE(running.listen());
    QSignalSpy knocked(&running, &InstanceBeacon::knocked);
    const QString token = QStringLiteral("weston-7f3a_12:9.Q");
    EXPECT_TRUE(InstanceBeacon::knock(lock, token));
    ASSERT_TRUE(knocked.wait(2000));
    EXPECT_EQ(knocked[0][0].toString(), token);
}

TEST(InstanceBeacon, OnlyATokenTravelsAndAnyKnockStillCounts) {
    const QString longest(256, QLatin1Char('t'));
    const struct {
        QString token;
        QByteArray line;
    } cases[] = {
        {QString(), "front\n"},
        {QStringLiteral("abc"), "front abc\n"},
        {longest, "front " + longest.toLatin1() + "\n"},
        {longest + QLatin1Char('t'), "front\n"},  // too long
        {QStringLiteral("a b"), "front\n"},
        {QStringLiteral("a\nfront evil"), "front\n"},
        {QStringLiteral("caf\u00e9"), "front\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstanceBeacon::knockLine(c.token), c.line) << qPrintable(c.token);
        const QByteArray line = c.line.chopped(1);
        EXPECT_EQ(InstanceBeacon::tokenOf(line), c.line == "front\n" ? QString() : c.token);
    }
    // What an older copy or a stranger sends is a knock without a token.
    for (const char* line : {"", "front", "front ", "back abc", "frontabc", "front a\tb"})
        EXPECT_EQ(InstanceBeacon::tokenOf(line), QString()) << line;
}

}  // namespace
}  // namespace qx
