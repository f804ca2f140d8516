#include "platform/skin/SkinChrome.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

#include "platform/skin/SkinLayout.h"

namespace qx {
namespace {

int shadeChannel(int value, int shade) {
    return std::clamp(value + shade, 0, 255);
}

QImage shaded(const QImage& source, int shade) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(shadeChannel(qRed(p), shade), shadeChannel(qGreen(p), shade),
                            shadeChannel(qBlue(p), shade), qAlpha(p));
        }
    }
    return image;
}

}  // namespace

SkinChrome::SkinChrome(QWidget* window, const WindowSkin& skin)
    : QWidget(window), window_(window), skin_(skin) {
    setObjectName(QStringLiteral("qx_skin_chrome"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    rebuildPressedGlyphs();
    window->installEventFilter(this);
}

void SkinChrome::setSkin(const WindowSkin& skin) {
    skin_ = skin;
    rebuildPressedGlyphs();
    update();
}

int SkinChrome::borderWidth() const {
    return skin::kBorderWidth;
}

QMargins SkinChrome::chromeMargins() const {
    return {borderWidth(), captionHeight(), borderWidth(), borderWidth()};
}

QRect SkinChrome::captionRect() const {
    return {0, 0, width(), captionHeight()};
}

QRect SkinChrome::glyphRect(Glyph glyph) const {
    const int w = skin_.glyphWidth();
    const int h = skin_.glyphHeight();
    const int closeRight = width() - (skin_.pictureWidth() - skin_.glyphRight());
    const QRect close(closeRight - w, skin_.glyphTop(), w, h);
    const QRect maximise = close.translated(-(w + skin::kCloseGlyphGap), 0);
    switch (glyph) {
        case Glyph::Close:
            return close;
        case Glyph::Maximise:
            return maximise;
        case Glyph::Minimise:
            return maximise.translated(-w, 0);
        case Glyph::None:
            break;
    }
    return {};
}

SkinChrome::Glyph SkinChrome::glyphAt(const QPoint& pos) const {
    for (Glyph glyph : {Glyph::Minimise, Glyph::Maximise, Glyph::Close}) {
        if (glyphRect(glyph).contains(pos)) return glyph;
    }
    return Glyph::None;
}

static int glyphColumn(SkinChrome::Glyph glyph) {
    switch (glyph) {
        case SkinChrome::Glyph::Minimise:
            return skin::kMinimiseColumn;
        case SkinChrome::Glyph::Close:
            return skin::kCloseColumn;
        default:
            return skin::kMaximiseDisabledColumn;
    }
}

QRect SkinChrome::glyphSheetCell(int row, int column) const {
    const int top =
        skin::glyphSheetRowTop(row, skin_.captionBitmap().height(), skin_.glyphHeight());
    return {skin_.pictureWidth() + column * skin_.glyphWidth(), top, skin_.glyphWidth(),
            skin_.glyphHeight()};
}

void SkinChrome::rebuildPressedGlyphs() {
    pressedMinimise_ = QImage();
    pressedClose_ = QImage();
    if (!skin_.hasGlyphSheet()) return;
    auto pressed = [&](Glyph glyph) {
        const QImage hot =
            skin_.captionBitmap().copy(glyphSheetCell(skin::kHotRow, glyphColumn(glyph)));
        return shaded(hot, skin_.pressedShade());
    };
    pressedMinimise_ = pressed(Glyph::Minimise);
    pressedClose_ = pressed(Glyph::Close);
}

bool SkinChrome::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::Resize:
                setGeometry(window_->rect());
                break;
            case QEvent::WindowActivate:
            case QEvent::WindowDeactivate:
            case QEvent::WindowTitleChange:
                update();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool SkinChrome::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Glyph glyph = glyphAt(help->pos());
        if (isEnabled(glyph)) {
            QToolTip::showText(help->globalPos(), glyphName(glyph), this, glyphRect(glyph));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void SkinChrome::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool active = window_->isActiveWindow();
    paintCaption(painter, active);
    paintTitle(painter, active);
    paintGlyphs(painter);
    paintFrame(painter, active);
}

void SkinChrome::paintCaption(QPainter& painter, bool) const {
    const QImage& bitmap = skin_.captionBitmap();
    const int height = captionHeight();
    const int pictureWidth = std::min(skin_.pictureWidth(), bitmap.width());
    if (bitmap.isNull() || pictureWidth <= 0) {
        painter.fillRect(captionRect(), skin_.titleShadow());
        return;
    }
    const int w = width();
    if (w == pictureWidth) {
        painter.drawImage(QPoint(0, 0), bitmap, QRect(0, 0, pictureWidth, height));
        return;
    }
    // Keep both ends of the picture and repeat or cut the plain bar between.
    const int stretchFrom = std::clamp(skin::kStretchFrom, 0, pictureWidth);
    const int stretchTo = std::clamp(skin::kStretchTo, stretchFrom, pictureWidth);
    const int rightPart = pictureWidth - stretchTo;
    const int rightX = w - rightPart;
    const int leftEnd = std::min(stretchFrom, std::max(rightX, 0));
    painter.drawImage(QPoint(0, 0), bitmap, QRect(0, 0, leftEnd, height));
    const int band = stretchTo - stretchFrom;
    if (band > 0) {
        for (int x = leftEnd; x < rightX; x += band) {
            const int piece = std::min(band, rightX - x);
            painter.drawImage(QPoint(x, 0), bitmap, QRect(stretchFrom, 0, piece, height));
        }
    }
    painter.drawImage(QPoint(rightX, 0), bitmap, QRect(stretchTo, 0, rightPart, height));
}

void SkinChrome::paintTitle(QPainter& painter, bool active) const {
    const QString title = window_->windowTitle();
    if (skin_.titleTextMode() == 0 || title.isEmpty()) return;
    QRect box;
    int align = Qt::AlignVCenter | Qt::TextSingleLine;
    if (skin_.titleTextMode() == 2) {
        box = QRect(skin::kTitlePlateX, skin::kTitlePlateY, skin::kTitlePlateWidth,
                    skin::kTitlePlateHeight);
        align |= Qt::AlignHCenter;
    } else {
        box = QRect(skin::kTitleTextLeft, 0,
                    glyphRect(Glyph::Minimise).left() - skin::kTitleTextLeft, captionHeight());
        align |= Qt::AlignLeft;
    }
    painter.setFont(skin_.titleFont(active));
    painter.setPen(skin_.titleHighlight());
    painter.drawText(box.translated(-1, -1), align, title);
    painter.setPen(skin_.titleShadow());
    painter.drawText(box.translated(1, 1), align, title);
    painter.setPen(skin_.titleColor(active));
    painter.drawText(box, align, title);
}

void SkinChrome::paintGlyphs(QPainter& painter) const {
    if (!skin_.hasGlyphSheet()) return;
    for (Glyph glyph : {Glyph::Minimise, Glyph::Maximise, Glyph::Close}) {
        const QPoint at = glyphRect(glyph).topLeft();
        if (pressed_ == glyph && hot_ == glyph) {
            painter.drawImage(at, glyph == Glyph::Close ? pressedClose_ : pressedMinimise_);
            continue;
        }
        const int row = (hot_ == glyph && isEnabled(glyph)) ? skin::kHotRow : skin::kNormalRow;
        painter.drawImage(at, skin_.captionBitmap(), glyphSheetCell(row, glyphColumn(glyph)));
    }
}

void SkinChrome::paintFrame(QPainter& painter, bool active) const {
    const int w = width();
    const int h = height();
    const int top = captionHeight();
    const int band = borderWidth();
    const QRegion frame =
        QRegion(0, top, w, h - top) - QRegion(band, top, w - 2 * band, h - top - band);
    painter.save();
    painter.setClipRegion(frame);
    if (!skin_.hasBorderTiles()) {
        painter.fillRect(rect(), skin_.titleShadow());
    } else {
        using namespace skin;
        const QImage& tiles = skin_.borderBitmap();
        auto tile = [&](BorderTile which, int x, int y, int width = kBorderTile,
                        int height = kBorderTile) {
            painter.drawImage(QPoint(x, y), tiles, QRect(borderTileX(which), 0, width, height));
        };
        const int edgeEnd = h - kBorderTile;
        for (int y = top + kBorderTile; y < edgeEnd; y += kBorderTile) {
            const int piece = std::min(kBorderTile, edgeEnd - y);
            tile(kLeftEdgeTile, 0, y, kBorderTile, piece);
            tile(kRightEdgeTile, w - kBorderTile, y, kBorderTile, piece);
        }
        const int bottomEnd = w - kBorderTile;
        for (int x = kBorderTile; x < bottomEnd; x += kBorderTile) {
            tile(kBottomEdgeTile, x, h - kBorderTile, std::min(kBorderTile, bottomEnd - x));
        }
        tile(kLeftJoinTile, 0, top);
        tile(kRightJoinTile, w - kBorderTile, top);
        tile(kBottomLeftTile, 0, h - kBorderTile);
        tile(kBottomRightTile, w - kBorderTile, h - kBorderTile);
    }
    painter.restore();
    painter.setPen(skin_.outline(active));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SkinChrome::setHot(Glyph glyph) {
    if (hot_ == glyph) return;
    updateGlyph(hot_);
    hot_ = glyph;
    updateGlyph(hot_);
}

// A glyph's look changes alone: repainting the whole chrome would take the
// window's content along with it.
void SkinChrome::updateGlyph(Glyph glyph) {
    if (glyph != Glyph::None) update(glyphRect(glyph));
}

void SkinChrome::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Glyph glyph = glyphAt(event->position().toPoint());
    if (glyph != Glyph::None) {
        if (isEnabled(glyph)) {
            pressed_ = glyph;
            setHot(glyph);
            updateGlyph(glyph);
        }
        return;
    }
    if (!captionRect().contains(event->position().toPoint())) return;
    // Window managers move the window themselves; without one (e.g. a bare X
    // server) startSystemMove() refuses and we follow the pointer ourselves.
    if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemMove()) return;
    dragging_ = true;
    dragStartGlobal_ = event->globalPosition().toPoint();
    dragStartWindowPos_ = window_->pos();
}

void SkinChrome::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        if (event->buttons() & Qt::LeftButton) {
            window_->move(dragStartWindowPos_ + event->globalPosition().toPoint() -
                          dragStartGlobal_);
        } else {
            dragging_ = false;
        }
        return;
    }
    const Glyph glyph = glyphAt(event->position().toPoint());
    if (pressed_ != Glyph::None) {
        setHot(glyph == pressed_ ? glyph : Glyph::None);
    } else {
        setHot(isEnabled(glyph) ? glyph : Glyph::None);
    }
}

