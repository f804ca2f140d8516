#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/InstanceBeacon.h"

namespace qx {
namespace {

TEST(InstanceBeacon, AKnockReachesTheListeningCopyAndOnlyIt) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quiltrix.lock"));
    EXPECT_FALSE(InstanceBeacon::knock(lock, 200)) << "nobody listens yet";

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

}  // namespace
}  // namespace qx
