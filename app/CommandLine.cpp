#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace qx {

namespace {

// Qt's own options every Qt program takes (QGuiApplication, QApplication and
// the X11 platform): QApplication reads them later, the game passes them by.
const char* const kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const char* const kQtFlags[] = {"reverse", "widgetcount"};
const char* const kQtOptionsWithJoinedValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

// The arguments without Qt's options and their values; an empty list when a
// value is missing, with `missing` naming the option.
QStringList withoutQtOptions(const QStringList& arguments, QString& missing) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        // Qt takes "-name" and "--name" alike.
        const QString name = arg.startsWith(QLatin1String("--")) ? arg.mid(2)
                             : arg.startsWith(QLatin1Char('-'))  ? arg.mid(1)
                                                                 : QString();
        const auto is = [&name](const char* option) { return name == QLatin1String(option); };
        const auto joined = [&name](const char* option) {
            return name.startsWith(QLatin1String(option));
        };
        if (i > 0 &&
            std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), is)) {
            if (i + 1 == arguments.size()) {
                missing = arg;
                return {};
            }
            ++i;
        } else if (i == 0 || (!std::any_of(std::begin(kQtFlags), std::end(kQtFlags), is) &&
                              !std::any_of(std::begin(kQtOptionsWithJoinedValue),
                                           std::end(kQtOptionsWithJoinedValue), joined))) {
            kept << arg;
        }
    }
    return kept;
}

}  // namespace

CommandLineRequest parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Jigsaw puzzles from your own photographs."));
    // Not addHelpOption(): --help lists only the game's options, Qt's pass through unlisted.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QString program = QCoreApplication::applicationName().toLower();
    const QString tryHelp = QStringLiteral("Try '%1 --help' for more information.\n").arg(program);

    QString missing;
    const QStringList ours = withoutQtOptions(arguments, missing);
    if (!missing.isEmpty())
        return {false, 2,
                QStringLiteral("%1: missing value after '%2'\n").arg(program, missing) + tryHelp};
    if (!parser.parse(ours))
        return {false, 2, QStringLiteral("%1: %2\n").arg(program, parser.errorText()) + tryHelp};
    if (!parser.positionalArguments().isEmpty())
        return {false, 2,
                QStringLiteral("%1: unexpected argument '%2'\n")
                        .arg(program, parser.positionalArguments().constFirst()) +
                    tryHelp};
    if (parser.isSet(help)) return {false, 0, parser.helpText()};
    if (parser.isSet(version))
        return {false, 0,
                QStringLiteral("%1 %2\n").arg(program, QCoreApplication::applicationVersion())};
    return {};
}

}  // namespace qx
