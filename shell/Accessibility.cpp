#include "shell/Accessibility.h"

#include <QAccessibleWidget>

#include "controls/zbbutton/ButtonAccessible.h"
#include "platform/skin/SkinAccessible.h"
#include "shell/About.h"
#include "shell/Start.h"
#include "shell/Win.h"
#include "shell/frmMain.h"
#include "shell/widgets/WidgetAccessible.h"

namespace qx {
namespace {

// A window named by its title (the designs pad some titles with blanks).
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle().simplified();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    const auto is = [&](const QMetaObject& type) {
        return className == QLatin1String(type.className());
    };
    if (is(Start::staticMetaObject) || is(frmMain::staticMetaObject))
        return new WindowAccessible(static_cast<QWidget*>(object), QAccessible::Window);
    if (is(Win::staticMetaObject) || is(About::staticMetaObject))
        return new WindowAccessible(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    installButtonAccessibility();
    installSkinAccessibility();
    installWidgetAccessibility();
    QAccessible::installFactory(&windowInterface);
}

}  // namespace qx
