#include "shell/CommonDialog.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/image/PictureFileFilters.h"

namespace qx {

std::optional<QString> ChoosePictureInDialog(QWidget* owner, const QString& lastPath) {
    QFileDialog dialog(owner, QString::fromLatin1(kSelectPictureTitle));
    dialog.setObjectName(QStringLiteral("Dialog"));
    // The native dialogs differ between desktops and cannot be driven alike.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = pictureNameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    if (!lastPath.isEmpty()) {
        const QFileInfo last(lastPath);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    } else {
        // The first time, start where photographs usually are.
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        dialog.setDirectory(QDir(pictures).exists() ? pictures : QDir::homePath());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}

std::optional<QColor> ChooseColorInDialog(QWidget* owner, const QColor& current) {
    QColorDialog dialog(current, owner);
    dialog.setObjectName(QStringLiteral("Dialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

}  // namespace qx
