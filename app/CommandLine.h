#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// What the command line asks for. The game itself takes no arguments; the
// options only describe it, and need no display. Qt's standard options (-style,
// -platform, -geometry, ...) pass through to QApplication.
struct CommandLineRequest {
    bool run = true;  // start the game
    int exitStatus = 0;
    QString output;  // printed to stdout (status 0) or stderr before exiting
};

// `arguments` as QCoreApplication::arguments() gives them (program first).
CommandLineRequest parseCommandLine(const QStringList& arguments);

}  // namespace qx
