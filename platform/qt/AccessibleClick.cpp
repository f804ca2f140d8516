#include "platform/qt/AccessibleClick.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace qx {
namespace {

void sendLeftButton(QWidget* widget, QEvent::Type type) {
    const QPointF centre = QRectF(widget->rect()).center();
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

void clickLikeTheMouse(QWidget* widget, int pressTime) {
    if (!widget || !widget->isEnabled()) return;
    sendLeftButton(widget, QEvent::MouseButtonPress);
    // Tied to the widget: gone before the release, it is not released.
    QTimer::singleShot(pressTime, widget,
                       [widget] { sendLeftButton(widget, QEvent::MouseButtonRelease); });
}

}  // namespace qx
