#include "shell/MainWindowProc.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace qx {

MainWindowProc::MainWindowProc(QWidget* window) : QObject(window), window_(window) {}

MainWindowProc* MainWindowProc::install(QWidget* window) {
    auto* proc = new MainWindowProc(window);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    if (window->layout()) window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->installEventFilter(proc);
    return proc;
}

bool MainWindowProc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = window_->windowState();
        const Qt::WindowStates refused = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (state & refused) window_->setWindowState(state & ~refused);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qx
