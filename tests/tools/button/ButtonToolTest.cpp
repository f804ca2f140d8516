#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs quiltrix-button on one design entry and a script; the parsed report.
QJsonObject runTool(const char* props, const char* events,
                    const QString& size = QStringLiteral("80x20")) {
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
                dir.filePath(QStringLiteral("out.json"))});
    EXPECT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
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

}  // namespace
