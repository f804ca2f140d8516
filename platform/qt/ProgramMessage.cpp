#include "platform/qt/ProgramMessage.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace qx {
namespace {

QMessageBox::Icon toBoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

void showMessageBox(const MessageRequest& request) {
    QMessageBox box(toBoxIcon(request.icon), request.title, request.text, QMessageBox::Ok,
                    request.parent);
    box.exec();
}

MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void showMessage(const MessageRequest& request) {
    if (currentSink())
        currentSink()(request);
    else
        showMessageBox(request);
}

QString programTitle() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Quiltrix") : name;
}

void showProgramMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    showMessage({parent, programTitle(), text, icon});
}

}  // namespace qx
