// Draws every ButtonStyle x ButtonShape x state of the game's button on one
// sheet, so a change to a painter can be seen at a glance:
//   quiltrix-button-gallery out.png
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <array>

#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonSnapshot.h"

namespace {

using namespace qx;

constexpr int kFaceWidth = 85;
constexpr int kFaceHeight = 37;
constexpr int kCellWidth = 100;
constexpr int kCellHeight = 46;
constexpr int kLabelWidth = 76;
constexpr int kHeaderHeight = 22;
constexpr int kShapes = 9;
constexpr QRgb kSheetColor = 0xFFB4C0CC;  // the container, darker than every sample face
const QSize kScreen(1280, 800);

const char* const kStyleNames[] = {"0 Soft3D",   "1 Classic3D", "2 RoundedShaded", "3 FlatGrey",
                                   "4 ThinEdge", "5 HotTrack",  "6 SoftEdge",      "7 RoundedDark"};
const char* const kShapeNames[] = {"0 rect",    "1 slant L", "2 slant R", "3 slant LR", "4 ellipse",
                                   "5 ellipse", "6 ellipse", "7 custom",  "8 custom"};

enum class Look { Idle, Hover, Pressed, Default, Checked, Disabled };
const std::array<std::pair<Look, const char*>, 6> kLooks = {{{Look::Idle, "idle"},
                                                             {Look::Hover, "hover"},
                                                             {Look::Pressed, "pressed"},
                                                             {Look::Default, "default"},
                                                             {Look::Checked, "checked"},
                                                             {Look::Disabled, "disabled"}}};

// A small picture with a key-colour background for the caption's side.
QImage samplePicture() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    QPainter p(&image);
    p.setPen(QColor(20, 60, 140));
    p.setBrush(QColor(70, 140, 230));
    p.drawEllipse(2, 2, 11, 11);
    return image;
}

// The outline of shapes 7 and 8: a rounded tab on a key-colour background.
QImage customShapePicture() {
    QImage image(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 90));
    p.drawRoundedRect(QRect(2, 4, kFaceWidth - 5, kFaceHeight - 9), 14, 14);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRect(kFaceWidth / 2 - 8, kFaceHeight / 2 - 8, 16, 16));
    return image;
}

ButtonState sampleButton(long style, long shape, Look look) {
    ButtonState s;
    ButtonProperties& p = s.props;
    p.ButtonStyle = style;
    p.ButtonShape = shape;
    p.Caption = QStringLiteral("Sample||face");
    p.BackColor = 0xC8D0D8;
    p.HoverBackColor = 0xE8ECF0;
    p.GradientColor = 0x9C8070;
    p.ForeColor = 0x000000;
    p.HoverForeColor = 0x800000;
    p.Font.name = QStringLiteral("Arial");
    p.Font.size = 8;
    p.Picture = shape >= 7 ? customShapePicture() : samplePicture();
    p.ImagePixelSize = shape >= 7 ? 48 : 16;
    s.Width = kFaceWidth;
    s.Height = kFaceHeight;
    s.ParentBackColor = 0xCCC0B4;  // the sheet colour as 0x00BBGGRR
    switch (look) {
        case Look::Idle:
            break;
        case Look::Hover:
            s.StateFlags = kHot;
            s.IsHovering = true;
            break;
        case Look::Pressed:
            s.StateFlags = kPressed | kHot | kDefaultShown;
            s.IsHovering = true;
            s.IsHeldDown = true;
            break;
        case Look::Default:
            s.StateFlags = kDefaultShown;
            break;
        case Look::Checked:
            p.Mode = 1;
            p.Value = true;
            break;
        case Look::Disabled:
            p.Enabled = false;
            break;
    }
    s.colors = deriveColors(p);
    RefreshPicture(s, false);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: quiltrix-button-gallery out.png\n";
        return 2;
    }
    const int rowsPerStyle = static_cast<int>(kLooks.size());
    const int width = kLabelWidth + kShapes * kCellWidth;
    const int height = kHeaderHeight + 8 * (rowsPerStyle * kCellHeight + kHeaderHeight);
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kSheetColor);
    QPainter painter(&sheet);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(11);
    painter.setFont(labelFont);
    for (int shape = 0; shape < kShapes; ++shape)
        painter.drawText(QRect(kLabelWidth + shape * kCellWidth, 0, kCellWidth, kHeaderHeight),
                         Qt::AlignCenter, QString::fromLatin1(kShapeNames[shape]));

    int y = kHeaderHeight;
    for (long style = 0; style < 8; ++style) {
        QFont bold = labelFont;
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(QRect(4, y, width - 8, kHeaderHeight), Qt::AlignVCenter,
                         QStringLiteral("ButtonStyle ") + QString::fromLatin1(kStyleNames[style]));
        painter.setFont(labelFont);
        y += kHeaderHeight;
        for (const auto& [look, name] : kLooks) {
            painter.drawText(QRect(4, y, kLabelWidth - 8, kCellHeight), Qt::AlignVCenter,
                             QString::fromLatin1(name));
            for (long shape = 0; shape < kShapes; ++shape) {
                ButtonState state = sampleButton(style, shape, look);
                GdiSurface surface;
                FaceOutline outline;
                drawStandaloneFace(state, surface, kScreen, &outline);
                painter.drawImage(kLabelWidth + static_cast<int>(shape) * kCellWidth +
                                      (kCellWidth - state.Width) / 2,
                                  y + (kCellHeight - state.Height) / 2,
                                  snapshotFace(state, surface, kSheetColor, outline));
            }
            y += kCellHeight;
        }
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        err << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
