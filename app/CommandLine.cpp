#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace qx {

CommandLineRequest parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Jigsaw puzzles from your own photographs."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which the game refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QString program = QCoreApplication::applicationName().toLower();
    const QString tryHelp = QStringLiteral("Try '%1 --help' for more information.\n").arg(program);

    if (!parser.parse(arguments))
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
