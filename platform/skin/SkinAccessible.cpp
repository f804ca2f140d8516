#include "platform/skin/SkinAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <array>

#include "platform/skin/SkinChrome.h"

namespace qx {
namespace {

using Glyph = SkinChrome::Glyph;
constexpr std::array<Glyph, 3> kGlyphs{Glyph::Minimise, Glyph::Maximise, Glyph::Close};

QRect onScreen(const QWidget* widget, const QRect& local) {
    return {widget->mapToGlobal(local.topLeft()), local.size()};
}

// One glyph of the caption bar: drawn, not a widget of its own.
class GlyphAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    GlyphAccessible(SkinChrome* chrome, Glyph glyph) : chrome_(chrome), glyph_(glyph) {}

    bool isValid() const override { return chrome_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return chrome_ ? chrome_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return chrome_ ? QAccessible::queryAccessibleInterface(chrome_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? SkinChrome::glyphName(glyph_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return chrome_ ? onScreen(chrome_, chrome_->glyphRect(glyph_)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.disabled = !SkinChrome::isEnabled(glyph_);
        s.pressed = chrome_ && chrome_->pressedGlyph() == glyph_;
        s.invisible = !chrome_ || !chrome_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override {
        return SkinChrome::isEnabled(glyph_) ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !chrome_ || !SkinChrome::isEnabled(glyph_)) return;
        // Closing may delete the window: after the caller has its answer.
        QPointer<SkinChrome> chrome = chrome_;
        const Glyph glyph = glyph_;
        QTimer::singleShot(0, chrome, [chrome, glyph] { chrome->activateGlyph(glyph); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<SkinChrome> chrome_;
    Glyph glyph_;
};

// The caption bar: named by the window's title, the glyphs its children.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(SkinChrome* chrome)
        : QAccessibleWidget(chrome, QAccessible::TitleBar) {
        for (std::size_t i = 0; i < kGlyphs.size(); ++i)
            glyphIds_[i] =
                QAccessible::registerAccessibleInterface(new GlyphAccessible(chrome, kGlyphs[i]));
    }
    ~CaptionAccessible() override {
        for (QAccessible::Id id : glyphIds_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->window()->windowTitle().simplified();
        return QAccessibleWidget::text(t);
    }
    QRect rect() const override {
        const auto* chrome = static_cast<const SkinChrome*>(widget());
        return onScreen(chrome, chrome->captionRect());
    }
    int childCount() const override { return static_cast<int>(glyphIds_.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return QAccessible::accessibleInterface(glyphIds_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y)) return child(i);
        return nullptr;
    }

private:
    std::array<QAccessible::Id, kGlyphs.size()> glyphIds_{};
};

QAccessibleInterface* skinInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(SkinChrome::staticMetaObject.className())) return nullptr;
    return new CaptionAccessible(static_cast<SkinChrome*>(object));
}

}  // namespace

void installSkinAccessibility() {
    QAccessible::installFactory(&skinInterface);
}

}  // namespace qx
