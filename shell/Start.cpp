#include "shell/Start.h"

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/InstanceBeacon.h"
#include "platform/qt/ProgramMessage.h"
#include "platform/qt/SingleInstanceLock.h"
#include "platform/qt/WindowActivation.h"
#include "platform/trace/StartupTrace.h"
#include "shell/ProgramInfo.h"
#include "shell/WindowPlacement.h"

namespace qx {

Start::Start(SingleInstanceLock& lock, FormDesign design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), lock_(lock) {
    setAttribute(Qt::WA_DeleteOnClose);
    client_ = FormClient::fillWindow(this, std::move(design));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    connect(&Command1(), &zbButtons_H::Click, this, &Start::Command1_Click);
    connect(&Command2(), &zbButtons_H::Click, this, &Start::Command2_Click);
    startup_trace::mark("start window built");
}

zbButtons_H& Start::Command1() {
    return client_->get<zbButtons_H>(QStringLiteral("Command1"));
}
zbButtons_H& Start::Command2() {
    return client_->get<zbButtons_H>(QStringLiteral("Command2"));
}

bool Start::Form_Load() {
    // Only a live copy refuses; without any place for a lock the game starts.
    if (lock_.tryAcquire() == LockOutcome::HeldByAnother) {
        // The running copy comes forward behind the message, with the token
        // our launcher gave us: on Wayland only that lets it come forward.
        InstanceBeacon::knock(lock_.path(), takeLaunchActivationToken());
        showMessage(
            {nullptr, QString::fromLatin1(kProgramTitle), QString::fromLatin1(kAlreadyRunning)});
        return false;
    }
    startup_trace::mark("lock taken");
    adjustSize();
    centreOnScreen(this);
    show();
    startup_trace::mark("start window shown");
    // Enter and Space start the game, Esc quits: the window takes the
    // keyboard (the buttons' keys answer only in the active window) and the
    // focus starts on START.
    activateWindow();
    Command1().setFocus(Qt::OtherFocusReason);
    return true;
}

void Start::Command1_Click() {
    // The main window is up before Start goes, so the program never sees a
    // moment without windows (which would end it).
    emit startChosen();
    close();
}

void Start::Command2_Click() {
    close();
}

}  // namespace qx
