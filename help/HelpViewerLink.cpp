#include "help/HelpViewerLink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace qx {
namespace {

std::unique_ptr<HelpViewerLink>& slot() {
    static std::unique_ptr<HelpViewerLink> link;
    return link;
}

}  // namespace

HelpViewerLink& HelpViewerLink::current() {
    if (!slot()) slot() = std::make_unique<ProgramViewerLink>(ProgramViewerLink::defaultProgram());
    return *slot();
}

std::unique_ptr<HelpViewerLink> HelpViewerLink::setCurrent(std::unique_ptr<HelpViewerLink> link) {
    return std::exchange(slot(), std::move(link));
}

QString ProgramViewerLink::defaultProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quiltrix-help");
}

ViewerClient::Answer ProgramViewerLink::open(const QString& file, const QString& windowType,
                                             const ViewerRequest& request) {
    if (!installed()) return {};
    return ViewerClient::send(program_, file, windowType, request);
}

bool ProgramViewerLink::tell(const QString& file, const QString& windowType,
                             const ViewerRequest& request) {
    return ViewerClient::sendToRunning(viewerPlace(file, windowType).socket, request).has_value();
}

QString ProgramViewerLink::versionLine() {
    QProcess process;
    process.start(program_, {QStringLiteral("--version")});
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool ProgramViewerLink::installed() {
    const QFileInfo info(program_);
    return info.isFile() && info.isExecutable();
}

}  // namespace qx
