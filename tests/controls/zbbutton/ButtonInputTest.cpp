#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <array>

#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "controls/zbbutton/OptionGroup.h"

namespace qx {
namespace {

// A shown, active form: focus, shortcuts and the window under the cursor work.
struct ShownForm : QWidget {
    ShownForm() {
        resize(300, 200);
        show();
        QApplication::setActiveWindow(this);
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

zbButtons_H* option(QWidget& container, int y, long mode = zbButtons_H::OptionMode) {
    auto* b = new zbButtons_H(&container);
    b->setGeometry(10, y, 80, 20);
    b->setMode(mode);
    b->show();
    return b;
}

// The events a button raised, by name, in order.
struct EventLog {
    QStringList names;
    explicit EventLog(zbButtons_H* b) {
        QObject::connect(b, &zbButtons_H::Click, [this] { names << QStringLiteral("Click"); });
        QObject::connect(b, &zbButtons_H::KeyDown, [this](std::int16_t code, std::int16_t) {
            names << QStringLiteral("KeyDown %1").arg(code);
        });
        QObject::connect(b, &zbButtons_H::KeyUp, [this](std::int16_t code, std::int16_t) {
            names << QStringLiteral("KeyUp %1").arg(code);
        });
        QObject::connect(b, &zbButtons_H::MouseOnButton,
                         [this](bool on) { names << QStringLiteral("MouseOnButton %1").arg(on); });
    }
};

QVariant memberAt(const QWidget& container, int i) {
    return container.property(QByteArrayLiteral("zb_Obj").append(QByteArray::number(i)));
}
zbButtons_H* memberButton(const QWidget& container, int i) {
    return memberAt(container, i).value<QPointer<zbButtons_H>>().data();
}

TEST(ButtonOptionGroups, ThreeOnOneFormOneOnAnother) {
    QWidget form, other;
    std::array<zbButtons_H*, 3> b{option(form, 0), option(form, 20), option(form, 40)};
    zbButtons_H* elsewhere = option(other, 0);
    elsewhere->setValue(true);
    EXPECT_EQ(form.property("zb_OptCount").toInt(), 3);
    EXPECT_EQ(memberButton(form, 2), b[1]);

    b[0]->setValue(true);
    b[2]->setValue(true);
    QTest::mouseClick(b[1], Qt::LeftButton);
    EXPECT_FALSE(b[0]->Value());
    EXPECT_TRUE(b[1]->Value());
    EXPECT_FALSE(b[2]->Value());
    EXPECT_TRUE(elsewhere->Value());
    EXPECT_TRUE(OptionGroup::toggle(&form, b[0], OptionGroup::Ask));

    // Taking the middle one out.
    b[1]->setMode(zbButtons_H::CheckMode);
    EXPECT_EQ(form.property("zb_OptCount").toInt(), 2);
    EXPECT_EQ(memberButton(form, 1), b[0]);
    EXPECT_EQ(memberButton(form, 2), b[2]);
    EXPECT_FALSE(memberAt(form, 3).isValid());
    EXPECT_TRUE(b[1]->Value()) << "now a check button that keeps its value";

    // Leaving twice, or a button that never joined, takes nobody else out.
    OptionGroup::toggle(&form, b[1], OptionGroup::Leave);
    EXPECT_EQ(OptionGroup::members(&form), (std::vector<zbButtons_H*>{b[0], b[2]}));

    // A destroyed button leaves; the last one out removes the count.
    delete b[0];
    EXPECT_EQ(OptionGroup::members(&form), std::vector<zbButtons_H*>{b[2]});
    b[2]->setMode(zbButtons_H::CommandMode);
    EXPECT_FALSE(form.property("zb_OptCount").isValid());
    EXPECT_FALSE(memberAt(form, 1).isValid());
}

TEST(ButtonOptionGroups, TabbingIntoAGroupSelectsOnlyWhenNoneIs) {
    ShownForm form;
    zbButtons_H* before = option(form, 0, zbButtons_H::CommandMode);
    zbButtons_H* first = option(form, 30);
    zbButtons_H* second = option(form, 50);
    before->setFocus();
    QTest::keyClick(&form, Qt::Key_Tab);
    ASSERT_TRUE(first->hasFocus());
    EXPECT_TRUE(first->Value()) << "focus selects when the group has no selection";

    before->setFocus();
    second->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(second->Value()) << "a group with a selection keeps it";
    EXPECT_TRUE(first->Value());
}

TEST(ButtonOptionGroups, ArrowKeysMoveThroughTheGroupAndRaiseNoKeyEvents) {
    ShownForm form;
    std::array<zbButtons_H*, 3> b{option(form, 0), option(form, 20), option(form, 40)};
    b[0]->setFocus();
    ASSERT_TRUE(b[0]->Value());
    EventLog log(b[0]);
    EventLog next(b[1]);
    QTest::keyPress(b[0], Qt::Key_Down);
    QApplication::processEvents();  // the container gets the posted key
    ASSERT_TRUE(b[1]->hasFocus());
    QTest::keyRelease(b[1], Qt::Key_Down);
    EXPECT_TRUE(b[1]->Value()) << "the option reached with an arrow is selected";
    EXPECT_FALSE(b[0]->Value());
    EXPECT_EQ(log.names, QStringList());
    EXPECT_EQ(next.names, QStringList{QStringLiteral("Click")});

    QTest::keyClick(b[1], Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_TRUE(b[0]->hasFocus());
    QTest::keyClick(b[0], Qt::Key_Left);
    QApplication::processEvents();
    EXPECT_TRUE(b[2]->hasFocus()) << "the group wraps round";

    // A held key: its repeated key-downs move on, one step each.
    QTest::keyPress(b[2], Qt::Key_Up);
    QApplication::processEvents();
    ASSERT_TRUE(b[1]->hasFocus());
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(b[1], &repeat);
    QApplication::processEvents();
    EXPECT_TRUE(b[0]->hasFocus()) << "a repeated key-down reaches the container too";
    QTest::keyRelease(b[0], Qt::Key_Up);
}

TEST(ButtonKeys, SpaceBarCycle) {
    struct Case {
        long mode;
        QStringList events;
        bool value;
    };
    const Case cases[] = {
        {zbButtons_H::CommandMode, {"KeyDown 32", "KeyDown 32", "Click", "KeyUp 32"}, false},
        {zbButtons_H::CheckMode, {"KeyDown 32", "KeyDown 32", "KeyUp 32", "Click"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        QWidget form;
        zbButtons_H* b = option(form, 0, c.mode);
        EventLog log(b);
        QTest::keyPress(b, Qt::Key_Space);
        EXPECT_TRUE(b->state().hasFlag(kPressed));
        const int painted = b->RedrawCount();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        QApplication::sendEvent(b, &repeat);
        EXPECT_EQ(b->RedrawCount(), painted) << "holding space does not press again";
        QTest::keyRelease(b, Qt::Key_Space);
        EXPECT_EQ(log.names, c.events);
        EXPECT_EQ(b->Value(), c.value);
        EXPECT_FALSE(b->state().hasFlag(kPressed));
    }
}

TEST(ButtonKeys, ShiftIsSwallowedAndOtherKeysRaiseTheirEvents) {
    QWidget form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CommandMode);
    EventLog log(b);
    QTest::keyClick(b, Qt::Key_Shift);
    QTest::keyClick(b, Qt::Key_A);
    EXPECT_EQ(log.names, (QStringList{"KeyDown 16", "KeyDown 65", "KeyUp 65"}));
}

TEST(ButtonKeys, EnterAndEscapeReachTheFormsDefaultAndCancelButtons) {
    ShownForm form;
    zbButtons_H* ok = option(form, 0, zbButtons_H::CommandMode);
    zbButtons_H* cancel = option(form, 30, zbButtons_H::CommandMode);
    zbButtons_H* check = option(form, 60, zbButtons_H::CheckMode);
    QWidget elsewhere(&form);
    elsewhere.setFocusPolicy(Qt::StrongFocus);
    elsewhere.setGeometry(150, 0, 20, 20);
    elsewhere.show();
    ok->setDefault(true);
    cancel->setCancel(true);
    elsewhere.setFocus();
    EXPECT_TRUE(ok->state().hasFlag(kDefaultShown)) << "the default button shows as one";

    QSignalSpy okClicks(ok, &zbButtons_H::Click), cancelClicks(cancel, &zbButtons_H::Click);
    QTest::keyClick(&elsewhere, Qt::Key_Return);
    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 1);

    check->setDefault(true);
    EXPECT_FALSE(ok->isDefault()) << "one default button per form";
    QTest::keyClick(&elsewhere, Qt::Key_Return);
    EXPECT_FALSE(check->Value()) << "Enter on a default check button does nothing";

    cancel->setFocus();
    EXPECT_FALSE(check->state().hasFlag(kDefaultShown)) << "the focused button is the default now";
    EXPECT_TRUE(cancel->state().hasFlag(kDefaultShown));
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(cancelClicks.count(), 2);

    cancel->setShowFocusRect(false);
    EXPECT_FALSE(cancel->state().hasFlag(kDefaultShown));
}

TEST(ButtonKeys, AccessKeysClick) {
    ShownForm form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CheckMode);
    b->setCaption(QStringLiteral("&Hint"));
    QSignalSpy clicks(b, &zbButtons_H::Click);
    QTest::keyClick(&form, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(b->Value());
    b->setCaption(QStringLiteral("Hint"));
    QTest::keyClick(&form, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1) << "the old key is gone with the ampersand";
}

TEST(ButtonMouse, LeavingWhilePressedClearsHotWithinTheHoverInterval) {
    ShownForm form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CommandMode);
    EventLog log(b);
    QCursor::setPos(b->mapToGlobal(QPoint(5, 5)));
    QTest::mouseMove(b, {5, 5});
    EXPECT_TRUE(b->state().IsHovering);
    EXPECT_EQ(b->property("zb_TimerID").toInt(), zbButtons_H::kHoverTimerId);
    EXPECT_EQ(b->property("zb_ClassID").value<QObject*>(), b);
    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});

