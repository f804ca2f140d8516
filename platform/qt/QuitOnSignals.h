#pragma once

#include <QObject>

class QSocketNotifier;

namespace qx {

// Ends the event loop when the program is asked to stop (SIGTERM at logout or
// from a process manager, SIGINT from a terminal, SIGHUP when the terminal
// goes), so it unwinds normally and its single-instance lock and socket go
// with it instead of being left for the next start to clear. The signal
// handler only writes to a pipe; the event loop does the rest. One at a time.
class QuitOnSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;  // the signals' previous handling comes back

private:
    void readSignals();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qx
