#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/CommandLine.h"
#include "platform/fonts/DesignFonts.h"
#include "platform/qt/DesignError.h"
#include "platform/qt/FormDesign.h"
#include "platform/qt/HighDpi.h"
#include "platform/qt/OwnPicture.h"
#include "platform/qt/ProgramLog.h"
#include "platform/qt/ProgramMessage.h"
#include "platform/qt/QuitOnSignals.h"
#include "platform/qt/SingleInstanceLock.h"
#include "platform/trace/StartupTrace.h"
#include "shell/Accessibility.h"
#include "shell/FormClient.h"
#include "shell/LoadAside.h"
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

// The Start window's design, read once: its fonts are prepared ahead and the
// window is built from it. A bad design is reported when the window is built.
std::optional<qx::FormDesign> readStartDesign() {
    try {
        return qx::loadCompiledDesign(QStringLiteral("Start"));
    } catch (const qx::DesignError&) {
        return std::nullopt;
    }
}

QList<qx::FontFace> facesOf(const std::optional<qx::FormDesign>& design) {
    QList<qx::FontFace> faces;
    try {
        if (design)
            for (const qx::DesignFontInfo& font : design->fonts()) faces << qx::designFace(font);
    } catch (const qx::DesignError&) {
        // A bad font entry is reported when the window is built.
    }
    return faces;
}

// The game from its Start window to its end; the lock is held throughout.
int runGame(std::optional<qx::FormDesign> startDesign) {
    qx::SingleInstanceLock lock;
    qx::Program program(lock);
    try {
        if (!(startDesign ? program.begin(std::move(*startDesign)) : program.begin())) return 0;
    } catch (const qx::DesignError& error) {
        qx::showProgramMessage(nullptr, QString::fromUtf8(error.what()), qx::MessageIcon::Critical);
        return 1;
    }
    // Set once the borderless Start window is up (it has no caption to show
    // it in), still before anything is painted.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(qx::readOwnPicture(kIconPath))));
    // A stop that came while a start-up box was open ends the program here.
    if (qx::QuitOnSignals::stopRequested()) return 0;
    qx::startup_trace::mark("window icon set, event loop starts");
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    qx::startup_trace::mark("main");
    if (const int status = answerCommandLine(argc, argv); status >= 0) return status;

    // The font configuration is read while the window system is set up, and
    // the Start window's faces are registered while it is built.
    qx::FontsAhead fonts;

    qx::configureHighDpi();
    QApplication app(argc, argv);
    qx::startup_trace::mark("application object made");
    qx::startup_trace::markFirstFrame();
    // Only now: a display that cannot be reached is still explained.
    qx::quietenQtMessages();
    std::optional<qx::FormDesign> startDesign = readStartDesign();
    fonts.prepare(facesOf(startDesign));
    describeProgram();
    QApplication::setDesktopFileName(QStringLiteral(QUILTRIX_APP_ID));
    const qx::QuitOnSignals quitOnSignals;
    qx::installAccessibility();

    const int status = runGame(std::move(startDesign));
    // The windows, the lock and its socket are gone. A picture load a stop
    // left behind still runs on its thread: end here, before the decoders it
    // uses are torn down under it.
    if (qx::PictureLoadsLeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
