#include "shell/FormClient.h"

#include <QPainter>
#include <QVBoxLayout>

#include "controls/zbbutton/AmbientProperties.h"
#include "controls/zbbutton/ButtonPersistence.h"
#include "platform/qt/HighDpi.h"
#include "shell/ControlFactory.h"

namespace qx {

FormDesign loadCompiledDesign(const QString& form) {
    return loadFormDesign(QStringLiteral(":/designs/") + form + QStringLiteral(".json"));
}

FormClient* FormClient::fillWindow(QWidget* window, FormDesign design) {
    auto* client = new FormClient(std::move(design), window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

FormClient::FormClient(FormDesign design, QWidget* parent)
    : QWidget(parent), design_(std::move(design)) {
    const PropertyBag& p = design_.properties;
    const long width = p.integer(QStringLiteral("ClientWidth"), -1);
    const long height = p.integer(QStringLiteral("ClientHeight"), -1);
    if (width <= 0 || height <= 0)
        throw DesignError(p.owner() +
                          QStringLiteral(": ClientWidth and ClientHeight must be positive"));
    setObjectName(design_.name);
    setFixedSize(static_cast<int>(width), static_cast<int>(height));
    setAutoFillBackground(false);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, toQColor(p.color(QStringLiteral("BackColor"), kButtonFace)));
    setPalette(ground);
    if (p.contains(QStringLiteral("Font"))) {
        setFont(designFont(p.font(QStringLiteral("Font"))));
        // The font entry itself, for controls that save the container's font.
        setProperty(kDesignFontProperty, fontToJson(p.font(QStringLiteral("Font"))).toObject());
    }
    picture_ = p.picture(QStringLiteral("Picture"));
    build(design_.controls, this);
}

void FormClient::build(const std::vector<ControlDesign>& controls, QWidget* container) {
    for (const ControlDesign& c : controls) {
        if (isNonVisualKind(c.kind)) continue;
        QWidget* widget = createControl(c, container);
        controls_.insert(c.key(), widget);
        build(c.children, widget);
    }
}

QWidget* FormClient::control(const QString& name, int index) const {
    return controls_.value(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index),
                           nullptr);
}

void FormClient::missing(const QString& name, int index) const {
    const QString key = index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
    throw DesignError(design_.name + QStringLiteral(": no control ") + key +
                      QStringLiteral(" of the expected kind"));
}

void FormClient::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    drawCrisp(painter, QPoint(0, 0), picture_);
}

}  // namespace qx
