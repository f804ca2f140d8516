#include "shell/Win.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "controls/zbbutton/zbButtons_H.h"
#include "shell/widgets/DesignLabel.h"

namespace qx {

void Win::ShowModal(QWidget* owner, const QString& time) {
    auto* win = new Win(owner, time);
    win->exec();  // WA_DeleteOnClose: gone once exec() returns
}

Win::Win(QWidget* owner, const QString& time, FormDesign design)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    client_ = FormClient::fillWindow(this, std::move(design));
    setWindowTitle(client_->design().properties.text(QStringLiteral("Caption")));
    connect(&cmdClose(), &zbButtons_H::Click, this, &Win::cmdClose_Click);
    Form_Load(time);
}

DesignLabel& Win::lblTime() {
    return client_->get<DesignLabel>(QStringLiteral("lblTime"));
}

zbButtons_H& Win::cmdClose() {
    return client_->get<zbButtons_H>(QStringLiteral("cmdClose"));
}

void Win::Form_Load(const QString& time) {
    lblTime().setCaption(time);
    adjustSize();
    centreOnOwner();
    cmdClose().setFocus();
}

void Win::cmdClose_Click() {
    close();
}

void Win::showEvent(QShowEvent* event) {
    // Again, now that the frame may be known; not when a minimised window returns.
    if (!event->spontaneous()) centreOnOwner();
    QDialog::showEvent(event);
}

void Win::centreOnOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!owner && !screen) return;
    const QRect area = owner ? owner->frameGeometry() : screen->availableGeometry();
    // Before the window is shown its frame is unknown; the owner's own
    // decoration is the best guess for ours.
    QSize decoration = frameGeometry().size() - geometry().size();
    if (decoration.isNull() && owner)
        decoration = owner->frameGeometry().size() - owner->geometry().size();
    QRect frame(pos(), size() + decoration);
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

}  // namespace qx
