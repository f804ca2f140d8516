#pragma once

#include <QImage>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "platform/skin/WindowSkin.h"

namespace qx {

// The caption bar and frame of a skinned window: a child widget covering the
// whole window underneath its content. It paints the chrome, takes the mouse
// on the caption and frame, and keeps itself the window's size.
class SkinChrome : public QWidget {
    Q_OBJECT

public:
    enum class Glyph { None, Minimise, Maximise, Close };

    SkinChrome(QWidget* window, const WindowSkin& skin);

    const WindowSkin& skin() const { return skin_; }
    void setSkin(const WindowSkin& skin);

    // Space the chrome takes from each side of the window.
    QMargins chromeMargins() const;
    int captionHeight() const { return skin_.captionHeight(); }
    int borderWidth() const;
    QRect captionRect() const;
    // Where a glyph sits, in window coordinates (empty for Glyph::None).
    QRect glyphRect(Glyph glyph) const;
    // Minimise and close react to the mouse; maximise is shown disabled.
    static bool isEnabled(Glyph glyph) { return glyph == Glyph::Minimise || glyph == Glyph::Close; }
    Glyph glyphAt(const QPoint& pos) const;
    // What a glyph's tool tip and assistive technology call it.
    static QString glyphName(Glyph glyph);
    // Does what a click on the glyph does: minimises or closes the window
    // (which may delete this chrome); the others do nothing.
    void activateGlyph(Glyph glyph);

    Glyph hotGlyph() const { return hot_; }
    Glyph pressedGlyph() const { return pressed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintCaption(QPainter& painter, bool active) const;
    void paintTitle(QPainter& painter, bool active) const;
    void paintGlyphs(QPainter& painter) const;
    void paintFrame(QPainter& painter, bool active) const;
    // Where a glyph's picture sits in the caption bitmap's glyph sheet.
    QRect glyphSheetCell(int row, int column) const;
    void setHot(Glyph glyph);
    void updateGlyph(Glyph glyph);
    void rebuildPressedGlyphs();

    QWidget* window_;
    WindowSkin skin_;
    QImage pressedMinimise_;
    QImage pressedClose_;
    Glyph hot_ = Glyph::None;
    Glyph pressed_ = Glyph::None;
    bool dragging_ = false;
    QPoint dragStartGlobal_;
    QPoint dragStartWindowPos_;
};

}  // namespace qx
