#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/CommandLine.h"
#include "platform/fonts/DesignFonts.h"
#include "platform/qt/FormDesign.h"
#include "platform/qt/HighDpi.h"
#include "platform/qt/OwnPicture.h"
#include "platform/qt/ProgramMessage.h"
#include "platform/qt/QuitOnSignals.h"
#include "platform/qt/SingleInstanceLock.h"
#include "shell/FormClient.h"
#include "shell/Program.h"
#include "shell/ProgramInfo.h"

namespace {

const QString kIconPath = QStringLiteral(":/bitmaps/app-icon.png");

void describeProgram() {
    QCoreApplication::setApplicationName(QString::fromLatin1(qx::kProgramTitle));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(qx::kProgramVersion));
}

// --help and --version answer before any window system is touched. A plain
// start has nothing to answer and skips the parser's own application object.
int answerCommandLine(int argc, char** argv) {
    if (argc <= 1) return -1;
    QCoreApplication console(argc, argv);
    describeProgram();
    const qx::CommandLineRequest request = qx::parseCommandLine(console.arguments());
    if (request.run) return -1;
    std::fputs(request.output.toLocal8Bit().constData(), request.exitStatus == 0 ? stdout : stderr);
    return request.exitStatus;
}

// The pictures of the first window, and the program's icon.
QStringList firstPictures() {
    QStringList paths{kIconPath};
    try {
        paths += qx::loadCompiledDesign(QStringLiteral("Start")).picturePaths();
    } catch (const qx::DesignError&) {
        // Reported when the window is built.
    }
    return paths;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = answerCommandLine(argc, argv); status >= 0) return status;

    // The first window's fonts and pictures are prepared while the window
    // system is set up.
    const qx::FontsAhead fonts;
    const qx::OwnPicturesAhead pictures(firstPictures());

    qx::configureHighDpi();
    QApplication app(argc, argv);
    describeProgram();
    QApplication::setDesktopFileName(QStringLiteral("io.github.quiltrix.Quiltrix"));
    const qx::QuitOnSignals quitOnSignals;

    qx::SingleInstanceLock lock;
    qx::Program program(lock);
    try {
        if (!program.begin()) return 0;
    } catch (const qx::DesignError& error) {
        qx::showProgramMessage(nullptr, QString::fromUtf8(error.what()), qx::MessageIcon::Critical);
        return 1;
    }
    // Set once the borderless Start window is up (it has no caption to show
    // it in), still before anything is painted.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(qx::readOwnPicture(kIconPath))));
    return QApplication::exec();
}
