#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <cstdint>

#include "controls/zbbutton/ButtonPicture.h"
#include "platform/gdi/GdiRect.h"
#include "platform/qt/DesignFont.h"
#include "platform/qt/OleColor.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// Everything a button is, as plain data: the widget (zbButtons_H) applies the
// set-rules and input rules to it, the shape, layout and painter routines read
// it and fill in their own parts. Names follow the control's documentation.

// Bits of ButtonState::StateFlags.
inline constexpr std::uint8_t kDefaultShown = 1;  // drawn as the form's default button
inline constexpr std::uint8_t kPressed = 2;       // drawn pushed in
inline constexpr std::uint8_t kHot = 4;           // drawn with the hover colours

// A colour in 0x00BBGGRR form after TranslateColor, or -1 for "none".
using RgbColor = std::int32_t;
inline constexpr RgbColor kNoColor = -1;

struct ButtonProperties {
    long ButtonStyle = 0;          // 0..7, one face painter each
    long Mode = 0;                 // 0 command, 1 check, 2 option
    QString Caption;               // "||" breaks the line, "&" marks the access key
    long CaptionAlign = 2;         // 0 left, 1 right, 2 centre
    long CaptionStyle = 0;         // 0 flat, 1 embossed, 2 engraved
    long CustomClick = 0;          // 0..8, displacement while pressed (custom shapes)
    long ButtonShape = 0;          // 0 rectangle, 1..3 slanted, 4..6 ellipse, 7..8 custom
    QImage Picture;                // null when there is none
    QString PicturePath;           // where Picture came from, as a design names it
    bool PictureFromIcon = false;  // Picture is an icon or cursor
    long PictureAlign = 0;         // 0..5
    bool Enabled = true;
    bool ShowFocusRect = true;
    bool Value = false;
    int ImagePixelSize = 16;  // PictureSize as pixels: 16, 24, 32, 40 or 48
    int MousePointer = 0;
    QImage MouseIcon;
    QString MouseIconPath;
    DesignFontInfo Font;
    OleColor ForeColor = kButtonText;
    OleColor BackColor = kButtonFace;
    OleColor GradientColor = kButtonFace;
    long GradientMode = 0;  // 0 none, 1..4 directions
    OleColor HoverForeColor = kButtonText;
    OleColor HoverBackColor = kButtonFace;
    long HoverColorLocks = 0;  // 0..3
};

// The four colours the painters derive from BackColor and HoverBackColor.
struct DerivedColors {
    RgbColor FaceColor = 0;
    RgbColor PressedFaceColor = 0;
    RgbColor HoverFaceColor = 0;
    RgbColor CheckedFaceColor = 0;
};

struct ButtonState {
    ButtonProperties props;

    // Input and drawing state.
    std::uint8_t StateFlags = 0;
    bool IsHovering = false;
    bool IsHeldDown = false;
    std::int16_t LastButton = 0;
    bool DrawingDelayed = false;
    bool Moved = false;       // displaced by CustomClick while pressed
    QPoint MovedBy;           // the displacement applied, undone on release
    bool DesignMode = false;  // the host form is a designer
    QString AccessKey;        // the caption's marked character, empty for none

    // The container's ambient background, in RGB.
    RgbColor ParentBackColor = 0;

    // The current picture's kind and size (0 x 0 without one).
    bool PictureIsIcon = false;
    int ImageWidth = 0;
    int ImageHeight = 0;
    // The picture sized for the face with its background set to one key
    // colour (bitmaps only); dropped when the picture or the face colour changes.
    KeyedBitmap CachedImage;
    // The whole picture keyed over the face colour, from which each size is
    // prepared; kept while the picture (by its cache key) and colour stay.
    KeyedBitmap KeyedPicture;
    qint64 KeyedSource = 0;
    Pixel KeyedMatte = 0;

    DerivedColors colors;

    // Shape and layout, in client pixels.
    int Width = 0;
    int Height = 0;
    int ContentLeft = 0;
    int ContentRight = 0;
    QRegion OuterRegion;
    QRegion InnerRegion1;
    QRegion InnerRegion2;
    GdiRect CaptionRect;
    GdiRect PictureRect;

    bool hasFlag(std::uint8_t flag) const { return (StateFlags & flag) != 0; }
    bool pressedAndHot() const { return hasFlag(kPressed) && hasFlag(kHot); }
    bool hasPicture() const { return ImageWidth + ImageHeight >= 1; }
};

}  // namespace qx
