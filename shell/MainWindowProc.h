#pragma once

#include <QObject>

class QWidget;

namespace qx {

// The main window's guard: its size is fixed, so neither the frame nor a
// window manager's Size command can change it, and a maximise is undone.
// Moving and minimising work as usual. It removes itself with the window.
class MainWindowProc : public QObject {
    Q_OBJECT

public:
    // Installs the guard on `window`; the guard is a child of the window.
    static MainWindowProc* install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MainWindowProc(QWidget* window);
    QWidget* window_;
};

}  // namespace qx
