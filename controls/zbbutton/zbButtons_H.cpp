#include "controls/zbbutton/zbButtons_H.h"

#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <utility>

#include "controls/zbbutton/AmbientProperties.h"
#include "controls/zbbutton/ButtonAccessible.h"
#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonContent.h"
#include "controls/zbbutton/ButtonLayout.h"
#include "controls/zbbutton/ButtonPainters.h"
#include "controls/zbbutton/ButtonPersistence.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonShape.h"
#include "controls/zbbutton/OptionGroup.h"
#include "platform/qt/BitmapImage.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

// The host's standard pointer numbers.
Qt::CursorShape pointerShape(int pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

zbButtons_H::zbButtons_H(QWidget* container, const QString& displayName) : QWidget(container) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // moves without a button start the hover tracking
    hoverTimer_.setInterval(kHoverInterval);
    connect(&hoverTimer_, &QTimer::timeout, this, [this] { HoverTimerProc(this, kHoverTimerId); });
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this] { updateDisplayAsDefault(); });
    if (container) container->installEventFilter(this);

    // A new instance: the container, its name as the caption, its font and colour.
    container_ = container;
    state_.props.Caption = displayName;
    state_.props.CaptionAlign = 2;
    state_.props.ShowFocusRect = true;
    state_.props.HoverForeColor = kButtonText;
    state_.props.HoverBackColor = kButtonFace;
    SetSurfaceFont(ambientFont(container));
    state_.props.Font = ambientFont(container);
    state_.ParentBackColor = TranslateColor(ambientBackColor(container));
    state_.props.BackColor = kButtonFace;
    RefreshResources(ButtonResource::BackColor);
    RefreshResources(ButtonResource::Font);
    for (const char* key : {"Caption", "CapAlign", "Focus", "cFHover", "cBHover", "Font"})
        NotifyChanged(QLatin1String(key));
}

zbButtons_H::~zbButtons_H() {
    // QWidget's destructor still moves the focus; this part of the button is gone by then.
    disconnect(focusWatch_);
    if (container_) container_->removeEventFilter(this);
    hoverTimer_.stop();
    // An option button leaves its group, so no member entry outlives its button.
    if (state_.props.Mode == OptionMode) OptionGroup::leave(container_, this);
}

// --- the routines every change ends in ---------------------------------------

void zbButtons_H::Redraw() {
    if (state_.DrawingDelayed) return;
    ++redrawCount_;
    const QScreen* shownOn = screen();
    RedrawContext context{state_, offscreen_, shownOn ? shownOn->size() : QSize(),
                          [this] { return CustomClickMove(); }};
    if (qx::Redraw(context) == kNothingToShow) return;
    outline_ = context.outline;
    if (!painting_) update();
}

QImage zbButtons_H::shownFace() const {
    QImage shown = offscreen_.image();
    QPainter painter(&shown);
    paintOutline(painter, outline_);
    return shown;
}

void zbButtons_H::LayoutContent(bool pictureChanged) {
    if (qx::LayoutContent(state_, offscreen_, pictureChanged))
        PrepareImage(state_, state_.PictureRect.width(), state_.PictureRect.height(), false);
}

void zbButtons_H::BuildShapeRegion() {
    PrepareBuffer(offscreen_, state_);
    qx::BuildShapeRegion(state_, offscreen_, [this](int w) {
        resize(w, height());
        state_.Width = width();
    });
    PrepareBuffer(offscreen_, state_);  // a slanted shape may have widened the button
    setMask(state_.OuterRegion);
}

bool zbButtons_H::CustomClickMove() {
    const bool moved = qx::CustomClickMove(state_, [this](QPoint delta) { move(pos() + delta); });
    if (moved) update();  // the face shows at the new place with this paint
    return moved;
}

