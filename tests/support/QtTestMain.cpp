// main() for widget tests: one QApplication on the offscreen platform for the
// whole run, then GoogleTest. Every run gets a runtime folder of its own, so
// the locks and sockets of what it starts never meet a copy of the game or
// viewer the user runs, nor another test.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/RuntimeFolder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;
    if (runtime.isValid()) {
        qputenv(qx::kRuntimeFolderVariable, QFile::encodeName(runtime.path()));
        // Qt's own runtime files too, where the session gives no folder.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
