#include "shell/Program.h"

#include <QApplication>

#include "platform/qt/FormDesign.h"
#include "platform/qt/InstanceBeacon.h"
#include "platform/qt/ProgramMessage.h"
#include "platform/qt/SingleInstanceLock.h"
#include "platform/qt/WindowActivation.h"
#include "shell/Start.h"
#include "shell/WindowPlacement.h"
#include "shell/frmMain.h"

namespace qx {

Program::Program(SingleInstanceLock& lock) : lock_(lock) {}

Program::~Program() {
    if (start_) delete start_.data();
}

Start* Program::startWindow() const {
    return start_.data();
}

bool Program::begin(FormDesign startDesign) {
    start_ = new Start(lock_, std::move(startDesign));
    connect(start_, &Start::startChosen, this, &Program::showMainWindow);
    if (start_->Form_Load()) {
        auto* beacon = new InstanceBeacon(lock_.path(), this);
        beacon->listen();
        connect(beacon, &InstanceBeacon::knocked, this, &Program::bringToFront);
        return true;
    }
    delete start_.data();
    return false;
}

void Program::bringToFront(const QString& activationToken) {
    QWidget* window = main_ ? static_cast<QWidget*>(main_.get()) : start_.data();
    if (!window) return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    activateWithToken(*window, activationToken);
}

void Program::showMainWindow() {
    try {
        main_ = std::make_unique<frmMain>();
    } catch (const DesignError& error) {
        showProgramMessage(nullptr, QString::fromUtf8(error.what()), MessageIcon::Critical);
        QCoreApplication::exit(1);
        return;
    }
    main_->adjustSize();
    centreOnScreen(main_.get());
    main_->show();
}

}  // namespace qx
