#pragma once

#include <QObject>

class QSocketNotifier;

namespace qx {

// Ends the program when it is asked to stop (SIGTERM at logout or from a
// process manager, SIGINT from a terminal, SIGHUP when the terminal goes),
// whatever it is doing: modal boxes and dialogs are rejected, popups closed
// and every event loop ended, the main one and any nested one, even a box's
// loop before the main loop ever ran. The program then unwinds normally, so
// its lock and sockets go with it instead of being left for the next start
// to clear. The signal handler only writes to a pipe; the event loop does
// the rest. One at a time.
class QuitOnSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;  // the signals' previous handling comes back

    // A stop signal has been handled: code about to start something that
    // would keep the program alive (its main event loop) should not.
    static bool stopRequested();

private:
    void readSignals();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qx
