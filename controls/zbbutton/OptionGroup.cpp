#include "controls/zbbutton/OptionGroup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QVariant>

#include "controls/zbbutton/zbButtons_H.h"

namespace qx::OptionGroup {
namespace {

using Member = QPointer<zbButtons_H>;

constexpr char kCount[] = "zb_OptCount";

QByteArray memberName(int i) {
    return QByteArrayLiteral("zb_Obj") + QByteArray::number(i);
}

int count(const QWidget* container) {
    return container->property(kCount).toInt();
}

zbButtons_H* member(const QWidget* container, int i) {
    return container->property(memberName(i).constData()).value<Member>().data();
}

// Moves the focus through the group of the focused option button.
class ArrowKeys : public QObject {
public:
    explicit ArrowKeys(QWidget* container) : QObject(container) {
        setObjectName(QStringLiteral("zb_ArrowKeys"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
        const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
        if (!forward && !back) return false;
        const auto group = members(static_cast<QWidget*>(watched));
        const auto* focus = qobject_cast<zbButtons_H*>(QApplication::focusWidget());
        const auto at = std::find(group.begin(), group.end(), focus);
        if (at == group.end()) return false;
        const auto n = static_cast<int>(group.size());
        int i = static_cast<int>(at - group.begin());
        for (int step = 1; step < n; ++step) {
            i = (i + (forward ? 1 : n - 1)) % n;
            if (group[i]->isEnabled() && group[i]->isVisible()) {
                group[i]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                break;
            }
        }
        return true;
    }
};

}  // namespace

bool toggle(QWidget* container, zbButtons_H* self, int action) {
    if (!container || !self) return false;
    const int n = count(container);
    if ((action == Join || n > 0) && self->Value()) {
        for (int i = 1; i <= n; ++i) {
            zbButtons_H* other = member(container, i);
            if (other && other != self) other->setValue(false);
        }
    }
    switch (action) {
        case Join:
            container->setProperty(kCount, n + 1);
            container->setProperty(memberName(n + 1).constData(),
                                   QVariant::fromValue(Member(self)));
            break;
        case Leave:
            leave(container, self);
            break;
        case Ask:
            for (int i = 1; i <= n; ++i) {
                const zbButtons_H* m = member(container, i);
                if (m && m->Value()) return true;
            }
            return false;
        default:
            break;
    }
    return false;
}

void leave(QWidget* container, const zbButtons_H* self) {
    if (!container) return;
    const int n = count(container);
    int at = 0;
    for (int i = 1; i <= n && at == 0; ++i)
        if (member(container, i) == self) at = i;
    if (at == 0) return;  // not a member: nobody else is taken out
    for (int i = at + 1; i <= n; ++i)
        container->setProperty(memberName(i - 1).constData(),
                               container->property(memberName(i).constData()));
    container->setProperty(memberName(n).constData(), QVariant());
    container->setProperty(kCount, n > 1 ? QVariant(n - 1) : QVariant());
}

std::vector<zbButtons_H*> members(const QWidget* container) {
    std::vector<zbButtons_H*> result;
    if (!container) return result;
    const int n = count(container);
    for (int i = 1; i <= n; ++i)
        if (zbButtons_H* m = member(container, i)) result.push_back(m);
    return result;
}

void installArrowKeys(QWidget* container) {
    if (!container ||
        container->findChild<QObject*>(QStringLiteral("zb_ArrowKeys"), Qt::FindDirectChildrenOnly))
        return;
    container->installEventFilter(new ArrowKeys(container));
}

}  // namespace qx::OptionGroup
