// A saved button loads back as it was saved: every property at every value
// it can hold, set through its set-rules, written and read into a new button.
#include <QPainter>
#include <cctype>
#include <functional>

#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "controls/zbbutton/ButtonPersistence.h"
#include "platform/qt/OwnPicture.h"
#include "platform/qt/PictureData.h"

namespace qx {
namespace {

const QString kResourcePath = QStringLiteral("bitmaps/button-new.png");

QImage resourcePicture() {
    return readOwnPicture(QStringLiteral(":/") + kResourcePath);
}

// Pictures a program makes or loads itself: no resource path names them.
QImage memoryBitmap() {
    QImage image(30, 18, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    QPainter p(&image);
    p.fillRect(4, 3, 20, 12, QColor(20, 90, 160));
    p.fillRect(8, 6, 6, 4, QColor(250, 240, 10));
    return image;
}

QImage memoryAlphaPicture() {
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 0; i < 24; ++i) image.setPixel(i, i, qRgba(200, 30, 30, 40 + 8 * i));
    image.setPixel(0, 0, qRgba(1, 2, 3, 255));
    return image;
}

QImage memoryIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 2; i < 14; ++i) image.setPixel(i, 8, qRgba(0, 0, 0, 255));
    return image;
}

using Setter = std::function<void(zbButtons_H&)>;

struct RoundTripCase {
    std::string name;
    Setter set;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<RoundTripCase> everyPropertyAndValue() {
    std::vector<RoundTripCase> cases;
    const auto add = [&](std::string name, Setter set) {
        cases.push_back({std::move(name), std::move(set)});
    };
    const auto n = [](const char* what, long v) {
        return std::string(what) + " " + std::to_string(v);
    };

    for (long v = 0; v <= 7; ++v)
        add(n("ButtonStyle", v), [v](zbButtons_H& b) { b.setButtonStyle(v); });
    for (long v = 0; v <= 2; ++v) add(n("Mode", v), [v](zbButtons_H& b) { b.setMode(v); });
    for (long v = 1; v <= 2; ++v)
        add(n("Value True in mode", v), [v](zbButtons_H& b) {
            b.setMode(v);
            b.setValue(true);
        });
    for (const char* caption : {"Go", "&Start||now", "A&&B", "Last&"})
        add(std::string("Caption ") + caption,
            [caption](zbButtons_H& b) { b.setCaption(QString::fromUtf8(caption)); });
    for (long v = 0; v <= 2; ++v)
        add(n("CaptionStyle", v), [v](zbButtons_H& b) { b.setCaptionStyle(v); });
    for (long v = 0; v <= 8; ++v)
        add(n("CustomClick", v), [v](zbButtons_H& b) { b.setCustomClick(v); });

    // Shapes, each with every caption alignment set after it.
    for (long shape = 0; shape <= 6; ++shape)
        for (long align = 0; align <= 2; ++align)
            add(n("Shape", shape) + n(" CaptionAlign", align), [shape, align](zbButtons_H& b) {
                b.setButtonShape(shape);
                b.setCaptionAlign(align);
            });
    for (long shape = 7; shape <= 8; ++shape) {
        add(n("Shape", shape) + " resource picture", [shape](zbButtons_H& b) {
            b.setPicture(resourcePicture(), kResourcePath);
            b.setButtonShape(shape);
        });
        add(n("Shape", shape) + " picture of the program's own, CustomClick 4",
            [shape](zbButtons_H& b) {
                b.setPicture(memoryBitmap());
                b.setButtonShape(shape);
                b.setCustomClick(4);
            });
    }

    // Pictures of every kind at every size and alignment.
    const std::pair<const char*, Setter> pictures[] = {
        {"resource", [](zbButtons_H& b) { b.setPicture(resourcePicture(), kResourcePath); }},
        {"own bitmap", [](zbButtons_H& b) { b.setPicture(memoryBitmap()); }},
        {"own alpha picture", [](zbButtons_H& b) { b.setPicture(memoryAlphaPicture()); }},
        {"own icon", [](zbButtons_H& b) { b.setPicture(memoryIcon(), {}, true); }},
    };
    for (const auto& [kind, setPicture] : pictures)
        for (long size = 0; size <= 4; ++size)
            add(std::string("Picture ") + kind + n(" PictureSize", size),
                [setPicture, size](zbButtons_H& b) {
                    b.setPictureSize(size);
                    setPicture(b);
                });
    for (long align = 0; align <= 5; ++align)
        add(n("PictureAlign", align) + " with a left caption set before the picture",
            [align](zbButtons_H& b) {
                b.setPictureAlign(align);
                b.setCaptionAlign(0);  // no picture yet: accepted
                b.setCaption(QStringLiteral("Go"));
                b.setPicture(memoryBitmap());
            });

    add("Enabled False", [](zbButtons_H& b) { b.setEnabled(false); });
    add("ShowFocusRect False", [](zbButtons_H& b) { b.setShowFocusRect(false); });
    for (int v : {0, 1, 2, 3, 5, 7, 11, 13, 15, 99})
        add(n("MousePointer", v), [v](zbButtons_H& b) { b.setMousePointer(v); });
    add("MouseIcon of the program's own", [](zbButtons_H& b) { b.setMouseIcon(memoryIcon()); });

    // Fonts: every style, weights between and beyond bold and normal.
    const auto font = [](int weight, bool italic, bool underline, bool strikeout) {
        DesignFontInfo f;
        f.name = QStringLiteral("Verdana");
        f.size = 9.75;
        f.weight = weight;
        f.italic = italic;
        f.underline = underline;
        f.strikeout = strikeout;
        return f;
    };
    for (const DesignFontInfo& f : {font(400, false, false, false), font(700, false, false, false),
                                    font(300, false, false, false), font(600, false, false, false),
                                    font(900, true, true, true), font(400, false, false, true)})
        add(n("Font weight", f.weight) + (f.strikeout ? " strikeout" : ""),
            [f](zbButtons_H& b) { b.setDesignFont(f); });
    for (long bits : {0L, 2L, 4L, 8L, 14L})
        add(n("FontStyle", bits), [bits](zbButtons_H& b) { b.setFontStyle(bits); });

    // Colours, plain and system, and every gradient and lock.
    for (OleColor c : {OleColor{0x00123456}, OleColor{0x80000008}}) {
        add(n("ForeColor", c), [c](zbButtons_H& b) { b.setForeColor(c); });
        add(n("BackColor", c), [c](zbButtons_H& b) { b.setBackColor(c); });
        add(n("GradientColor", c), [c](zbButtons_H& b) { b.setGradientColor(c); });
        add(n("HoverForeColor", c), [c](zbButtons_H& b) { b.setHoverForeColor(c); });
        add(n("HoverBackColor", c), [c](zbButtons_H& b) { b.setHoverBackColor(c); });
    }
    for (long v = 0; v <= 4; ++v)
        add(n("GradientMode", v), [v](zbButtons_H& b) {
            b.setGradientColor(0x00406080);
            b.setGradientMode(v);
        });
    for (long v = 0; v <= 3; ++v)
        add(n("HoverColorLocks", v), [v](zbButtons_H& b) {
            b.setHoverBackColor(0x0000FFFF);
            b.setHoverForeColor(0x00FF0000);
            b.setHoverColorLocks(v);
            b.setBackColor(0x00808080);
            b.setForeColor(0x00101010);
        });
    return cases;
}

// Every property as the button holds it, pictures by their pixels.
struct Everything {
    QJsonObject properties;
    DesignFontInfo font;  // every field, whatever the store's form shows
    QImage picture;
    QImage mouseIcon;
    bool pictureIsIcon = false;
    int imagePixelSize = 0;
    bool enabled = true;
    int mousePointer = 0;
    QString accessKey;

