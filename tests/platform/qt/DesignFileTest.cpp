#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "platform/qt/FormDesign.h"

namespace qx {
namespace {

PropertyBag bag(const char* json) {
    return PropertyBag(QJsonDocument::fromJson(QByteArray(json)).object(),
                       QStringLiteral("Form.ctl"));
}

// Runs `read` and returns the DesignError's text, or "" when nothing was thrown.
template <class F>
std::string errorOf(F read) {
    try {
        read();
    } catch (const DesignError& e) {
        return e.what();
    }
    return {};
}

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
    const PropertyBag p = bag(R"({"cBhover": "&H00FFFFC0&", "CAPTION": "Go"})");
    EXPECT_EQ(p.color(QStringLiteral("cBHover"), 0), oleRgb(192, 255, 255));
    EXPECT_EQ(p.text(QStringLiteral("Caption")), QStringLiteral("Go"));
    EXPECT_TRUE(p.contains(QStringLiteral("caption")));
    EXPECT_NE(errorOf([] { bag(R"({"Mode": 1, "mode": 2})"); }).find("given twice"),
              std::string::npos);
}

TEST(PropertyBag, MissingKeysGiveTheCallersDefaults) {
    const PropertyBag p = bag("{}");
    EXPECT_EQ(p.text(QStringLiteral("Caption"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(p.integer(QStringLiteral("CapAlign"), 2), 2);
    EXPECT_TRUE(p.boolean(QStringLiteral("Enabled"), true));
    EXPECT_EQ(p.color(QStringLiteral("cFore"), kButtonText), kButtonText);
    const DesignFontInfo fallback{QStringLiteral("Verdana"), 9.0, 700, false, false, true};
    EXPECT_EQ(p.font(QStringLiteral("Font"), fallback), fallback);
    EXPECT_TRUE(p.picturePath(QStringLiteral("Image")).isEmpty());
}

TEST(PropertyBag, ReadsTheStoredNotations) {
    const PropertyBag p = bag(R"({"a": "&H00004080&", "b": "0x8000000F", "c": 255, "t": -1, "f": 0,
        "Font": {"Name": "Small Fonts", "Size": 6.75, "bold": true}, "Image": "bitmaps/clock.png"})");
    EXPECT_EQ(p.color(QStringLiteral("a"), 0), oleRgb(128, 64, 0));
    EXPECT_EQ(p.color(QStringLiteral("b"), 0), kButtonFace);
    EXPECT_EQ(p.color(QStringLiteral("c"), 0), oleRgb(255, 0, 0));
    EXPECT_TRUE(p.boolean(QStringLiteral("t")));
    EXPECT_FALSE(p.boolean(QStringLiteral("f"), true));
    EXPECT_EQ(p.integer(QStringLiteral("t")), -1);
    const DesignFontInfo font = p.font(QStringLiteral("Font"));
    EXPECT_EQ(font.name, QStringLiteral("Small Fonts"));
    EXPECT_DOUBLE_EQ(font.size, 6.75);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.weight, 700);
    EXPECT_FALSE(font.italic);
    EXPECT_EQ(p.picturePath(QStringLiteral("Image")), QStringLiteral(":/bitmaps/clock.png"));
}

TEST(PropertyBag, AValueOfTheWrongKindFailsNamingControlAndKey) {
    const PropertyBag p = bag(R"({"Caption": 5, "Mode": "two", "Half": 1.5, "Flag": 3,
        "Back": "#FF0000", "Font": {"Name": "", "Size": 8}, "Big": "&H123456789&"})");
    for (const char* key : {"Caption", "Mode", "Half", "Flag", "Back", "Font", "Big"}) {
        const std::string error = errorOf([&] {
            const QString k = QString::fromLatin1(key);
            if (k == QLatin1String("Caption")) p.text(k);
            if (k == QLatin1String("Mode") || k == QLatin1String("Half")) p.integer(k);
            if (k == QLatin1String("Flag")) p.boolean(k);
            if (k == QLatin1String("Back") || k == QLatin1String("Big")) p.color(k, 0);
            if (k == QLatin1String("Font")) p.font(k);
        });
        EXPECT_NE(error.find("Form.ctl"), std::string::npos) << key << ": " << error;
        EXPECT_NE(error.find(key), std::string::npos) << key << ": " << error;
    }
}

constexpr char kSmallForm[] = R"({
  "form": "frmTest",
  "properties": {"ClientWidth": 100, "ClientHeight": 50},
  "controls": [
    {"name": "opt", "index": 1, "kind": "zbButtons_H", "rect": [1, 2, 3, 4]},
    {"name": "Frame1", "kind": "Frame", "rect": [10, 10, 80, 30],
     "controls": [{"name": "Label1", "kind": "Label", "rect": [5, 6, 7, 8], "properties": {"Caption": "in"}}]}
  ],
  "menus": [{"name": "mnuFile", "caption": "File",
             "items": [{"name": "mnuExit", "caption": "Exit"}, {"separator": true}]}]
})";