    QCursor::setPos(form.mapToGlobal(QPoint(200, 150)));
    QTest::mouseMove(b, {190, 150});
    QTest::qWait(3 * zbButtons_H::kHoverInterval);
    EXPECT_EQ(log.names, (QStringList{"MouseOnButton 1", "MouseOnButton 0"}));
    EXPECT_FALSE(b->state().hasFlag(kHot));
    EXPECT_FALSE(b->state().IsHeldDown);
    EXPECT_TRUE(b->state().hasFlag(kPressed)) << "pressed stays until the release";

    QCursor::setPos(b->mapToGlobal(QPoint(6, 6)));
    QTest::mouseMove(b, {6, 6});
    EXPECT_TRUE(b->state().IsHeldDown) << "coming back with the button down";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {6, 6});
    EXPECT_FALSE(b->state().hasFlag(kPressed));
    EXPECT_EQ(log.names.count(QStringLiteral("Click")), 1);
}

TEST(ButtonMouse, APressedCommandButtonLooksRaisedWhileTheMouseIsAway) {
    ShownForm form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CommandMode);
    b->setFocus();
    // What the window shows, so a face that was never repainted counts too.
    const auto shownFace = [&form, b] {
        QApplication::processEvents();
        const QRect at = b->geometry();
        return form.screen()
            ->grabWindow(form.winId(), at.x(), at.y(), at.width(), at.height())
            .toImage();
    };
    const QImage idle = shownFace();
    QCursor::setPos(b->mapToGlobal(QPoint(5, 5)));
    QTest::mouseMove(b, {5, 5});
    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    const QImage pressed = shownFace();
    ASSERT_NE(pressed, idle);

