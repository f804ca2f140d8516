#pragma once

#include <QObject>
#include <QPoint>

class QRubberBand;
class QWidget;

namespace qx {

class PictureBox;
class PlayRules;

// Dragging the hint box by hand: a press with any button on the box records
// the grab point and shows the box's outline, which follows the pointer until
// that button is released. Released over the play area, the box moves to
// where its outline was, the grab point under the pointer; released anywhere
// else (the box itself included), it stays.
class HintBoxDrag : public QObject {
    Q_OBJECT

public:
    // `hintBox` and `playArea` are children of the same client area.
    HintBoxDrag(PictureBox& hintBox, QWidget& playArea, PlayRules& rules);

    bool dragging() const { return button_ != Qt::NoButton; }
    // The outline shown while dragging, in the client area.
    const QRubberBand& outline() const { return *outline_; }

private:
    void begin(Qt::MouseButton button, QPoint at);
    void follow(QPoint at);
    void end(Qt::MouseButton button, QPoint at);

    PictureBox& hintBox_;
    QWidget& playArea_;
    PlayRules& rules_;
    QRubberBand* outline_;
    Qt::MouseButton button_ = Qt::NoButton;
    QPoint grab_;
};

}  // namespace qx
