#include "platform/skin/WindowSkinner.h"

#include <QWidget>

#include "platform/skin/SkinChrome.h"

namespace qx {

SkinChrome* WindowSkinner::chromeOf(const QWidget* window) {
    if (!window) return nullptr;
    return window->findChild<SkinChrome*>(QStringLiteral("qx_skin_chrome"),
                                          Qt::FindDirectChildrenOnly);
}

void WindowSkinner::Skin(QWidget* window, WindowSkin* skin) {
    if (!window || !skin) return;
    SkinChrome* chrome = chromeOf(window);
    QMargins ownMargins = window->contentsMargins();
    QSize content;
    if (chrome) {
        ownMargins -= chrome->chromeMargins();
        content = window->size().shrunkBy(chrome->chromeMargins());
        chrome->setSkin(*skin);
    } else {
        // A window never resized has no size of its own yet; its layout knows.
        content = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
        if (!content.isValid()) content = window->size();
        chrome = new SkinChrome(window, *skin);
    }

    const bool wasVisible = window->isVisible();
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
             Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    flags &= ~(Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint);
    if (flags != window->windowFlags()) window->setWindowFlags(flags);

    const QMargins chromeMargins = chrome->chromeMargins();
    window->setContentsMargins(ownMargins + chromeMargins);
    window->setFixedSize(content.grownBy(chromeMargins));
    chrome->setGeometry(window->rect());
    chrome->lower();
    chrome->show();
    if (wasVisible) window->show();
}

}  // namespace qx
