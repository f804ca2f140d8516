#include "shell/ControlFactory.h"

#include <QCursor>
#include <QJsonArray>
#include <QPixmap>

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/DesignFont.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/FrameBox.h"
#include "shell/widgets/ImageBox.h"
#include "shell/widgets/PictureBox.h"
#include "shell/widgets/ShapePanel.h"

namespace qx {
namespace {

constexpr long kCustomPointer = 99;

QWidget* createButton(const ControlDesign& design, QWidget* container) {
    const PropertyBag& p = design.properties;
    auto* button = new zbButtons_H(container);
    // Sized first, as a container sizes its controls before they load: the
    // face is then built once, for its real size.
    button->setGeometry(design.rect);
    button->ReadProperties(p);
    // The form's Enter and Esc buttons: the form's settings, kept with the button.
    if (p.boolean(QStringLiteral("Default"), false)) button->setDefault(true);
    if (p.boolean(QStringLiteral("Cancel"), false)) button->setCancel(true);
    return button;
}

QWidget* createShape(const ControlDesign& design, QWidget* container) {
    const PropertyBag& p = design.properties;
    auto* shape = new ShapePanel(container);
    shape->setShape(p.integer(QStringLiteral("Shape"), ShapePanel::Rectangle));
    shape->setFillColor(p.color(QStringLiteral("FillColor"), oleRgb(255, 255, 255)));
    shape->setBorderColor(p.color(QStringLiteral("BorderColor"), oleRgb(0, 0, 0)));
    return shape;
}

QWidget* createLabel(const ControlDesign& design, QWidget* container) {
    const PropertyBag& p = design.properties;
    auto* label = new DesignLabel(container);
    label->setCaption(p.text(QStringLiteral("Caption")));
    label->setForeColor(p.color(QStringLiteral("ForeColor"), kButtonText));
    label->setBackColor(p.color(QStringLiteral("BackColor"), kButtonFace));
    label->setOpaque(p.integer(QStringLiteral("BackStyle"), 1) != 0);
    label->setAlignment(p.integer(QStringLiteral("Alignment"), DesignLabel::LeftJustify));
    return label;
}

QWidget* createImage(const ControlDesign& design, QWidget* container) {
    const PropertyBag& p = design.properties;
    auto* image = new ImageBox(container);
    image->setPicture(p.picture(QStringLiteral("Picture")));
    return image;
}

QWidget* createPictureBox(const ControlDesign& design, QWidget* container) {
    const PropertyBag& p = design.properties;
    auto* box = new PictureBox(container);
    box->setBackColor(p.color(QStringLiteral("BackColor"), kButtonFace));
    box->setBorder(p.integer(QStringLiteral("BorderStyle"), 1) != 0);
    box->setPicture(p.picture(QStringLiteral("Picture")));
    return box;
}

QWidget* createFrame(const ControlDesign& design, QWidget* container) {
    const PropertyBag& p = design.properties;
    auto* frame = new FrameBox(container);
    frame->setCaption(p.text(QStringLiteral("Caption")));
    frame->setBackColor(p.color(QStringLiteral("BackColor"), kButtonFace));
    return frame;
}

QPoint hotSpot(const PropertyBag& p) {
    return {static_cast<int>(p.integer(QStringLiteral("MouseIconHotSpotX"), 0)),
            static_cast<int>(p.integer(QStringLiteral("MouseIconHotSpotY"), 0))};
}

void applyCommonSettings(const ControlDesign& design, QWidget* widget) {
    const PropertyBag& p = design.properties;
    const bool isButton = design.kind == QLatin1String("zbButtons_H");
    widget->setObjectName(design.key());
    if (!isButton) widget->setGeometry(design.rect);  // a button is placed before it loads
    if (p.contains(QStringLiteral("Font")) && !isButton)
        widget->setFont(designFont(p.font(QStringLiteral("Font"))));
    const QString tip = p.text(QStringLiteral("ToolTipText"));
    if (!tip.isEmpty()) widget->setToolTip(tip);
    // What a screen reader calls a control that shows no text of its own.
    const QString spokenName = p.text(QStringLiteral("AccessibleName"));
    if (!spokenName.isEmpty()) widget->setAccessibleName(spokenName);
    // A button keeps its own pointer ("mPointer", "mIcon").
    if (!isButton && p.integer(QStringLiteral("MousePointer"), 0) == kCustomPointer) {
        const QImage icon = p.picture(QStringLiteral("MouseIcon"));
        const QPoint spot = hotSpot(p);
        if (!icon.isNull())
            widget->setCursor(QCursor(QPixmap::fromImage(icon), spot.x(), spot.y()));
    }
    if (!isButton) widget->setEnabled(p.boolean(QStringLiteral("Enabled"), true));
    widget->setVisible(p.boolean(QStringLiteral("Visible"), true));
}

}  // namespace

bool isNonVisualKind(const QString& kind) {
    return kind == QLatin1String("Timer") || kind == QLatin1String("CommonDialog") ||
           kind == QLatin1String("WorkSurface");
}

QWidget* createControl(const ControlDesign& design, QWidget* container) {
    using Factory = QWidget* (*)(const ControlDesign&, QWidget*);
    static const QHash<QString, Factory> factories{
        {QStringLiteral("zbButtons_H"), &createButton},    {QStringLiteral("Shape"), &createShape},
        {QStringLiteral("Label"), &createLabel},           {QStringLiteral("Image"), &createImage},
        {QStringLiteral("PictureBox"), &createPictureBox}, {QStringLiteral("Frame"), &createFrame},
    };
    const Factory factory = factories.value(design.kind, nullptr);
    if (!factory)
        throw DesignError(design.properties.owner() + QStringLiteral(": unknown kind \"") +
                          design.kind + QLatin1Char('"'));
    QWidget* widget = factory(design, container);
    applyCommonSettings(design, widget);
    return widget;
}

}  // namespace qx
