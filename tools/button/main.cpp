// One game button outside the game: loaded from a design entry, driven by a
// script of input events, reported as JSON.
//   quiltrix-button --props PROPS.json --size WxH [--container-color COLOUR]
//                   [--events EVENTS] --json OUT.json [--png OUT.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPalette>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>

#include "ButtonScript.h"
#include "controls/zbbutton/ButtonPersistence.h"
#include "controls/zbbutton/zbButtons_H.h"

namespace {

using namespace qx;

constexpr int kMargin = 10;  // the container around the button

[[noreturn]] void fail(const QString& message) {
    QTextStream(stderr) << "quiltrix-button: " << message << '\n';
    std::exit(1);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fail(QStringLiteral("cannot read ") + path);
    return file.readAll();
}

QJsonArray pairs(const PropertyWriter& writer) {
    QJsonArray out;
    for (const auto& [key, value] : writer.entries()) out.append(QJsonArray{key, value});
    return out;
}

QJsonArray rect(const GdiRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

QJsonObject report(const zbButtons_H& b, const QJsonArray& events) {
    const ButtonState& s = b.state();
    PropertyWriter all, saved;
    writeProperties(s.props, all, true);
    b.WriteProperties(saved);
    return {
        {QStringLiteral("Width"), s.Width},
        {QStringLiteral("Height"), s.Height},
        {QStringLiteral("StateFlags"), s.StateFlags},
        {QStringLiteral("IsHovering"), s.IsHovering},
        {QStringLiteral("IsHeldDown"), s.IsHeldDown},
        {QStringLiteral("LastButton"), s.LastButton},
        {QStringLiteral("DrawingDelayed"), s.DrawingDelayed},
        {QStringLiteral("Properties"), all.toJson()},
        {QStringLiteral("Events"), events},
        {QStringLiteral("FaceColor"), s.colors.FaceColor},
        {QStringLiteral("PressedFaceColor"), s.colors.PressedFaceColor},
        {QStringLiteral("HoverFaceColor"), s.colors.HoverFaceColor},
        {QStringLiteral("CheckedFaceColor"), s.colors.CheckedFaceColor},
        {QStringLiteral("ContentLeft"), s.ContentLeft},
        {QStringLiteral("ContentRight"), s.ContentRight},
        {QStringLiteral("CaptionRect"), rect(s.CaptionRect)},
        {QStringLiteral("PictureRect"), rect(s.PictureRect)},
        {QStringLiteral("Saved"), pairs(saved)},
    };
}

// The face as painted, transparent outside the window region.
QImage facePicture(const zbButtons_H& b) {
    QImage face = b.shownFace().convertToFormat(QImage::Format_ARGB32);
    const QRegion region =
        b.state().OuterRegion.isEmpty() ? QRegion(face.rect()) : b.state().OuterRegion;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (!region.contains(QPoint(x, y))) face.setPixel(x, y, 0);
    return face;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("One game button, driven and reported."));
    parser.addHelpOption();
    const QCommandLineOption props(QStringLiteral("props"), QStringLiteral("properties JSON"),
                                   QStringLiteral("file"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("WxH"),
                                  QStringLiteral("size"));
    const QCommandLineOption container(QStringLiteral("container-color"),
                                       QStringLiteral("the container's colour"),
                                       QStringLiteral("colour"));
    const QCommandLineOption events(QStringLiteral("events"), QStringLiteral("events file"),
                                    QStringLiteral("file"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("report"),
                                  QStringLiteral("file"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("face picture"),
                                 QStringLiteral("file"));
    parser.addOptions({props, size, container, events, json, png});
    parser.process(app);
    if (!parser.isSet(props) || !parser.isSet(size) || !parser.isSet(json))
        fail(QStringLiteral("--props, --size and --json are required"));

    const QStringList wh = parser.value(size).split(QLatin1Char('x'));
    const int width = wh.value(0).toInt(), height = wh.value(1).toInt();
    if (wh.size() != 2 || width <= 0 || height <= 0) fail(QStringLiteral("--size must be WxH"));

    OleColor ground = kButtonFace;
    if (parser.isSet(container)) {
        const QString text = parser.value(container);
        bool ok = parseOleColor(text, ground);
        if (!ok) ground = text.toUInt(&ok);
        if (!ok) fail(QStringLiteral("bad --container-color ") + text);
    }

    QWidget form;
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, toQColor(ground));
    form.setPalette(palette);
    form.setGeometry(0, 0, width + 2 * kMargin, height + 2 * kMargin);
    QWidget elsewhere;
    elsewhere.setGeometry(width + 4 * kMargin, 0, 40, 40);

    try {
        const QJsonDocument doc = QJsonDocument::fromJson(readFile(parser.value(props)));
        if (!doc.isObject()) fail(QStringLiteral("the properties must be one JSON object"));
        auto* button = new zbButtons_H(&form);
        button->setGeometry(kMargin, kMargin, width, height);
        button->ReadProperties(PropertyBag(doc.object(), QStringLiteral("props")));
        form.show();
        elsewhere.show();
        QApplication::processEvents();

        ButtonScript script(*button, form, elsewhere);
        if (parser.isSet(events)) script.run(QString::fromUtf8(readFile(parser.value(events))));

        QFile out(parser.value(json));
        if (!out.open(QIODevice::WriteOnly))
            fail(QStringLiteral("cannot write ") + parser.value(json));
        out.write(QJsonDocument(report(*button, script.events())).toJson());
        if (parser.isSet(png) && !facePicture(*button).save(parser.value(png), "PNG"))
            fail(QStringLiteral("cannot write ") + parser.value(png));
    } catch (const std::exception& e) {
        fail(QString::fromUtf8(e.what()));
    }
    return 0;
}