    // The hover check finds the form under the cursor, not the button.
    QCursor::setPos(form.mapToGlobal(QPoint(200, 150)));
    QTest::mouseMove(b, {190, 150});
    QTest::qWait(3 * zbButtons_H::kHoverInterval);
    ASSERT_FALSE(b->state().IsHovering);
    EXPECT_EQ(shownFace(), idle) << "away from the button it shows its raised face";

    QCursor::setPos(b->mapToGlobal(QPoint(6, 6)));
    QTest::mouseMove(b, {6, 6});
    EXPECT_EQ(shownFace(), pressed) << "back on it with the button down it is pushed in";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {6, 6});
}

TEST(ButtonMouse, ADoubleClickTogglesACheckButtonOncePerPair) {
    QWidget form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CheckMode);
    b->resize(80, 20);
    QSignalSpy clicks(b, &zbButtons_H::Click), doubles(b, &zbButtons_H::DoubleClick);
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    QTest::mouseDClick(b, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(b->Value());
    EXPECT_FALSE(b->state().hasFlag(kPressed)) << "the face matches the value again";

    QTest::mouseClick(b, Qt::RightButton, {}, {5, 5});
    EXPECT_EQ(clicks.count(), 1) << "a click of another button does nothing";
    EXPECT_EQ(b->state().LastButton, 2);
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

// The Shift, Ctrl and Alt bits (1, 2, 4) of every key and mouse event.
TEST(ButtonEvents, ReportShiftCtrlAndAltBits) {
    QWidget form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CommandMode);
    QList<int> seen;
    const auto record = [&seen](std::int16_t shift) { seen << shift; };
    QObject::connect(b, &zbButtons_H::KeyDown,
                     [&](std::int16_t, std::int16_t shift) { record(shift); });
    QObject::connect(b, &zbButtons_H::KeyUp,
                     [&](std::int16_t, std::int16_t shift) { record(shift); });
    const auto mouse = [&](std::int16_t&, std::int16_t& shift, float&, float&) { record(shift); };
    QObject::connect(b, &zbButtons_H::MouseDown, mouse);
    QObject::connect(b, &zbButtons_H::MouseMove, mouse);
    QObject::connect(b, &zbButtons_H::MouseUp, mouse);
    const std::pair<Qt::KeyboardModifiers, int> cases[] = {
        {Qt::NoModifier, 0},
        {Qt::ShiftModifier, 1},
        {Qt::ControlModifier, 2},
        {Qt::AltModifier, 4},
        {Qt::ShiftModifier | Qt::ControlModifier, 3},
        {Qt::ShiftModifier | Qt::AltModifier, 5},
        {Qt::ControlModifier | Qt::AltModifier, 6},
        {Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
        {Qt::KeypadModifier | Qt::MetaModifier, 0},
    };
    for (const auto& [modifiers, bits] : cases) {
        SCOPED_TRACE(bits);
        seen.clear();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_B, modifiers);
        QApplication::sendEvent(b, &down);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_B, modifiers);
        QApplication::sendEvent(b, &up);
        QTest::mousePress(b, Qt::RightButton, modifiers, {5, 5});
        QTest::mouseMove(b, {6, 6});  // no modifiers known to a bare move
        QMouseEvent move(QEvent::MouseMove, QPointF(7, 7), b->mapToGlobal(QPointF(7, 7)),
                         Qt::NoButton, Qt::RightButton, modifiers);
        QApplication::sendEvent(b, &move);
        QTest::mouseRelease(b, Qt::RightButton, modifiers, {5, 5});
        EXPECT_EQ(seen, (QList<int>{bits, bits, bits, 0, bits, bits}));
    }
}

