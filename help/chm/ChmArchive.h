#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct chmFile;

namespace qx::chm {

// One open compiled help file. Paths inside it start with "/".
class ChmArchive {
public:
    // Opens the file, or gives nothing with a reason fit for the reader.
    static std::unique_ptr<ChmArchive> open(const QString& path, QString* error);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    bool contains(const QString& path) const;
    // The whole object; nothing when it is missing or cannot be read fully.
    std::optional<QByteArray> read(const QString& path) const;
    // Every ordinary file (no directories, no internal "#"/"$" objects).
    QStringList files() const;

private:
    explicit ChmArchive(chmFile* handle) : handle_(handle) {}
    chmFile* handle_;
};

}  // namespace qx::chm
