#include "help/HelpRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

namespace qx {
namespace {

QString& overriddenPath() {
    static QString path;
    return path;
}

QList<HelpRegistry::Entry> readAll(const QString& path) {
    QList<HelpRegistry::Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return entries;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0) entries.append({line.left(eq), line.mid(eq + 1)});
    }
    return entries;
}

bool writeAll(const QString& path, const QList<HelpRegistry::Entry>& entries) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    for (const HelpRegistry::Entry& e : entries)
        file.write((e.name + QLatin1Char('=') + e.folder + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

qsizetype indexOf(const QList<HelpRegistry::Entry>& entries, const QString& name) {
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool isValidName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char('\n'));
}

}  // namespace

QString HelpRegistry::defaultPath() {
    if (!overriddenPath().isEmpty()) return overriddenPath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quiltrix/html-help-files");
}

QString HelpRegistry::setDefaultPath(const QString& path) {
    return std::exchange(overriddenPath(), path);
}

std::optional<HelpRegistry::Entry> HelpRegistry::find(const QString& name) const {
    const auto entries = readAll(path_);
    const qsizetype i = indexOf(entries, name);
    if (i < 0) return std::nullopt;
    return entries[i];
}

bool HelpRegistry::set(const QString& name, const QString& folder) {
    if (!isValidName(name) || folder.contains(QLatin1Char('\n'))) return false;
    auto entries = readAll(path_);
    const qsizetype i = indexOf(entries, name);
    if (i >= 0)
        entries[i] = {name, folder};
    else
        entries.append({name, folder});
    return writeAll(path_, entries);
}

bool HelpRegistry::remove(const QString& name) {
    auto entries = readAll(path_);
    const qsizetype i = indexOf(entries, name);
    if (i < 0) return false;
    entries.removeAt(i);
    return writeAll(path_, entries);
}

}  // namespace qx
