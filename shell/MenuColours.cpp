#include "shell/MenuColours.h"

#include <QMenuBar>

namespace qx {

void applyMenuColours(QMenuBar& menuBar) {
    // The panel, badge and frame colours of the window's background picture.
    menuBar.setStyleSheet(QStringLiteral(
        "QMenuBar { background: rgb(92, 107, 104); color: rgb(255, 255, 192); }"
        "QMenuBar::item { background: transparent; padding: 2px 8px; }"
        "QMenuBar::item:selected, QMenuBar::item:pressed"
        " { background: rgb(136, 143, 131); color: rgb(255, 255, 255); }"
        "QMenu { background: rgb(222, 215, 186); color: rgb(64, 64, 64);"
        " border: 1px solid rgb(106, 98, 74); }"
        "QMenu::item { padding: 3px 20px 3px 16px; }"
        "QMenu::item:selected { background: rgb(192, 150, 124); color: rgb(255, 255, 255); }"
        "QMenu::separator { height: 1px; background: rgb(106, 98, 74); margin: 3px 6px; }"));
}

}  // namespace qx
