#include "help/HTMLHelp.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

void warn(const QString& text) {
    showMessage({nullptr, HTMLHelp::MessageTitle(), text, MessageIcon::Warning});
}

}  // namespace

const QString& HTMLHelp::MessageTitle() {
    static const QString title = QStringLiteral("HTML Help Class");
    return title;
}

void HTMLHelp::ValidateCHMFile() const {
    if (!CHMFile.endsWith(QLatin1String("chm"), Qt::CaseInsensitive))
        warn(CHMFile + QStringLiteral(" is not a valid HTML Help file."));
}

bool HTMLHelp::EnsureFileExists(QString& file) const {
    if (!file.contains(QLatin1Char('/')))
        file = QCoreApplication::applicationDirPath() + QLatin1Char('/') + file;
    if (QFileInfo(file).isFile()) return true;
    warn(QStringLiteral("The file ") + file + QStringLiteral(" does not exist.") +
         QLatin1Char('\n') +
         QStringLiteral("Please make sure the correct path and file name have been specified."));
    return false;
}

QString HTMLHelp::HHTarget() const {
    if (HHWindow.trimmed().isEmpty()) return CHMFile;
    return CHMFile + QLatin1Char('>') + HHWindow;
}

void HTMLHelp::HHDisplayTopicID(QWidget* callingWindow) {
    ValidateCHMFile();
    if (!EnsureFileExists(CHMFile)) return;
    // The viewer that opens HHTarget() at HHTopicID, owned by
    // HHOwner(callingWindow), is not built in yet.
    (void)callingWindow;
}

}  // namespace qx
