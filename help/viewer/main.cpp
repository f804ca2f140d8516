// quiltrix-help: shows a compiled help file.
//   quiltrix-help --version
//   quiltrix-help [--serve] [--topic PATH | --context N | --contents | --index |
//                  --search WORDS | --keyword NAMES | --alink NAMES] FILE[>WINDOW]
// --serve waits for requests from the game on the viewer's local socket.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "help/ViewerClient.h"
#include "help/viewer/ViewerServer.h"
#include "platform/qt/QuitOnSignals.h"
#include "quiltrix/Version.h"

namespace {

// A viewer started for the game that never gets its request ends by itself.
constexpr int kIdleStartMs = 15000;

qx::ViewerRequest requestFrom(const QCommandLineParser& args) {
    using Command = qx::ViewerRequest::Command;
    qx::ViewerRequest request;
    if (args.isSet(QStringLiteral("context"))) {
        request.command = Command::Context;
        request.context = args.value(QStringLiteral("context")).toUInt();
    } else if (args.isSet(QStringLiteral("contents"))) {
        request.command = Command::Contents;
    } else if (args.isSet(QStringLiteral("index"))) {
        request.command = Command::Index;
    } else if (args.isSet(QStringLiteral("search"))) {
        request.command = Command::Search;
        request.names = args.value(QStringLiteral("search"));
    } else if (args.isSet(QStringLiteral("keyword"))) {
        request.command = Command::Keyword;
        request.names = args.value(QStringLiteral("keyword"));
    } else if (args.isSet(QStringLiteral("alink"))) {
        request.command = Command::ALink;
        request.names = args.value(QStringLiteral("alink"));
    } else {
        request.topic = args.value(QStringLiteral("topic"));
    }
    return request;
}

}  // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--version") == 0) {
            std::printf("quiltrix-help %s\n", QUILTRIX_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quiltrix-help"));
    QApplication::setQuitOnLastWindowClosed(false);
    // A stop ends the viewer in any state, its lock and socket removed.
    const qx::QuitOnSignals quitOnSignals;

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Shows a compiled help file."));
    args.addHelpOption();
    args.addOptions({
        {QStringLiteral("serve"), QStringLiteral("Wait for requests from the game.")},
        {QStringLiteral("topic"), QStringLiteral("Page inside the file."), QStringLiteral("path")},
        {QStringLiteral("context"), QStringLiteral("Context number."), QStringLiteral("number")},
        {QStringLiteral("contents"), QStringLiteral("Show the contents.")},
        {QStringLiteral("index"), QStringLiteral("Show the index.")},
        {QStringLiteral("search"), QStringLiteral("Search the pages."), QStringLiteral("words")},
        {QStringLiteral("keyword"), QStringLiteral("Keyword lookup."), QStringLiteral("names")},
        {QStringLiteral("alink"), QStringLiteral("A-link lookup."), QStringLiteral("names")},
    });
    args.addPositionalArgument(QStringLiteral("file"), QStringLiteral("FILE or FILE>WINDOW"));
    args.process(app);

    const QString target = args.positionalArguments().value(0);
    const qsizetype split = target.indexOf(QLatin1Char('>'));
    const QString file = split < 0 ? target : target.left(split);
    const QString windowType = split < 0 ? QString() : target.mid(split + 1);

    qx::ViewerServer server(file, windowType);
    const bool serve = args.isSet(QStringLiteral("serve"));
    QString error;
    if (!server.listen(&error)) {
        if (server.servedElsewhere()) {
            if (serve) return 0;  // the running viewer answers
            const auto window =
                qx::ViewerClient::sendToRunning(server.socketPath(), requestFrom(args));
            if (!window) std::fprintf(stderr, "quiltrix-help: %s\n", qPrintable(error));
            return window ? 0 : 1;
        }
        std::fprintf(stderr, "quiltrix-help: cannot take requests: %s\n", qPrintable(error));
        if (serve) return 1;
        // Started by hand: the file is still shown.
    }
    QObject::connect(&server, &qx::ViewerServer::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (serve) {
        server.finishUnlessShownWithin(kIdleStartMs);
    } else {
        server.handle(requestFrom(args));
    }
    return app.exec();
}
