#pragma once

#include <QLabel>

namespace qx {

// A small text window at a screen position that stays until the reader
// clicks (on it or anywhere else) or presses Esc.
class TextPopup : public QLabel {
    Q_OBJECT
public:
    // Colours are 0xBBGGRR; 0 keeps the popup's own colour. The font is
    // "face, size, charset, styles" with styles among Bold, Italic, Underline.
    TextPopup(const QString& text, quint32 textColor, quint32 backColor, const QString& font);
    void showAt(const QPoint& position);

signals:
    void closed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

}  // namespace qx
