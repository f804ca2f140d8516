#include "ButtonScript.h"

#include <QApplication>
#include <QCursor>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMouseEvent>
#include <stdexcept>

#include "SetByKey.h"
#include "controls/zbbutton/ButtonKeys.h"
#include "controls/zbbutton/zbButtons_H.h"

namespace qx {

ButtonScript::ButtonScript(zbButtons_H& b, QWidget& form, QWidget& elsewhere)
    : button_(b), form_(form), elsewhere_(elsewhere) {
    button_.installEventFilter(this);
    using I = std::int16_t;
    connect(&b, &zbButtons_H::Click, this, [this] { record("Click", {}); });
    connect(&b, &zbButtons_H::DoubleClick, this,
            [this](I button) { record("DoubleClick", {button}); });
    connect(&b, &zbButtons_H::MouseOnButton, this,
            [this](bool on) { record("MouseOnButton", {on}); });
    connect(&b, &zbButtons_H::MouseDown, this, [this](I button, I shift, float x, float y) {
        record("MouseDown", {button, shift, x, y});
    });
    connect(&b, &zbButtons_H::MouseUp, this, [this](I button, I shift, float x, float y) {
        record("MouseUp", {button, shift, x, y});
    });
    connect(&b, &zbButtons_H::MouseMove, this, [this](I button, I shift, float x, float y) {
        record("MouseMove", {button, shift, x, y});
    });
    connect(&b, &zbButtons_H::KeyDown, this, [this](I code, I shift) {
        record("KeyDown", {code, shift});
    });
    connect(&b, &zbButtons_H::KeyUp, this, [this](I code, I shift) {
        record("KeyUp", {code, shift});
    });
    connect(&b, &zbButtons_H::KeyPress, this, [this](I ascii) { record("KeyPress", {ascii}); });
}

bool ButtonScript::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &button_ && event->spontaneous()) {
        switch (event->type()) {
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Enter:
            case QEvent::Leave:
                return true;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ButtonScript::record(const char* name, QJsonArray args) {
    events_.append(
        QJsonObject{{QStringLiteral("name"), QLatin1String(name)}, {QStringLiteral("args"), args}});
}

void ButtonScript::run(const QString& script) {
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        play(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), line);
        QApplication::processEvents();  // posted keys reach the container
    }
}

void ButtonScript::mouse(QEvent::Type type, QPoint at) {
    const QPoint global = button_.mapToGlobal(at);
    QCursor::setPos(global);
    Qt::MouseButton button = Qt::LeftButton;
    if (type == QEvent::MouseMove) button = Qt::NoButton;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        held_ |= Qt::LeftButton;
    if (type == QEvent::MouseButtonRelease) held_ &= ~Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(at), QPointF(global), button, held_,
                      Qt::NoModifier);
    QApplication::sendEvent(&button_, &event);
}

void ButtonScript::key(QEvent::Type type, int code) {
    const int qtKey = qtKeyFromVirtual(code);
    if (qtKey == 0) throw std::runtime_error("unknown key code " + std::to_string(code));
    QString text;
    if (code == kVkSpace || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        text = QString(QChar(code)).toLower();
    QKeyEvent event(type, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(&button_, &event);
}

void ButtonScript::play(const QStringList& w, const QString& line) {
    const auto number = [&](int i) {
        bool ok = false;
        const int v = w.value(i).toInt(&ok);
        if (!ok) throw std::runtime_error("bad number in: " + line.toStdString());
        return v;
    };
    const QString& verb = w[0];
    if (verb == QLatin1String("press")) {
        mouse(QEvent::MouseButtonPress, {number(1), number(2)});
    } else if (verb == QLatin1String("release")) {
        mouse(QEvent::MouseButtonRelease, {number(1), number(2)});
    } else if (verb == QLatin1String("move")) {
        mouse(QEvent::MouseMove, {number(1), number(2)});
    } else if (verb == QLatin1String("dblclick")) {
        mouse(QEvent::MouseButtonDblClick, {number(1), number(2)});
    } else if (verb == QLatin1String("leave")) {
        // The cursor is over another window when the hover check runs.
        QCursor::setPos(elsewhere_.mapToGlobal(elsewhere_.rect().center()));
        zbButtons_H::HoverTimerProc(&button_, zbButtons_H::kHoverTimerId);
    } else if (verb == QLatin1String("keydown")) {
        key(QEvent::KeyPress, number(1));
    } else if (verb == QLatin1String("keyup")) {
        key(QEvent::KeyRelease, number(1));
    } else if (verb == QLatin1String("focus")) {
        QApplication::setActiveWindow(&form_);
        button_.setFocus(Qt::TabFocusReason);
        if (!button_.hasFocus()) {
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(&button_, &in);
        }
    } else if (verb == QLatin1String("default")) {
        button_.setDefault(number(1) != 0);
    } else if (verb == QLatin1String("enable")) {
        button_.setEnabled(number(1) != 0);
    } else if (verb == QLatin1String("set") && w.size() >= 3) {
        // The value is the rest of the line, as a design file writes it.
        const QString text = line.section(QLatin1Char(' '), 2).trimmed();
        const QJsonDocument parsed =
            QJsonDocument::fromJson((QStringLiteral("[") + text + QStringLiteral("]")).toUtf8());
        const QJsonValue value = parsed.isArray() ? parsed.array().at(0) : QJsonValue(text);
        if (!setByKey(button_, w[1], value))
            throw std::runtime_error("no property " + w[1].toStdString());
    } else {
        throw std::runtime_error("cannot understand: " + line.toStdString());
    }
}

}  // namespace qx
