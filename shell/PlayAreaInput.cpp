// The play area's pointers and its mouse and key events, handed to the play
// rules in play-area pixels.
#include <QPixmap>

#include "shell/PlayAreaPointers.h"
#include "shell/frmMain.h"
#include "shell/widgets/PictureBox.h"

namespace qx {
namespace {

MouseButton engineButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Other;
    }
}

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

void frmMain::connectPlayArea() {
    PictureBox& area = picScreen();
    // R turns the held piece only when the key reaches the play area.
    area.setFocusPolicy(Qt::ClickFocus);
    connect(&area, &PictureBox::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                picScreen_MouseDown(button, at);
            });
    connect(
        &area, &PictureBox::MouseMove, this,
        [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) { picScreen_MouseMove(at); });
    connect(&area, &PictureBox::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                picScreen_MouseUp(button, at);
            });
    connect(&area, &PictureBox::KeyDown, this,
            [this](int key, Qt::KeyboardModifiers) { picScreen_KeyDown(key); });
}

void frmMain::picScreen_MouseDown(Qt::MouseButton button, QPoint at) {
    picScreen().setFocus(Qt::MouseFocusReason);
    rules_.PlayAreaMouseDown(engineButton(button), at.x(), at.y());
}

void frmMain::picScreen_MouseMove(QPoint at) {
    // While a button is down the moves keep coming outside the play area too.
    rules_.PlayAreaMouseMove(at.x(), at.y());
}

void frmMain::picScreen_MouseUp(Qt::MouseButton button, QPoint at) {
    rules_.PlayAreaMouseUp(engineButton(button), at.x(), at.y());
}

void frmMain::picScreen_KeyDown(int key) {
    // Qt's codes of the letter keys are their upper-case letters, as the
    // key codes the rules expect: Qt::Key_R is 82 with any modifier held.
    rules_.PlayAreaKeyDown(key);
}

}  // namespace qx
