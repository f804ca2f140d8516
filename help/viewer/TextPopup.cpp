#include "help/viewer/TextPopup.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "help/viewer/HelpWindow.h"
#include "platform/qt/OleColor.h"

namespace qx {
namespace {

// 0 means the popup's own colour; the top byte is not a system colour here.
QColor fromBgr(quint32 bgr, const QColor& fallback) {
    return bgr == 0 ? fallback : toQColor(bgr & 0x00FFFFFFu);
}

QFont fontFrom(const QString& description) {
    const QStringList parts = description.split(QLatin1Char(','));
    QFont font(parts.value(0).trimmed().isEmpty() ? QStringLiteral("Arial")
                                                  : parts.value(0).trimmed());
    bool ok = false;
    const int size = parts.value(1).trimmed().toInt(&ok);
    font.setPointSize(ok && size > 0 ? size : 10);
    const QString styles = parts.mid(3).join(QLatin1Char(' '));
    font.setBold(styles.contains(QLatin1String("Bold"), Qt::CaseInsensitive));
    font.setItalic(styles.contains(QLatin1String("Italic"), Qt::CaseInsensitive));
    font.setUnderline(styles.contains(QLatin1String("Underline"), Qt::CaseInsensitive));
    return font;
}

}  // namespace

TextPopup::TextPopup(const QString& text, quint32 textColor, quint32 backColor, const QString& font)
    : QLabel(text, nullptr, Qt::Popup | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("textPopup"));
    setWordWrap(true);
    setMargin(8);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMaximumWidth(420);
    setFont(fontFrom(font));
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, fromBgr(textColor, Qt::black));
    colours.setColor(QPalette::Window, fromBgr(backColor, QColor(255, 255, 225)));
    setPalette(colours);
    setAutoFillBackground(true);
    setWindowTitle(kViewerTitle);
}

void TextPopup::showAt(const QPoint& position) {
    adjustSize();
    QPoint at = position;
    if (const QScreen* screen = QGuiApplication::screenAt(position)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(at);
    show();
}

void TextPopup::mousePressEvent(QMouseEvent*) {
    close();
}

void TextPopup::keyPressEvent(QKeyEvent* event) {
    // A label passes keys on, so the popup's own Esc handling never sees them.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QLabel::keyPressEvent(event);
}

void TextPopup::hideEvent(QHideEvent* event) {
    QLabel::hideEvent(event);
    emit closed();
}

}  // namespace qx
