#pragma once

class QWidget;

namespace qx {

class SkinChrome;
class WindowSkin;

// Turns an ordinary top-level widget into a frameless window with a caption
// bar and frame drawn from a WindowSkin.
//
// The window's content stays exactly as large as it was: Skin() takes the
// window's size (or, if it was never resized, its size hint) as the content
// size, reserves the caption and frame with contents margins (so the content
// must be laid out by a layout, e.g. a QMainWindow or a QVBoxLayout holding a
// menu bar and the client widget) and fixes the window at content + chrome.
// The window is never resizable and never maximised; minimise and close work
// from the caption glyphs, and dragging the caption moves it.
//
// Skin() copies the settings; calling it again re-skins the same window.
class WindowSkinner {
public:
    void Skin(QWidget* window, WindowSkin* skin);

    // The chrome of a skinned window, or nullptr.
    static SkinChrome* chromeOf(const QWidget* window);
};

}  // namespace qx