void zbButtons_H::RefreshResources(ButtonResource what) {
    switch (what) {
        case ButtonResource::Font:
            QWidget::setFont(designFont(state_.props.Font));
            RefreshCaptionFont(state_, offscreen_);
            break;
        case ButtonResource::Picture:
            RefreshPicture(state_, state_.props.PictureFromIcon);
            break;
        case ButtonResource::BackColor:
            state_.colors = deriveColors(state_.props);
            state_.CachedImage = {};  // soft picture edges are blended over the face
            break;
    }
}

void zbButtons_H::ResizeHandling() {
    state_.Width = width();
    state_.Height = height();
    BuildShapeRegion();  // sizes the surface too
    LayoutContent(false);
    Redraw();
    handledSize_ = size();  // after a slanted shape's widening
}

void zbButtons_H::Refresh() {
    state_.DrawingDelayed = false;
    Redraw();
}

void zbButtons_H::DelayDrawing(bool delay) {
    state_.DrawingDelayed = delay;
    if (!delay) Refresh();
}

// --- host side ----------------------------------------------------------------

void zbButtons_H::NotifyChanged(const QString& key) {
    announceButtonChange(this, key);
    emit PropertyChanged(key);
}

bool zbButtons_H::DesignMode() const {
    return hostDesignMode(this);
}

void zbButtons_H::DesignMessage(const QString& text, const QString& title) {
    if (!DesignMode()) return;
    showMessage({this, title.isEmpty() ? programTitle() : title, text, MessageIcon::Information});
}

bool zbButtons_H::SurfaceEnabled() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

void zbButtons_H::SetSurfaceEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
}

void zbButtons_H::SetSurfaceFont(const DesignFontInfo& font) {
    QWidget::setFont(designFont(font));
}

void zbButtons_H::SetSurfaceMousePointer(int pointer) {
    if (pointer == 99 && !state_.props.MouseIcon.isNull())
        setCursor(QCursor(QPixmap::fromImage(state_.props.MouseIcon)));
    else if (pointer == 0)
        unsetCursor();
    else
        setCursor(pointerShape(pointer));
}

bool zbButtons_H::SetSurfaceMouseIcon(const QImage& icon, bool isIcon) {
    if (!icon.isNull() && !isIcon) return false;  // only icons and cursors point
    if (!icon.isNull()) setCursor(QCursor(QPixmap::fromImage(icon)));
    return true;
}

void zbButtons_H::SetAccessKey(const QString& /*key*/) {
    regrabKeys();
}

void zbButtons_H::regrabKeys() {
    for (int* id : {&accessShortcut_, &enterShortcut_, &returnShortcut_, &escapeShortcut_}) {
        if (*id) releaseShortcut(*id);
        *id = 0;
    }
    if (!state_.AccessKey.isEmpty())
        accessShortcut_ = grabShortcut(QKeySequence(QStringLiteral("Alt+") + state_.AccessKey));
    if (default_) {
        enterShortcut_ = grabShortcut(QKeySequence(Qt::Key_Enter));
        returnShortcut_ = grabShortcut(QKeySequence(Qt::Key_Return));
    }
    if (cancel_) escapeShortcut_ = grabShortcut(QKeySequence(Qt::Key_Escape));
}

void zbButtons_H::setDefault(bool on) {
    if (on && window()) {
        for (zbButtons_H* other : window()->findChildren<zbButtons_H*>())
            if (other != this && other->default_) other->setDefault(false);
    }
    default_ = on;
    regrabKeys();
    updateDisplayAsDefault();
}

void zbButtons_H::setCancel(bool on) {
    if (on && window()) {
        for (zbButtons_H* other : window()->findChildren<zbButtons_H*>())
            if (other != this && other->cancel_) other->setCancel(false);
    }
    cancel_ = on;
    regrabKeys();
}

// --- persistence --------------------------------------------------------------