TEST(FormDesign, ReadsControlsNestedControlsAndMenus) {
    const FormDesign form = parseFormDesign(kSmallForm, QStringLiteral("test.json"));
    EXPECT_EQ(form.name, QStringLiteral("frmTest"));
    EXPECT_EQ(form.properties.integer(QStringLiteral("ClientWidth")), 100);
    ASSERT_EQ(form.controls.size(), 2u);
    EXPECT_EQ(form.controls[0].key(), QStringLiteral("opt(1)"));
    EXPECT_EQ(form.controls[0].rect, QRect(1, 2, 3, 4));
    EXPECT_EQ(form.find(QStringLiteral("opt")), nullptr)
        << "an array member is found only with its index";
    const ControlDesign& inner = form.control(QStringLiteral("Label1"));
    EXPECT_EQ(inner.rect, QRect(5, 6, 7, 8));
    EXPECT_EQ(inner.properties.text(QStringLiteral("Caption")), QStringLiteral("in"));
    ASSERT_EQ(form.menus.size(), 1u);
    ASSERT_EQ(form.menus[0].items.size(), 2u);
    EXPECT_EQ(form.menus[0].items[0].caption, QStringLiteral("Exit"));
    EXPECT_TRUE(form.menus[0].items[1].separator);
    EXPECT_NE(errorOf([&] { form.control(QStringLiteral("cmdGone")); }).find("cmdGone"),
              std::string::npos);
}

// The fonts a window will ask for, so they can be prepared ahead of it.
TEST(FormDesign, ListsTheFontsOfTheFormAndOfNestedControlsInOrder) {
    const FormDesign design = parseFormDesign(R"({"form": "frmTest",
        "properties": {"ClientWidth": 10, "ClientHeight": 10,
                       "Font": {"Name": "MS Sans Serif", "Size": 8.25}},
        "controls": [
          {"name": "Frame1", "kind": "Frame", "rect": [0, 0, 5, 5],
           "properties": {"Font": {"Name": "Verdana", "Size": 12, "Bold": true}},
           "controls": [
            {"name": "Label1", "kind": "Label", "rect": [0, 0, 2, 2],
             "properties": {"Font": {"Name": "Impact", "Size": 18, "Italic": true}}}]},
          {"name": "Image1", "kind": "Image", "rect": [0, 0, 2, 2]},
          {"name": "Label2", "kind": "Label", "rect": [0, 0, 2, 2],
           "properties": {"Font": {"Name": "Small Fonts", "Size": 6.75}}}]})",
                                              QStringLiteral("test"));
    const QList<DesignFontInfo> expected{
        {QStringLiteral("MS Sans Serif"), 8.25},
        {QStringLiteral("Verdana"), 12, DesignFontInfo::kBoldWeight},
        {QStringLiteral("Impact"), 18, DesignFontInfo::kNormalWeight, true},
        {QStringLiteral("Small Fonts"), 6.75}};
    EXPECT_EQ(design.fonts(), expected);
}

TEST(FormDesign, BadFilesFailLoudly) {
    const char* const bad[] = {
        "",                                                                         // empty
        R"({"form": "f", "controls": [)",                                           // cut off
        R"([1, 2])",                                                                // not an object
        R"({"controls": []})",                                                      // no form name
        R"({"form": "f", "controls": [{"kind": "Label", "rect": [0, 0, 1, 1]}]})",  // no control
                                                                                    // name
        R"({"form": "f", "controls": [{"name": "a", "rect": [0, 0, 1, 1]}]})",      // no kind
        R"({"form": "f", "controls": [{"name": "a", "kind": "Label", "rect": [0, 0, 1]}]})",
        R"({"form": "f", "controls": [{"name": "a", "kind": "Label", "rect": [0, 0, -1, 1]}]})",
        R"({"form": "f", "controls": [{"name": "a", "kind": "Label", "rect": [0, 0, 1.5, 1]}]})",
        R"({"form": "f", "controls": [{"name": "a", "kind": "Label", "rect": [0, 0, 1, 1]},
                                      {"name": "a", "kind": "Label", "rect": [0, 0, 1, 1]}]})",
        R"({"form": "f", "controls": [{"name": "a", "index": -2, "kind": "Label", "rect": [0, 0, 1, 1]}]})",
        R"({"form": "f", "menus": [{"name": "m"}]})",
    };
    for (const char* json : bad)
        EXPECT_FALSE(errorOf([&] { parseFormDesign(json, QStringLiteral("bad.json")); }).empty())
            << json;
    EXPECT_NE(errorOf([] {
                  loadFormDesign(QStringLiteral("/nonexistent/frmMain.json"));
              }).find("cannot be read"),
              std::string::npos);
}

}  // namespace
}  // namespace qx
