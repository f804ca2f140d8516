#include "platform/qt/QuitOnSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <atomic>
#include <cerrno>

namespace qx {
namespace {

constexpr std::array kStopSignals{SIGTERM, SIGINT, SIGHUP};

int wakeRead = -1;
int wakeWrite = -1;
std::array<struct sigaction, kStopSignals.size()> previous{};
std::atomic<bool> stopped{false};

extern "C" void onStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request to stop.
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = saved;
}

// Each modal box or dialog runs an event loop of its own, inside the main
// one or before it: they go first, so nothing waits for an answer that will
// not come. Rejecting leaves each as if the player had cancelled it.
void closeModalWindows() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup) break;
    }
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        if (QApplication::activeModalWidget() == modal) modal->hide();  // not a dialog
        if (QApplication::activeModalWidget() == modal) break;
    }
}

}  // namespace

QuitOnSignals::QuitOnSignals(QObject* parent) : QObject(parent) {
    stopped.store(false);
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

bool QuitOnSignals::stopRequested() {
    return stopped.load();
}

void QuitOnSignals::readSignals() {
    char bytes[16];
    while (::read(wakeRead, bytes, sizeof bytes) > 0) {
    }
    stopped.store(true);
    closeModalWindows();
    // exit() rather than quit(): quit() does nothing before the main loop
    // runs, and exit() ends every loop running now, nested ones too.
    QCoreApplication::exit(0);
}

}  // namespace qx