void zbButtons_H::ReadProperties(const PropertyBag& store) {
    container_ = parentWidget();
    state_.ParentBackColor = TranslateColor(ambientBackColor(container_));
    DelayDrawing(true);

    const long oldMode = state_.props.Mode;
    if (oldMode == OptionMode) OptionToggle(OptionGroup::Leave);  // loading anew
    ButtonProperties& p = state_.props;
    StoredPointer pointer;
    readStoredProperties(
        store, AmbientDefaults{ambientBackColor(container_), ambientFont(container_)}, p, pointer);
    SetSurfaceFont(p.Font);
    SetSurfaceEnabled(p.Enabled);
    if (!pointer.icon.isNull())
        rules_.setMouseIcon(pointer.icon, pointer.iconPath, isIconPath(pointer.iconPath));
    rules_.setMousePointer(pointer.pointer);

    // Each step on its own: one failing leaves the others done.
    const auto step = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    step([&] { RefreshResources(ButtonResource::Picture); });
    step([&] { RefreshResources(ButtonResource::BackColor); });
    step([&] { RefreshResources(ButtonResource::Font); });
    step([&] { rules_.setCaption(p.Caption); });
    step([&] {
        if (p.Mode == OptionMode) OptionToggle(OptionGroup::Join);
    });

    state_.DrawingDelayed = false;
    ResizeHandling();
}

void zbButtons_H::WriteProperties(PropertyWriter& out) const {
    writeProperties(state_.props, out);
}

// --- ambient properties ---------------------------------------------------------

void zbButtons_H::updateDisplayAsDefault() {
    // A focused button takes Enter, so it shows as the default; the form's
    // default button does while the focus is on no other button.
    const auto* focused = qobject_cast<const zbButtons_H*>(QApplication::focusWidget());
    const bool otherButtonFocused = focused && focused != this && focused->window() == window();
    const bool now = hasFocus() || (default_ && !otherButtonFocused);
    if (now == displayAsDefault_) return;
    displayAsDefault_ = now;
    AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void zbButtons_H::AmbientChanged(const QString& name) {
    try {
        if (name == QLatin1String("DisplayAsDefault")) {
            const bool design = DesignMode();
            const bool shown = displayAsDefault_ && (state_.props.ShowFocusRect || design);
            state_.StateFlags =
                shown ? (state_.StateFlags | kDefaultShown) : (state_.StateFlags & ~kDefaultShown);
            if (design && state_.props.ButtonShape >= 7) {
                // A custom shape's default look is its hover look.
                state_.IsHovering = shown;
                Redraw();
                state_.IsHovering = false;
            } else {
                Redraw();
            }
        } else if (name == QLatin1String("BackColor")) {
            state_.ParentBackColor = TranslateColor(ambientBackColor(container_));
            if (state_.props.ButtonShape >= 4 || state_.props.ButtonStyle == 5) Redraw();
        }
    } catch (const std::exception&) {
    }
}

// --- option groups ---------------------------------------------------------------

bool zbButtons_H::OptionToggle(int action) {
    try {
        if (action == OptionGroup::Join) OptionGroup::installArrowKeys(container_);
        return OptionGroup::toggle(container_, this, action);
    } catch (const std::exception&) {
        return false;
    }
}

// --- surface events -----------------------------------------------------------------

void zbButtons_H::paintEvent(QPaintEvent*) {
    state_.DrawingDelayed = false;
    painting_ = true;
    Redraw();
    painting_ = false;
    QPainter painter(this);
    painter.drawImage(0, 0, imageOver(std::as_const(offscreen_).bitmap()));
    paintOutline(painter, outline_);
}

bool zbButtons_H::eventFilter(QObject* watched, QEvent* event) {
    if (watched == container_ && event->type() == QEvent::PaletteChange)
        AmbientChanged(QStringLiteral("BackColor"));
    return QWidget::eventFilter(watched, event);
}

void zbButtons_H::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A button sized while hidden hears of it again when shown: nothing changed.
    if (event->size() != handledSize_) ResizeHandling();
}

void zbButtons_H::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        // Also when the program disables the surface directly.
        state_.props.Enabled = SurfaceEnabled();
        if (!isEnabled()) state_.IsHeldDown = false;
        Redraw();
    }
    QWidget::changeEvent(event);
}

}  // namespace qx
