#include "shell/widgets/WidgetAccessible.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/qt/AccessibleClick.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/FrameBox.h"
#include "shell/widgets/ImageBox.h"
#include "shell/widgets/PictureBox.h"

namespace qx {
namespace {

// A frame: a group named by its caption.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(FrameBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const FrameBox*>(widget())->Caption().simplified();
        return QAccessibleWidget::text(t);
    }
};

bool isClass(const QString& className, const QMetaObject& type) {
    return className == QLatin1String(type.className());
}

QAccessibleInterface* widgetInterface(const QString& className, QObject* object) {
    if (isClass(className, DesignLabel::staticMetaObject))
        return new LabelAccessible(static_cast<DesignLabel*>(object));
    if (isClass(className, ImageBox::staticMetaObject) ||
        isClass(className, PictureBox::staticMetaObject))
        return new PictureAccessible(static_cast<QWidget*>(object));
    if (isClass(className, FrameBox::staticMetaObject))
        return new FrameAccessible(static_cast<FrameBox*>(object));
    return nullptr;
}

}  // namespace

// ---- labels -------------------------------------------------------------------

LabelAccessible::LabelAccessible(DesignLabel* label) : QAccessibleWidget(label) {}

DesignLabel* LabelAccessible::label() const {
    return static_cast<DesignLabel*>(widget());
}

void* LabelAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface && role() != QAccessible::Client)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::Role LabelAccessible::role() const {
    if (label()->isLink()) return QAccessible::Link;
    if (label()->Caption().trimmed().isEmpty() && label()->accessibleName().isEmpty())
        return QAccessible::Client;
    return QAccessible::StaticText;
}

QString LabelAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return label()->accessibleName().isEmpty() ? label()->Caption().simplified()
                                                       : label()->accessibleName();
        case QAccessible::Value:
            return label()->Caption();
        default:
            return QAccessibleWidget::text(t);
    }
}

QStringList LabelAccessible::actionNames() const {
    if (!label()->isLink()) return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LabelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && label()->isLink())
        clickLikeTheMouse(label(), 0);
    else
        QAccessibleWidget::doAction(actionName);
}

void LabelAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString LabelAccessible::text(int startOffset, int endOffset) const {
    const QString caption = label()->Caption();
    if (startOffset < 0) startOffset = 0;
    if (endOffset < 0 || endOffset > caption.size()) endOffset = static_cast<int>(caption.size());
    if (startOffset >= endOffset) return {};
    return caption.mid(startOffset, endOffset - startOffset);
}

int LabelAccessible::characterCount() const {
    return static_cast<int>(label()->Caption().size());
}

QPoint LabelAccessible::textOrigin() const {
    const QString caption = label()->Caption();
    const int width = QFontMetrics(label()->font()).horizontalAdvance(caption);
    const int spare = std::max(0, label()->width() - width);
    switch (label()->alignment()) {
        case DesignLabel::Center:
            return {spare / 2, 0};
        case DesignLabel::RightJustify:
            return {spare, 0};
        default:
            return {0, 0};
    }
}

QRect LabelAccessible::characterRect(int offset) const {
    const QString caption = label()->Caption();
    if (offset < 0 || offset >= caption.size()) return {};
    const QFontMetrics metrics(label()->font());
    const QPoint origin = textOrigin();
    const int x = origin.x() + metrics.horizontalAdvance(caption.left(offset));
    const QRect local(x, origin.y(), metrics.horizontalAdvance(caption[offset]), metrics.height());
    return QRect(label()->mapToGlobal(local.topLeft()), local.size());
}

int LabelAccessible::offsetAtPoint(const QPoint& point) const {
    for (int i = 0; i < characterCount(); ++i)
        if (characterRect(i).contains(point)) return i;
    return -1;
}

QString LabelAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// ---- pictures -----------------------------------------------------------------

PictureAccessible::PictureAccessible(QWidget* picture) : QAccessibleWidget(picture) {}

void* PictureAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ImageInterface && role() == QAccessible::Graphic)
        return static_cast<QAccessibleImageInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::Role PictureAccessible::role() const {
    return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Graphic;
}

QString PictureAccessible::imageDescription() const {
    const QString description = text(QAccessible::Description);
    return description.isEmpty() ? text(QAccessible::Name) : description;
}

QSize PictureAccessible::imageSize() const {
    return widget()->size();
}

QPoint PictureAccessible::imagePosition() const {
    return widget()->mapToGlobal(QPoint(0, 0));
}

// ---- installing and announcing --------------------------------------------------

void installWidgetAccessibility() {
    QAccessible::installFactory(&widgetInterface);
}

void announceCaptionChange(DesignLabel* label, const QString& before) {
    if (!QAccessible::isActive()) return;
    if (label->accessibleName().isEmpty()) {
        QAccessibleEvent event(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    // An emptied label is a plain panel again, with no text to update.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    if (!iface || !iface->textInterface()) return;
    QAccessibleTextUpdateEvent event(label, 0, before, label->Caption());
    QAccessible::updateAccessibility(&event);
}

}  // namespace qx
