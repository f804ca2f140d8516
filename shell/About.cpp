#include "shell/About.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QShowEvent>

#include "platform/qt/ProgramMessage.h"
#include "shell/ProgramInfo.h"

#include "shell/WindowPlacement.h"
#include "shell/widgets/DesignLabel.h"

namespace qx {

About::About(FormDesign design)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    client_ = FormClient::fillWindow(this, std::move(design));
    setWindowTitle(client_->design().properties.text(QStringLiteral("Caption")));
    Label4().setCursor(Qt::PointingHandCursor);
    Label4().setLink(true);
    connect(&Label4(), &DesignLabel::Click, this, &About::Label4_Click);
    adjustSize();
    centreOnScreen(this);
}

DesignLabel& About::Label4() {
    return client_->get<DesignLabel>(QStringLiteral("Label4"));
}

QUrl About::webAddress() const {
    const QString tag =
        client_->design().control(QStringLiteral("Label4")).properties.text(QStringLiteral("Tag"));
    return QUrl(tag, QUrl::StrictMode);
}

void About::showEvent(QShowEvent* event) {
    // Again, now that the frame may be known; not when a minimised window returns.
    if (!event->spontaneous()) centreOnScreen(this);
    QWidget::showEvent(event);
}

void About::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void About::Label4_Click() {
    const QUrl address = webAddress();
    if (QDesktopServices::openUrl(address)) return;
    // Without a browser the player can still copy the address by hand.
    showMessage({this, QString::fromLatin1(kProgramTitle),
                 QStringLiteral("No web browser could be started. The address is:\n\n%1")
                     .arg(address.toString()),
                 MessageIcon::Information});
}

}  // namespace qx
