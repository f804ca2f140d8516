#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace qx {

enum class MessageIcon { None, Information, Warning, Critical };

// A message box with an OK button only.
struct MessageRequest {
    QWidget* parent = nullptr;
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// Where message boxes go. The default shows a modal QMessageBox; tests
// install their own sink to see what would be shown.
using MessageSink = std::function<void(const MessageRequest&)>;

// Returns the sink that was installed; an empty sink restores the default.
MessageSink setMessageSink(MessageSink sink);
void showMessage(const MessageRequest& request);

// The program's title ("Quiltrix"), the caption of its own message boxes.
QString programTitle();
void showProgramMessage(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::None);

// Installs a sink for its lifetime and puts the previous one back.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink sink) : previous_(setMessageSink(std::move(sink))) {}
    ~ScopedMessageSink() { setMessageSink(std::move(previous_)); }
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink previous_;
};

}  // namespace qx
