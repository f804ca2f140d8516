#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "controls/zbbutton/ButtonAccessible.h"

namespace qx {
namespace {

QAccessibleInterface* interfaceOf(QWidget* w) {
    installButtonAccessibility();
    return QAccessible::queryAccessibleInterface(w);
}

TEST(ButtonAccessible, SpokenCaption) {
    const struct {
        const char* caption;
        const char* spoken;
    } cases[] = {
        {" NEW  GAME", "NEW GAME"},
        {"&Start", "Start"},
        {"Fish && &Chips", "Fish & Chips"},
        {"Two||Lines", "Two Lines"},
        {"Last&", "Last"},
        {"A | B", "A | B"},
        {"&&&&", "&&"},
        {"&||x", "x"},
        {"", ""},
        {"Odd |||", "Odd |"},
        {"tab\there", "tab here"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenCaption(QString::fromUtf8(c.caption)), QString::fromUtf8(c.spoken))
            << c.caption;
}

TEST(ButtonAccessible, RoleAndStateFollowModeAndValue) {
    const struct {
        long mode;
        bool value;
        QAccessible::Role role;
        bool checkable;
        const char* action;
    } cases[] = {
        {zbButtons_H::CommandMode, false, QAccessible::Button, false, "Press"},
        {zbButtons_H::CheckMode, false, QAccessible::CheckBox, true, "Toggle"},
        {zbButtons_H::CheckMode, true, QAccessible::CheckBox, true, "Toggle"},
        {zbButtons_H::OptionMode, false, QAccessible::RadioButton, true, "Toggle"},
        {zbButtons_H::OptionMode, true, QAccessible::RadioButton, true, "Toggle"},
    };
    for (const auto& c : cases) {
        QWidget form;
        auto* b = new zbButtons_H(&form);
        b->setMode(c.mode);
        b->setValue(c.value);
        QAccessibleInterface* iface = interfaceOf(b);
        ASSERT_NE(iface, nullptr);
        const QAccessible::State s = iface->state();
        EXPECT_EQ(iface->role(), c.role) << c.mode;
        EXPECT_EQ(bool(s.checkable), c.checkable) << c.mode;
        EXPECT_EQ(bool(s.checked), c.value) << c.mode;
        EXPECT_TRUE(s.focusable);
        EXPECT_FALSE(s.disabled);
        EXPECT_FALSE(s.pressed);
        EXPECT_FALSE(s.defaultButton);
        EXPECT_EQ(iface->actionInterface()->actionNames().value(0), QString::fromLatin1(c.action));
    }
}

TEST(ButtonAccessible, NameComesFromTheWindowThenTheCaptionThenTheToolTip) {
    QWidget form;
    auto* b = new zbButtons_H(&form);
    b->setCaption(QStringLiteral("&Scatter||now"));
    b->setToolTip(QStringLiteral("Scatter Puzzle"));
    QAccessibleInterface* iface = interfaceOf(b);
    EXPECT_EQ(iface->text(QAccessible::Name), "Scatter now");
    EXPECT_EQ(iface->text(QAccessible::Description), "Scatter Puzzle");
    EXPECT_EQ(iface->text(QAccessible::Accelerator), "Alt+S");
    EXPECT_EQ(
        iface->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        QStringList{"Alt+S"});

    b->setCaption(QString());  // the access key stays, the caption goes
    EXPECT_EQ(iface->text(QAccessible::Name), "Scatter Puzzle");
    EXPECT_EQ(iface->text(QAccessible::Description), "");
    b->setAccessibleName(QStringLiteral("Scatter the pieces"));
    EXPECT_EQ(iface->text(QAccessible::Name), "Scatter the pieces");
    EXPECT_EQ(iface->text(QAccessible::Description), "Scatter Puzzle");
}

TEST(ButtonAccessible, StateShowsPressedDefaultFocusedAndDisabled) {
    // Before the window shows: showing it asks for the button's interface,
    // and Qt keeps the one it got first.
    installButtonAccessibility();
    QWidget form;
    form.resize(200, 100);
    auto* b = new zbButtons_H(&form);
    b->setGeometry(10, 10, 80, 25);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QAccessibleInterface* iface = interfaceOf(b);

    b->setDefault(true);
    b->setFocus();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(40, 12));
    QAccessible::State s = iface->state();
    EXPECT_TRUE(s.pressed);
    EXPECT_TRUE(s.defaultButton);
    EXPECT_TRUE(s.focused);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 12));
    EXPECT_FALSE(iface->state().pressed);

