#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace qx {

// The main window's common dialog `Dialog`: the picture chooser of a new game
// and the colour chooser of the board. Both are replaceable, so tests can
// answer them without a dialog.

// Returns the chosen picture's path, or nothing when the player cancels.
using PictureChooser =
    std::function<std::optional<QString>(QWidget* owner, const QString& lastPath)>;
// Returns the chosen colour, or nothing when the player cancels.
using ColorChooser = std::function<std::optional<QColor>(QWidget* owner, const QColor& current)>;

inline constexpr char kSelectPictureTitle[] = "Select Picture";

// Qt's own file dialog (the same on every desktop), titled "Select Picture",
// modal to `owner`, showing the picture filters with "Image Files" chosen
// and opened on `lastPath` when there is one.
std::optional<QString> ChoosePictureInDialog(QWidget* owner, const QString& lastPath);

// Qt's own colour dialog, modal to `owner`, starting at `current`.
std::optional<QColor> ChooseColorInDialog(QWidget* owner, const QColor& current);

}  // namespace qx
