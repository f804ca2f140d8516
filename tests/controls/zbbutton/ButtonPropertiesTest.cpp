#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "controls/zbbutton/AmbientProperties.h"
#include "controls/zbbutton/ButtonPersistence.h"

namespace qx {
namespace {

QImage bitmap(int side = 20) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

struct DesignForm : QWidget {
    explicit DesignForm(bool design) { setProperty(kDesignModeProperty, design); }
};

TEST(ButtonProperties, CaptionAlignmentGivesWayToPicturesAboveOrBelow) {
    DesignForm form(true);
    SeenMessages seen;
    zbButtons_H b(&form);
    b.setCaptionAlign(0);
    EXPECT_EQ(b.CaptionAlign(), 0) << "no picture: any alignment";

    b.setPicture(bitmap());
    b.setPictureAlign(4);
    EXPECT_EQ(b.CaptionAlign(), 2) << "a picture on top centres the caption";
    b.setCaptionAlign(0);
    EXPECT_EQ(b.CaptionAlign(), 2);
    ASSERT_EQ(seen.texts.size(), 1);
    EXPECT_EQ(seen.texts[0], ButtonMessages::captionAlignRefused());
    EXPECT_EQ(seen.titles[0], programTitle());

    b.setPicture(QImage());
    b.setCaptionAlign(1);
    EXPECT_EQ(b.CaptionAlign(), 1) << "without the picture the refusal is gone";
    b.setCaptionAlign(3);
    EXPECT_EQ(b.CaptionAlign(), 1) << "out of range: ignored";
    EXPECT_EQ(seen.texts.size(), 1) << "and ignored without a word";
}

TEST(ButtonProperties, CustomShapesNeedABitmapAndTakeItAtFullSize) {
    DesignForm form(true);
    SeenMessages seen;
    zbButtons_H b(&form);
    b.setCaptionAlign(0);
    b.setButtonShape(7);
    EXPECT_EQ(b.ButtonShape(), 0);
    EXPECT_EQ(seen.texts, QStringList{ButtonMessages::shapeNeedsBitmap()});

    b.setPicture(bitmap(), QStringLiteral("x.ico"), true);
    b.setButtonShape(8);
    EXPECT_EQ(b.ButtonShape(), 0) << "an icon is no shape either";

    b.setPicture(bitmap());
    b.setButtonShape(7);
    EXPECT_EQ(b.ButtonShape(), 7);
    EXPECT_EQ(b.PictureSize(), 4);
    EXPECT_EQ(b.ImagePixelSize(), 48);
    EXPECT_EQ(b.CaptionAlign(), 2);
    b.setPictureSize(1);
    EXPECT_EQ(b.ImagePixelSize(), 48) << "shaped buttons keep their picture size";
    EXPECT_EQ(seen.texts.last(), ButtonMessages::pictureSizeOnShape());

    b.setPicture(bitmap(), QStringLiteral("x.ico"), true);
    EXPECT_EQ(b.ButtonShape(), 0) << "an icon turns a custom button rectangular";
    EXPECT_EQ(seen.texts.last(), ButtonMessages::iconOnCustomShape());

    b.setButtonShape(3);
    EXPECT_EQ(b.CaptionAlign(), 2);
    for (long size : {5L, -1L}) b.setPictureSize(size);
    EXPECT_EQ(b.ImagePixelSize(), 48);
}

TEST(ButtonProperties, HoverColoursFollowUntilSetApart) {
    QWidget form;
    zbButtons_H b(&form);
    QSignalSpy changed(&b, &zbButtons_H::PropertyChanged);
    b.setForeColor(0x112233);
    EXPECT_EQ(b.HoverForeColor(), 0x112233u);
    EXPECT_EQ(reportedKeys(changed), (QStringList{"cFHover", "cFore"}));

    b.setHoverForeColor(0x0000FF);
    EXPECT_EQ(b.HoverColorLocks(), 2);
    b.setForeColor(0x445566);
    EXPECT_EQ(b.HoverForeColor(), 0x0000FFu) << "a locked hover colour stays";

    b.setBackColor(0x808080);
    EXPECT_EQ(b.HoverBackColor(), 0x808080u) << "lock 2 still follows the face";
    b.setHoverBackColor(0x00FF00);
    EXPECT_EQ(b.HoverColorLocks(), 3);
    b.setBackColor(0x202020);
    EXPECT_EQ(b.HoverBackColor(), 0x00FF00u);

    b.setHoverColorLocks(7);
    EXPECT_EQ(b.HoverColorLocks(), 3) << "only 0 to 3 are locks";
    b.setHoverColorLocks(0);
    EXPECT_EQ(b.HoverBackColor(), 0x202020u);
    EXPECT_EQ(b.HoverForeColor(), 0x445566u);

    b.setGradientMode(2);
    b.setGradientColor(0x0A0B0C);
    EXPECT_EQ(b.HoverBackColor(), 0x0A0B0Cu) << "with a gradient the hover face is its colour";
    EXPECT_EQ(b.HoverColorLocks(), 0);
}

TEST(ButtonProperties, ResetDefaultColorsActsOnlyInADesigner) {
    for (bool design : {false, true}) {
        DesignForm form(design);
        zbButtons_H b(&form);
        b.setBackColor(0x123456);
        b.setForeColor(0x654321);
        b.setGradientMode(1);
        b.setResetDefaultColors(true);
        EXPECT_FALSE(b.ResetDefaultColors());
        EXPECT_EQ(b.BackColor(), design ? kButtonFace : 0x123456u);
        EXPECT_EQ(b.ForeColor(), design ? kButtonText : 0x654321u);
        EXPECT_EQ(b.GradientMode(), design ? 0 : 1);
        if (design) {
            EXPECT_EQ(b.HoverBackColor(), kButtonFace);
        }
    }
}

TEST(ButtonProperties, ValueBelongsToCheckAndOptionButtons) {
    for (bool design : {false, true}) {
        DesignForm form(design);
        SeenMessages seen;
        zbButtons_H b(&form);
        QSignalSpy changed(&b, &zbButtons_H::PropertyChanged);
        b.setValue(true);
        EXPECT_FALSE(b.Value());
        EXPECT_EQ(seen.texts.size(), design ? 1 : 0) << "design messages only in a designer";
        b.setValue(false);
        EXPECT_EQ(reportedKeys(changed), QStringList{"Value"}) << "False is accepted";

        b.setMode(1);
        b.setValue(true);
        b.setMode(0);
        EXPECT_FALSE(b.Value()) << "a command button drops its value";
        b.setMode(3);
        EXPECT_EQ(b.Mode(), 0);
    }
}

TEST(ButtonProperties, AccessKeys) {
    struct Case {
        const char* caption;
        const char* key;
    };
    const Case cases[] = {
        {"&Start", "S"}, {"Sta&rt", "r"}, {"Start&", ""}, {"A&&B", ""},
        {"A&&&B", "B"},  {"&A&&", "A"},   {"&A&B", "B"},  {"", ""},
    };
    QWidget form;
    zbButtons_H b(&form);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        b.setCaption(QStringLiteral("&Old"));
        b.setCaption(QString::fromUtf8(c.caption));
        EXPECT_EQ(b.AccessKey(), QString::fromUtf8(c.key));
    }
    b.setCaption(QStringLiteral("&Old"));
    b.setCaption(QStringLiteral("Plain"));
    EXPECT_EQ(b.AccessKey(), QString()) << "no stale key from the previous caption";
}

TEST(ButtonProperties, DelayDrawingPaintsOnceForABatch) {
    QWidget form;
    zbButtons_H b(&form);
    b.resize(60, 20);
    b.setButtonStyle(3);
    const int before = b.RedrawCount();
    b.DelayDrawing(true);
    b.setCaption(QStringLiteral("One"));
    b.setBackColor(0x00FF00);
    b.setForeColor(0x0000FF);  // switches drawing back on by itself
    b.setButtonShape(1);       // ends with DelayDrawing(False) of its own
    b.setEnabled(false);       // so does this one for style 3
    b.setPicture(bitmap());
    b.setButtonShape(0);
    EXPECT_EQ(b.RedrawCount(), before) << "nothing painted inside the batch";
    EXPECT_TRUE(b.state().DrawingDelayed);
    b.DelayDrawing(false);
    EXPECT_EQ(b.RedrawCount(), before + 1);
    b.DelayDrawing(true);
    b.setValue(false);
    b.Refresh();
    EXPECT_EQ(b.RedrawCount(), before + 2) << "Refresh ends a batch too";
}

TEST(ButtonProperties, ChangesReportTheirStoreKeys) {
    QWidget form;
    zbButtons_H b(&form);
    QSignalSpy changed(&b, &zbButtons_H::PropertyChanged);
    b.setButtonStyle(2);
    b.setButtonStyle(8);  // ignored
    b.setBackColor(0x101010);
    b.setPictureSize(2);
    b.setFontStyle(2 | 8);
    b.setShowFocusRect(false);
    b.setCustomClick(3);
    b.setMousePointer(11);
    EXPECT_EQ(reportedKeys(changed), (QStringList{"BackStyle", "cBHover", "cBack", "ImgSize",
                                                  "Font", "Focus", "CustomClick", "mPointer"}));
    EXPECT_EQ(b.FontStyle(), 10);
    EXPECT_TRUE(b.Font().bold() && b.Font().underline && !b.Font().italic);
    EXPECT_EQ(b.ImagePixelSize(), 32);
    EXPECT_EQ(b.MousePointer(), 11);
}

// --- saving and loading -----------------------------------------------------------

QJsonObject saved(const zbButtons_H& b) {
    PropertyWriter out;
    b.WriteProperties(out);
    return out.toJson();
}

QStringList savedKeys(const zbButtons_H& b) {
    PropertyWriter out;
    b.WriteProperties(out);
    QStringList keys;
    for (const auto& e : out.entries()) keys << e.first;
    return keys;
}

TEST(ButtonPersistence, DefaultsAreNotWrittenExceptModeValueAndBackColour) {
    QWidget form;
    zbButtons_H b(&form);
    b.ReadProperties(storeOf("{}"));
    EXPECT_EQ(savedKeys(b), (QStringList{"Font", "Mode", "Value", "cBack"}));

    b.setCaption(QStringLiteral("Go"));
    b.setCaptionAlign(0);
    b.setHoverBackColor(0x00C0FFFF);
    b.setMode(1);
    b.setValue(true);
    EXPECT_EQ(savedKeys(b), (QStringList{"Caption", "CapAlign", "Font", "cBhover", "LockHover",
                                         "Mode", "Value", "cBack"}));
    const QJsonObject json = saved(b);
    EXPECT_EQ(json.value(QStringLiteral("cBhover")).toString(), QStringLiteral("&H00C0FFFF&"));
    EXPECT_EQ(json.value(QStringLiteral("Value")), QJsonValue(true));

    zbButtons_H again(&form);
    again.ReadProperties(PropertyBag(json, QStringLiteral("frmTest.again")));
    EXPECT_EQ(again.CaptionAlign(), 0) << "left alignment without a picture survives the trip";
    EXPECT_EQ(again.HoverBackColor(), 0x00C0FFFFu) << "written cBhover, read cBHover";
    EXPECT_EQ(saved(again), json);
}

TEST(ButtonPersistence, KeysMatchWithoutLetterCase) {
    PropertyWriter out;
    out.write(QStringLiteral("cBHover"), 1);
    out.write(QStringLiteral("cBhover"), 2);
    ASSERT_EQ(out.entries().size(), 1u);
    EXPECT_EQ(out.entries()[0].second, QJsonValue(2));

    QWidget form;
    zbButtons_H b(&form);
    b.ReadProperties(storeOf(R"({"CBHOVER": "&H000000FF&", "mode": 1, "VALUE": true})"));
    EXPECT_EQ(b.HoverBackColor(), 0x000000FFu);
    EXPECT_TRUE(b.Value());
}

TEST(ButtonPersistence, StoredValuesPassTheSetRuleChecks) {
    QWidget form;
    zbButtons_H b(&form);
    b.ReadProperties(storeOf(R"({"BackStyle": 9, "ImgSize": 20, "LockHover": 7, "Shape": 7,
        "Gradient": -1, "CapStyle": 3, "ImgAlign": 6, "CustomClick": 9, "Mode": 5,
        "CapAlign": 0, "Value": true})"));
    EXPECT_EQ(b.ButtonStyle(), 0);
    EXPECT_EQ(b.ImagePixelSize(), 16);
    EXPECT_EQ(b.HoverColorLocks(), 0);
    EXPECT_EQ(b.ButtonShape(), 0) << "a custom shape without its bitmap";
    EXPECT_EQ(b.GradientMode(), 0);
    EXPECT_EQ(b.CaptionStyle(), 0);
    EXPECT_EQ(b.PictureAlign(), 0);
    EXPECT_EQ(b.CustomClick(), 0);
    EXPECT_EQ(b.Mode(), 0);
    EXPECT_FALSE(b.Value());
}

TEST(ButtonPersistence, AStoreWithoutAFontTakesTheContainersFont) {
    QWidget form;
    form.setProperty(kDesignFontProperty,
                     QJsonObject{{QStringLiteral("Name"), QStringLiteral("Verdana")},
                                 {QStringLiteral("Size"), 9.75},
                                 {QStringLiteral("Bold"), true}});
    zbButtons_H b(&form);
    b.ReadProperties(storeOf(R"({"Caption": "No font", "cBack": "&H00BAD7DE&"})"));
    EXPECT_EQ(b.Caption(), QStringLiteral("No font")) << "the load went on past the font";
    EXPECT_EQ(b.BackColor(), 0x00BAD7DEu);
    EXPECT_EQ(b.Font().name, QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(b.Font().size, 9.75);
    EXPECT_TRUE(b.Font().bold());
}

// Every button of the game's windows: loaded and saved, it gives back its
// design entry (the keys the button owns), in the design files' form.
TEST(ButtonPersistence, GameButtonsSaveWhatTheirDesignsSay) {
    const QStringList controlKeys{"Caption",     "CapAlign", "BackStyle", "Shape",   "Font",
                                  "cFore",       "cFHover",  "cBhover",   "Focus",   "LockHover",
                                  "cGradient",   "Gradient", "CapStyle",  "Mode",    "Value",
                                  "CustomClick", "ImgAlign", "Image",     "ImgSize", "Enabled",
                                  "cBack",       "mPointer", "mIcon"};
    int buttons = 0;
    QWidget container;
    for (const DesignButton& design : designButtons()) {
        const QJsonObject& entry = design.properties;
        SCOPED_TRACE(design.name.toStdString());
        zbButtons_H b(&container);
        b.ReadProperties(PropertyBag(entry, QStringLiteral("test")));
        const QJsonObject out = saved(b);
        for (const QString& key : controlKeys) {
            const QJsonValue written = out.value(key);
            const QJsonValue designed = entry.value(key);
            if (!written.isUndefined() && !designed.isUndefined())
                EXPECT_EQ(written, designed) << key.toStdString();
            else if (!written.isUndefined() && key != QLatin1String("Font") &&
                     key != QLatin1String("cBack"))
                ADD_FAILURE() << "wrote " << key.toStdString() << " the design lacks";
        }
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            if (!controlKeys.contains(it.key()) || out.contains(it.key())) continue;
            // Left out only because it is the default.
            zbButtons_H reloaded(&container);
            reloaded.ReadProperties(PropertyBag(out, QStringLiteral("test")));
            EXPECT_EQ(saved(reloaded), out);
            EXPECT_TRUE(it.value() == QJsonValue(0) || it.value() == QJsonValue(false) ||
                        it.value() == QJsonValue(QString()))
                << it.key().toStdString();
        }
        ++buttons;
    }
    EXPECT_EQ(buttons, 14);
}

}  // namespace
}  // namespace qx
