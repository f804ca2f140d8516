#include <signal.h>

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/qt/QuitOnSignals.h"

namespace qx {
namespace {

using Handler = void (*)(int);

Handler currentHandler(int signal) {
    struct sigaction now {};
    ::sigaction(signal, nullptr, &now);
    return now.sa_handler;
}

TEST(QuitOnSignals, EachStopSignalEndsTheEventLoopAndTheOldHandlingComesBack) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const Handler before = currentHandler(signal);
        {
            QuitOnSignals quit;
            QTimer::singleShot(0, [signal] { ::raise(signal); });
            QTimer tooLong;
            tooLong.setSingleShot(true);
            QObject::connect(&tooLong, &QTimer::timeout, [] { QCoreApplication::exit(7); });
            tooLong.start(5000);
            EXPECT_EQ(QCoreApplication::exec(), 0) << "the signal ended the loop, not the timer";
        }
        EXPECT_EQ(currentHandler(signal), before);
    }
}

}  // namespace
}  // namespace qx
