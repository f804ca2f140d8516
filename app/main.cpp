#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "platform/qt/FormDesign.h"
#include "platform/qt/HighDpi.h"
#include "platform/qt/OwnPicture.h"
#include "platform/qt/ProgramMessage.h"
#include "platform/qt/SingleInstanceLock.h"
#include "shell/Program.h"
#include "shell/ProgramInfo.h"

int main(int argc, char** argv) {
    qx::configureHighDpi();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(qx::kProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setWindowIcon(
        QIcon(QPixmap::fromImage(qx::readOwnPicture(QStringLiteral(":/bitmaps/app-icon.png")))));

    qx::SingleInstanceLock lock;
    qx::Program program(lock);
    try {
        if (!program.begin()) return 0;
    } catch (const qx::DesignError& error) {
        qx::showProgramMessage(nullptr, QString::fromUtf8(error.what()), qx::MessageIcon::Critical);
        return 1;
    }
    return QApplication::exec();
}
