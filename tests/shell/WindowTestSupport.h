#pragma once

#include <QCoreApplication>
#include <QTemporaryDir>
#include <vector>

#include <gtest/gtest.h>

#include "MessageLog.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {

// Collects message boxes instead of showing them and gives each test its
// own lock file.
class WindowTest : public ::testing::Test, protected test::MessageLog {
protected:
    QTemporaryDir dir;

    QString lockPath() const { return dir.filePath(QStringLiteral("quiltrix.lock")); }

    // Runs deferred deletes (windows closed with WA_DeleteOnClose).
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace qx
