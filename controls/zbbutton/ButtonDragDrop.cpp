// The six drag-and-drop events, raised from Qt's drag and drop.
#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>

#include "controls/zbbutton/ButtonKeys.h"
#include "controls/zbbutton/zbButtons_H.h"

namespace qx {
namespace {

// Effects as the events carry them: copy 1, move 2 (the same bits as Qt's).
long effectOf(Qt::DropActions actions) {
    return static_cast<long>(actions & (Qt::CopyAction | Qt::MoveAction));
}

// Clipboard formats: text 1, bitmap 2, files 15.
std::int16_t dataFormat(const QString& mimeType) {
    if (mimeType.startsWith(QLatin1String("text/uri-list"))) return 15;
    if (mimeType.startsWith(QLatin1String("text/"))) return 1;
    if (mimeType.startsWith(QLatin1String("image/"))) return 2;
    return 0;
}

// Data that asks the button for a format it was not given yet.
class ButtonMimeData : public QMimeData {
public:
    explicit ButtonMimeData(zbButtons_H* source) : source_(source) {}

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (!hasFormat(mimeType) && source_) {
            auto* self = const_cast<ButtonMimeData*>(this);
            emit source_->OLESetData(self, dataFormat(mimeType));
        }
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    QPointer<zbButtons_H> source_;
};

}  // namespace

void zbButtons_H::dragOver(QDragMoveEvent* event, std::int16_t state) {
    emit OLEDragOver(event->mimeData(), effectOf(event->possibleActions()),
                     mouseButtonCode(event->buttons()), shiftState(event->modifiers()),
                     static_cast<float>(event->position().x()),
                     static_cast<float>(event->position().y()), state);
    event->acceptProposedAction();
}

void zbButtons_H::setOLEDropMode(int mode) {
    setAcceptDrops(mode == 1);
}

void zbButtons_H::OLEDrag() {
    auto* data = new ButtonMimeData(this);
    QDrag drag(this);
    drag.setMimeData(data);
    connect(&drag, &QDrag::actionChanged, this,
            [this, &drag](Qt::DropAction action) { giveFeedback(drag, action); });
    emit OLEStartDrag(data, effectOf(Qt::CopyAction | Qt::MoveAction));
    const Qt::DropAction result = drag.exec(Qt::CopyAction | Qt::MoveAction);
    emit OLECompleteDrag(effectOf(result));
}

void zbButtons_H::giveFeedback(QDrag& drag, Qt::DropAction action) {
    bool defaultCursors = true;
    emit OLEGiveFeedback(effectOf(action), defaultCursors);
    if (defaultCursors) {
        drag.setDragCursor(QPixmap(), action);
        return;
    }
    // The program's own cursor: the button's pointer, shown at once. A custom
    // one (MouseIcon) stays the drag's cursor for this effect; a standard
    // shape shows until the drag sets its cursor again.
    const QCursor own = cursor();
    if (!own.pixmap().isNull()) drag.setDragCursor(own.pixmap(), action);
    if (QGuiApplication::overrideCursor()) QGuiApplication::changeOverrideCursor(own);
}

void zbButtons_H::dragEnterEvent(QDragEnterEvent* event) {
    dragOver(event, kDragEnter);
}

void zbButtons_H::dragMoveEvent(QDragMoveEvent* event) {
    dragOver(event, kDragOver);
}

void zbButtons_H::dragLeaveEvent(QDragLeaveEvent* event) {
    const QPointF at = mapFromGlobal(QCursor::pos());
    emit OLEDragOver(nullptr, 0, mouseButtonCode(QApplication::mouseButtons()),
                     shiftState(QApplication::keyboardModifiers()), static_cast<float>(at.x()),
                     static_cast<float>(at.y()), kDragLeave);
    event->accept();
}

void zbButtons_H::dropEvent(QDropEvent* event) {
    emit OLEDragDrop(event->mimeData(), effectOf(event->possibleActions()),
                     mouseButtonCode(event->buttons()), shiftState(event->modifiers()),
                     static_cast<float>(event->position().x()),
                     static_cast<float>(event->position().y()));
    event->acceptProposedAction();
}

}  // namespace qx
