#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs quiltrix-button on one design entry and a script; the parsed report.
QJsonObject runTool(const char* props, const char* events,
                    const QString& size = QStringLiteral("80x20"), QImage* face = nullptr) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const char* text) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    };
    QProcess tool;
    tool.start(QStringLiteral(QX_BUTTON_TOOL),
               {QStringLiteral("--props"), write("props.json", props), QStringLiteral("--size"),
                size, QStringLiteral("--container-color"), QStringLiteral("&H00838F88&"),
                QStringLiteral("--events"), write("events.txt", events), QStringLiteral("--json"),
                dir.filePath(QStringLiteral("out.json")), QStringLiteral("--png"),
                dir.filePath(QStringLiteral("face.png"))});
    EXPECT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    if (face) *face = QImage(dir.filePath(QStringLiteral("face.png")));
    QFile out(dir.filePath(QStringLiteral("out.json")));
    EXPECT_TRUE(out.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(out.readAll()).object();
}

QStringList eventNames(const QJsonObject& report) {
    QStringList names;
    for (const QJsonValue& e : report.value(QStringLiteral("Events")).toArray())
        names << e[QStringLiteral("name")].toString();
    return names;
}

TEST(ButtonTool, SpaceBarOnACommandButtonAndTheSavedEntries) {
    const QJsonObject r =
        runTool(R"({"Caption": "START", "cBack": "&H00CBE1E7&", "cBhover": "&H00CBE1E7&"})",
                "focus\nkeydown 32\nkeydown 32\nkeyup 32\nkeydown 39\nkeyup 39\n"
                "set LockHover 9\nset cFore &H00004080&\n");
    EXPECT_EQ(eventNames(r),
              (QStringList{"KeyDown", "KeyPress", "KeyDown", "KeyPress", "Click", "KeyUp"}));
    EXPECT_EQ(r[QStringLiteral("LastButton")].toInt(), 1);
    EXPECT_EQ(r[QStringLiteral("StateFlags")].toInt(), 1) << "focused: shown as the default";
    const QJsonObject props = r[QStringLiteral("Properties")].toObject();
    EXPECT_EQ(props.size(), 23);
    EXPECT_EQ(props[QStringLiteral("cFHover")].toString(), QStringLiteral("&H00004080&"));
    EXPECT_EQ(props[QStringLiteral("LockHover")].toInt(), 0);
    EXPECT_EQ(r[QStringLiteral("FaceColor")].toInt(), 0x00CBE1E7);
    EXPECT_EQ(r[QStringLiteral("CheckedFaceColor")].toInt(), 223 + 224 * 256 + 224 * 65536);

    QStringList saved;
    for (const QJsonValue& pair : r[QStringLiteral("Saved")].toArray())
        saved << pair.toArray().at(0).toString();
    EXPECT_EQ(saved,
              (QStringList{"Caption", "Font", "cFore", "cFHover", "Mode", "Value", "cBack"}));
}

TEST(ButtonTool, HoverLeavesOnTheCheckAfterTheCursorMovedAway) {
    const QJsonObject r = runTool(R"({"Mode": 1})", "move 3 3\npress 3 3\nleave\n");
    EXPECT_EQ(eventNames(r),
              (QStringList{"MouseOnButton", "MouseMove", "MouseDown", "MouseOnButton"}));
    EXPECT_FALSE(r[QStringLiteral("IsHovering")].toBool());
    EXPECT_FALSE(r[QStringLiteral("IsHeldDown")].toBool());
    EXPECT_EQ(r[QStringLiteral("StateFlags")].toInt(), 2) << "still pressed";
}

QList<int> rect(const QJsonObject& report, const char* name) {
    QList<int> r;
    for (const QJsonValue& v : report.value(QLatin1String(name)).toArray()) r << v.toInt();
    return r;
}

TEST(ButtonTool, SlantedButtonReportsItsContentBandAndLayout) {
    const QJsonObject r = runTool(R"({"Caption": "Go", "Shape": 3})", "", QStringLiteral("100x20"));
    EXPECT_EQ(r[QStringLiteral("ContentLeft")].toInt(), 21);
    EXPECT_EQ(r[QStringLiteral("ContentRight")].toInt(), 79);
    const QList<int> caption = rect(r, "CaptionRect");
    ASSERT_EQ(caption.size(), 4);
    EXPECT_GE(caption[0], 21);
    EXPECT_LE(caption[2], 82);
    EXPECT_EQ(rect(r, "PictureRect"), (QList<int>{0, 0, 0, 0}));
}

TEST(ButtonTool, FacePictureIsTransparentOutsideTheWindowRegion) {
    QImage face;
    runTool(R"({"Caption": "Oval", "Shape": 4})", "", QStringLiteral("60x30"), &face);
    ASSERT_EQ(face.size(), QSize(60, 30));
    EXPECT_TRUE(face.hasAlphaChannel());
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(face.pixel(59, 29)), 0);
    EXPECT_EQ(qAlpha(face.pixel(30, 15)), 255);
    EXPECT_EQ(qAlpha(face.pixel(30, 0)), 255);  // the ellipse reaches the top row
}

}  // namespace
