#pragma once

#include <QEvent>
#include <QJsonArray>
#include <QString>
#include <QWidget>

namespace qx {

class zbButtons_H;

// Plays the lines of an events file on a button shown on `form`, with
// `elsewhere` as the window the cursor moves to on "leave". Every event the
// button raises is recorded as {"name": ..., "args": [...]}.
class ButtonScript : public QObject {
public:
    ButtonScript(zbButtons_H& button, QWidget& form, QWidget& elsewhere);

    // Throws std::runtime_error naming the line that cannot be understood.
    void run(const QString& script);
    const QJsonArray& events() const { return events_; }

protected:
    // Only the script's own input reaches the button, not the moves the
    // platform makes up when the cursor is placed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void play(const QStringList& words, const QString& line);
    void mouse(QEvent::Type type, QPoint at);
    void key(QEvent::Type type, int code);
    void record(const char* name, QJsonArray args);

    zbButtons_H& button_;
    QWidget& form_;
    QWidget& elsewhere_;
    Qt::MouseButtons held_;
    QJsonArray events_;
};

}  // namespace qx
