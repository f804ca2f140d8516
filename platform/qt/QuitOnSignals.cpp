#include "platform/qt/QuitOnSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>

namespace qx {
namespace {

constexpr std::array kStopSignals{SIGTERM, SIGINT, SIGHUP};

int wakeRead = -1;
int wakeWrite = -1;
std::array<struct sigaction, kStopSignals.size()> previous{};

extern "C" void onStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request to stop.
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = saved;
}

}  // namespace

QuitOnSignals::QuitOnSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    wakeRead = ends[0];
    wakeWrite = ends[1];
    notifier_ = new QSocketNotifier(wakeRead, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignals::readSignals);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals[i], &action, &previous[i]);
}

QuitOnSignals::~QuitOnSignals() {
    if (!notifier_) return;
    for (size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals[i], &previous[i], nullptr);
    delete notifier_;
    ::close(wakeRead);
    ::close(wakeWrite);
    wakeRead = wakeWrite = -1;
}

void QuitOnSignals::readSignals() {
    char bytes[16];
    while (::read(wakeRead, bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
}

}  // namespace qx