void SkinChrome::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = false;
    const Glyph pressed = pressed_;
    if (pressed == Glyph::None) return;
    pressed_ = Glyph::None;
    const bool onGlyph = glyphAt(event->position().toPoint()) == pressed;
    setHot(onGlyph ? pressed : Glyph::None);
    if (!onGlyph) return;
    // The pointer is about to leave with the window; forget the hover look.
    setHot(Glyph::None);
    // May delete the window and this chrome with it: touch nothing after.
    activateGlyph(pressed);
}

QString SkinChrome::glyphName(Glyph glyph) {
    switch (glyph) {
        case Glyph::Minimise:
            return tr("Minimize");
        case Glyph::Maximise:
            return tr("Maximize");
        case Glyph::Close:
            return tr("Close");
        default:
            return {};
    }
}

void SkinChrome::activateGlyph(Glyph glyph) {
    if (glyph == Glyph::Minimise)
        window_->showMinimized();
    else if (glyph == Glyph::Close)
        window_->close();  // may delete the window and this chrome with it
}

void SkinChrome::mouseDoubleClickEvent(QMouseEvent* event) {
    // No maximise: a double click on the caption is just two clicks.
    event->accept();
}

void SkinChrome::leaveEvent(QEvent*) {
    if (pressed_ == Glyph::None) setHot(Glyph::None);
}

}  // namespace qx