// Arguments passed by reference reach the control changed: a DoubleClick
// handler choosing another button, a MouseUp handler withholding the click,
// and every handler after the first seeing what the first left.
TEST(ButtonEvents, HandlersChangeTheArgumentsPassedByReference) {
    QWidget form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CheckMode);
    QSignalSpy clicks(b, &zbButtons_H::Click);
    QList<int> downButtons;
    QObject::connect(b, &zbButtons_H::MouseDown,
                     [&](std::int16_t& button, std::int16_t&, float& x, float&) {
                         downButtons << button;
                         x = 99;
                     });
    float seenX = 0;
    QObject::connect(b, &zbButtons_H::MouseDown,
                     [&](std::int16_t&, std::int16_t&, float& x, float&) { seenX = x; });
    bool withhold = true;
    QObject::connect(b, &zbButtons_H::MouseUp,
                     [&](std::int16_t& button, std::int16_t&, float&, float&) {
                         if (withhold) button = 0;
                     });
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(seenX, 99.0f);
    EXPECT_EQ(clicks.count(), 0) << "the click acts on the button MouseUp left";
    EXPECT_FALSE(b->Value());
    EXPECT_EQ(b->state().LastButton, 0);
    withhold = false;
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks.count(), 1);

    QObject::connect(b, &zbButtons_H::DoubleClick, [](std::int16_t& button) { button = 2; });
    downButtons.clear();
    QTest::mouseDClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(b->state().hasFlag(kPressed)) << "not pressed again: the button is 2 now";
    EXPECT_EQ(downButtons, QList<int>{1}) << "only MouseDown, with the left button";
    EXPECT_EQ(b->state().LastButton, 2);
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});

    bool seenOn = false;
    QObject::connect(b, &zbButtons_H::MouseOnButton, [](bool& on) { on = !on; });
    QObject::connect(b, &zbButtons_H::MouseOnButton, [&](bool& on) { seenOn = on; });
    b->HoverCheck(zbButtons_H::kHoverTimerId);  // leaves: OnButton False, turned round
    EXPECT_TRUE(seenOn);
}