    explicit Everything(const zbButtons_H& b) {
        PropertyWriter all;
        writeProperties(b.state().props, all, true);
        properties = all.toJson();
        properties.remove(QStringLiteral("Image"));  // compared by pixels below
        properties.remove(QStringLiteral("mIcon"));
        font = b.Font();
        picture = b.Picture().convertToFormat(QImage::Format_ARGB32);
        mouseIcon = b.MouseIcon().convertToFormat(QImage::Format_ARGB32);
        pictureIsIcon = b.state().PictureIsIcon;
        imagePixelSize = b.ImagePixelSize();
        enabled = b.Enabled();
        mousePointer = b.MousePointer();
        accessKey = b.AccessKey();
    }
};

QJsonObject saved(const zbButtons_H& b) {
    PropertyWriter out;
    b.WriteProperties(out);
    return out.toJson();
}

class ButtonRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ButtonRoundTripTest, ASavedButtonLoadsBackAsItWasSaved) {
    QWidget form, other;
    zbButtons_H b(&form);
    b.resize(90, 30);
    GetParam().set(b);
    const QJsonObject store = saved(b);

    zbButtons_H again(&other);
    again.resize(90, 30);
    again.ReadProperties(PropertyBag(store, QStringLiteral("frmTest.again")));
    const Everything before(b), after(again);
    EXPECT_EQ(after.properties, before.properties);
    EXPECT_EQ(after.font, before.font);
    EXPECT_EQ(after.picture, before.picture);
    EXPECT_EQ(after.mouseIcon, before.mouseIcon);
    EXPECT_EQ(after.pictureIsIcon, before.pictureIsIcon);
    EXPECT_EQ(after.imagePixelSize, before.imagePixelSize);
    EXPECT_EQ(after.enabled, before.enabled);
    EXPECT_EQ(after.mousePointer, before.mousePointer);
    EXPECT_EQ(after.accessKey, before.accessKey);
    EXPECT_EQ(saved(again), store) << "and saves the same store again";
}

INSTANTIATE_TEST_SUITE_P(EveryProperty, ButtonRoundTripTest,
                         ::testing::ValuesIn(everyPropertyAndValue()),
                         [](const ::testing::TestParamInfo<RoundTripCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(ButtonPersistence, APictureOfTheProgramsOwnIsKeptInTheStore) {
    QWidget form;
    zbButtons_H b(&form);
    b.setPicture(memoryBitmap());
    const QString kept = saved(b).value(QStringLiteral("Image")).toString();
    EXPECT_TRUE(isPictureDataUrl(kept));
    EXPECT_FALSE(isIconDataUrl(kept));
    b.setPicture(memoryIcon(), {}, true);
    EXPECT_TRUE(isIconDataUrl(saved(b).value(QStringLiteral("Image")).toString()));
    b.setPicture(resourcePicture(), kResourcePath);
    EXPECT_EQ(saved(b).value(QStringLiteral("Image")).toString(), kResourcePath)
        << "a picture with a path is saved by its path";

    // A damaged kept picture loads as none.
    zbButtons_H damaged(&form);
    damaged.ReadProperties(storeOf(R"({"Image": "data:image/png;base64,AAAA"})"));
    EXPECT_TRUE(damaged.Picture().isNull());
    EXPECT_EQ(damaged.ButtonShape(), 0);
}

}  // namespace
}  // namespace qx
