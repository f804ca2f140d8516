#include "shell/HintBoxDrag.h"

#include <QRubberBand>

#include "engine/PlayRules.h"
#include "shell/widgets/PictureBox.h"

namespace qx {

HintBoxDrag::HintBoxDrag(PictureBox& hintBox, QWidget& playArea, PlayRules& rules)
    : QObject(&hintBox),
      hintBox_(hintBox),
      playArea_(playArea),
      rules_(rules),
      outline_(new QRubberBand(QRubberBand::Rectangle, hintBox.parentWidget())) {
    // Qt's name for a drag outline: assistive technology passes over it.
    outline_->setObjectName(QStringLiteral("qt_rubberband"));
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();
    connect(
        &hintBox, &PictureBox::MouseDown, this,
        [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) { begin(button, at); });
    connect(&hintBox, &PictureBox::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) { follow(at); });
    connect(&hintBox, &PictureBox::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) { end(button, at); });
}

void HintBoxDrag::begin(Qt::MouseButton button, QPoint at) {
    if (dragging() || button == Qt::NoButton) return;
    button_ = button;
    grab_ = at;
    rules_.HintBoxMouseDown(at.x(), at.y());
    outline_->setGeometry(hintBox_.geometry());
    outline_->show();
    outline_->raise();
}

void HintBoxDrag::follow(QPoint at) {
    if (!dragging()) return;
    outline_->move(hintBox_.mapToParent(at) - grab_);
}

void HintBoxDrag::end(Qt::MouseButton button, QPoint at) {
    if (!dragging() || button != button_) return;
    button_ = Qt::NoButton;
    outline_->hide();
    const QPoint inClient = hintBox_.mapToParent(at);
    if (hintBox_.parentWidget()->childAt(inClient) != &playArea_) return;
    const QPoint drop = playArea_.mapFromParent(inClient);
    const PixelPoint corner = rules_.HintBoxDropPosition(drop.x(), drop.y());
    // The rules work in play-area pixels; the box lives in the client area.
    // So it lands just where its outline was let go.
    hintBox_.move(playArea_.mapToParent(QPoint(corner.x, corner.y)));
}

}  // namespace qx
