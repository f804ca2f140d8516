#include "shell/About.h"

#include <QVBoxLayout>

#include "shell/WindowPlacement.h"

namespace qx {

About::About(FormDesign design)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    client_ = new FormClient(std::move(design), this);
    setWindowTitle(client_->design().properties.text(QStringLiteral("Caption")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(this);
}

}  // namespace qx
