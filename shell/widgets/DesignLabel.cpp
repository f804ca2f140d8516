#include "shell/widgets/DesignLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "shell/widgets/WidgetAccessible.h"

namespace qx {

DesignLabel::DesignLabel(QWidget* parent) : QWidget(parent) {}

void DesignLabel::setCaption(const QString& caption) {
    if (caption == caption_) return;
    const QString before = std::exchange(caption_, caption);
    update();
    announceCaptionChange(this, before);
}

void DesignLabel::setForeColor(OleColor color) {
    fore_ = color;
    update();
}

void DesignLabel::setBackColor(OleColor color) {
    back_ = color;
    update();
}

void DesignLabel::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void DesignLabel::setAlignment(long alignment) {
    if (alignment < LeftJustify || alignment > Center) return;
    alignment_ = alignment;
    update();
}

void DesignLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_) painter.fillRect(rect(), toQColor(back_));
    if (caption_.isEmpty()) return;
    const int horizontal = alignment_ == Center         ? Qt::AlignHCenter
                           : alignment_ == RightJustify ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    painter.setPen(toQColor(fore_));
    painter.setFont(font());
    painter.drawText(rect(), horizontal | Qt::AlignTop | Qt::TextWordWrap, caption_);
}

void DesignLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace qx