    b->setEnabled(false);
    s = iface->state();
    EXPECT_TRUE(s.disabled);
    EXPECT_FALSE(s.focused);
}

TEST(ButtonAccessible, CheckedChangeIsTakenOnceAndOnlyWhenReal) {
    QWidget form;
    auto* b = new zbButtons_H(&form);
    b->setMode(zbButtons_H::CheckMode);
    auto* iface = dynamic_cast<ButtonAccessible*>(interfaceOf(b));
    ASSERT_NE(iface, nullptr);
    b->setValue(false);  // no change
    EXPECT_FALSE(iface->takeCheckedChange());
    b->setValue(true);
    EXPECT_TRUE(iface->takeCheckedChange());
    EXPECT_FALSE(iface->takeCheckedChange());
    // Loaded or set unseen, then read by a reader: nothing left to tell.
    b->setValue(false);
    EXPECT_FALSE(iface->state().checked);
    EXPECT_FALSE(iface->takeCheckedChange());
}

TEST(ButtonAccessible, ActionClicksAsTheMouseDoes) {
    const struct {
        long mode;
        bool before;
        bool after;
        QStringList events;
    } cases[] = {
        {zbButtons_H::CommandMode, false, false, {"MouseDown 1", "MouseUp 1", "Click"}},
        {zbButtons_H::CheckMode, false, true, {"MouseDown 1", "MouseUp 1", "Click"}},
        {zbButtons_H::CheckMode, true, false, {"MouseDown 1", "MouseUp 1", "Click"}},
        {zbButtons_H::OptionMode, false, true, {"MouseDown 1", "MouseUp 1", "Click"}},
        // A selected option button stays selected and raises no click.
        {zbButtons_H::OptionMode, true, true, {"MouseDown 1", "MouseUp 1"}},
    };
    for (const auto& c : cases) {
        QWidget form;
        auto* b = new zbButtons_H(&form);
        b->setGeometry(0, 0, 80, 25);
        b->setMode(c.mode);
        b->setValue(c.before);
        QStringList events;
        QObject::connect(b, &zbButtons_H::MouseDown, [&](std::int16_t button, auto...) {
            events << QStringLiteral("MouseDown %1").arg(button);
        });
        QObject::connect(b, &zbButtons_H::MouseUp, [&](std::int16_t button, auto...) {
            events << QStringLiteral("MouseUp %1").arg(button);
        });
        QObject::connect(b, &zbButtons_H::Click, [&] { events << QStringLiteral("Click"); });
        QAccessibleActionInterface* actions = interfaceOf(b)->actionInterface();

        actions->doAction(actions->actionNames().value(0));
        // Shown pressed at once; the release follows from the event loop.
        EXPECT_TRUE(b->state().hasFlag(kPressed));
        EXPECT_EQ(events, QStringList{"MouseDown 1"});
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), c.events.size(), 2000);
        QTest::qWait(ButtonAccessible::kActionPressTime);
        EXPECT_EQ(events, c.events) << c.mode;
        EXPECT_EQ(b->Value(), c.after) << c.mode;
        EXPECT_FALSE(b->state().hasFlag(kPressed));
    }
}

TEST(ButtonAccessible, ActionOnADisabledButtonDoesNothing) {
    QWidget form;
    auto* b = new zbButtons_H(&form);
    b->setMode(zbButtons_H::CheckMode);
    b->setEnabled(false);
    int clicks = 0;
    QObject::connect(b, &zbButtons_H::Click, [&] { ++clicks; });
    interfaceOf(b)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTest::qWait(2 * ButtonAccessible::kActionPressTime);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b->Value());
    EXPECT_FALSE(b->state().hasFlag(kPressed));
}

TEST(ButtonAccessible, ButtonGoneBeforeTheReleaseIsSafe) {
    auto form = std::make_unique<QWidget>();
    auto* b = new zbButtons_H(form.get());
    interfaceOf(b)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    form.reset();
    QTest::qWait(2 * ButtonAccessible::kActionPressTime);  // nothing left to release
}

}  // namespace
}  // namespace qx