// A feedback handler that sets DefaultCursors to False shows the program's
// own cursor, the button's custom pointer, for that effect.
TEST(ButtonDragDrop, FeedbackWithoutDefaultCursorsShowsTheButtonsOwnPointer) {
    QWidget form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CommandMode);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(qRgba(255, 0, 0, 255));
    b->setMouseIcon(icon);
    bool ownCursors = false;
    QList<long> effects;
    QObject::connect(b, &zbButtons_H::OLEGiveFeedback, [&](long effect, bool& defaultCursors) {
        effects << effect;
        if (ownCursors) defaultCursors = false;
    });
    QPixmap copyCursor, moveCursor;
    // The drag's own cursor updates, as the drag reports them while it runs.
    QObject::connect(b, &zbButtons_H::OLEStartDrag, [&](QMimeData* data, long) {
        data->setText(QStringLiteral("piece"));
        QDrag* drag = b->findChild<QDrag*>();
        ASSERT_NE(drag, nullptr);
        emit drag->actionChanged(Qt::MoveAction);
        ownCursors = true;
        emit drag->actionChanged(Qt::CopyAction);
        copyCursor = drag->dragCursor(Qt::CopyAction);
        moveCursor = drag->dragCursor(Qt::MoveAction);
    });
    b->OLEDrag();
    EXPECT_EQ(effects, (QList<long>{2, 1}));
    ASSERT_FALSE(copyCursor.isNull());
    EXPECT_EQ(copyCursor.toImage().pixel(8, 8), qRgb(255, 0, 0));
    EXPECT_TRUE(moveCursor.isNull()) << "the standard cursor where the handler kept it";
}

TEST(ButtonDragDrop, QtDropsRaiseTheDragEventsWithTheirStates) {
    QWidget form;
    zbButtons_H* b = option(form, 0, zbButtons_H::CommandMode);
    QMimeData data;
    data.setText(QStringLiteral("piece"));
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    EXPECT_FALSE(QApplication::sendEvent(b, &refused) && refused.isAccepted())
        << "no drops without OLEDropMode 1";

    b->setOLEDropMode(1);
    QList<int> states;
    QObject::connect(b, &zbButtons_H::OLEDragOver,
                     [&](const QMimeData* d, long effect, std::int16_t button, std::int16_t,
                         float x, float, std::int16_t state) {
                         states << state;
                         if (d) {
                             EXPECT_EQ(d->text(), QStringLiteral("piece"));
                             EXPECT_EQ(effect, 1);
                             EXPECT_EQ(button, 1);
                             EXPECT_GE(x, 5.0f);
                         }
                     });
    QList<long> dropped;
    QObject::connect(b, &zbButtons_H::OLEDragDrop,
                     [&](const QMimeData*, long effect, std::int16_t, std::int16_t, float, float) {
                         dropped << effect;
                     });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &move);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the button: whether Qt routes a drop depends on its drag manager's state.
    static_cast<QObject*>(b)->event(&drop);
    QDragEnterEvent again(QPoint(6, 6), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &again);
    QDragLeaveEvent leave;
    QApplication::sendEvent(b, &leave);
    EXPECT_EQ(states, (QList<int>{0, 2, 0, 1}));
    EXPECT_EQ(dropped, QList<long>{1});
}

}  // namespace
}  // namespace qx
