// What the play rules ask of the main window.
#include <QApplication>
#include <QPixmap>

#include "platform/skin/GamePointers.h"
#include "platform/sound/ClipPlayer.h"
#include "shell/Win.h"
#include "shell/frmMain.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/PictureBox.h"

namespace qx {
namespace {

QCursor pointerFrom(const QImage& icon, int hotX, int hotY) {
    if (icon.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(icon), hotX, hotY);
}

}  // namespace

void frmMain::makePlayAreaPointers() {
    normalPointer_ = pointerFrom(picNIcon_, pointers::kNormalHotX, pointers::kNormalHotY);
    turnPointer_ = pointerFrom(picRIcon_, pointers::kTurnHotX, pointers::kTurnHotY);
    picScreen().setCursor(normalPointer_);
}

void frmMain::PlayClip(int n) {
    clipPlayer_->PlayClip(n);
}

void frmMain::SetClockEnabled(bool enabled) {
    if (!enabled)
        timer1_.stop();
    else if (!timer1_.isActive())
        timer1_.start();
}

void frmMain::SetClockText(const std::string& text) {
    lblElapsed().setCaption(QString::fromStdString(text));
}

void frmMain::ShowWin() {
    Win::ShowModal(this, lblElapsed().Caption());
}

void frmMain::SetPlayAreaPointer(PlayAreaPointer pointer) {
    picScreen().setCursor(pointer == PlayAreaPointer::Turn ? turnPointer_ : normalPointer_);
}

void frmMain::BeginBusy() {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void frmMain::EndBusy() {
    if (busyDepth_ == 0) return;
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
}

void frmMain::PlayAreaChanged(const ChangedArea& area) {
    // Queued, so a drag step costs only the two cells it changed.
    for (const PixelRect& r : area.rects()) picScreen().update(r.x, r.y, r.w, r.h);
}

}  // namespace qx
