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

ProgramViewerLink::~ProgramViewerLink() {
    for (const QPointer<ViewerCall>& call : std::as_const(calls_)) delete call.data();
}

ViewerCall& ProgramViewerLink::callFor(const QString& file, const QString& windowType) {
    const QString key = file + QLatin1Char('>') + windowType.trimmed().toLower();
    QPointer<ViewerCall>& call = calls_[key];
    if (!call) {
        call = new ViewerCall(program_, file, windowType, timing_, QCoreApplication::instance());
        QObject::connect(call, &ViewerCall::idle, call, [this, key] {
            if (ViewerCall* done = calls_.take(key)) done->deleteLater();
        });
    }
    return *call;
}

void ProgramViewerLink::open(const QString& file, const QString& windowType,
                             const ViewerRequest& request, ViewerClient::AnswerHandler done) {
    if (!installed()) {
        if (done) done({});
        return;
    }
    callFor(file, windowType).add(request, std::move(done), true);
}

void ProgramViewerLink::tell(const QString& file, const QString& windowType,
                             const ViewerRequest& request) {
    callFor(file, windowType).add(request, nullptr, false);
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
