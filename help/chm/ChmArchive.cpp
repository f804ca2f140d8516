#include "help/chm/ChmArchive.h"

#include <chm_lib.h>
#include <QFileInfo>

namespace qx::chm {
namespace {

// chmlib allocates the whole object; a damaged directory can claim gigabytes.
constexpr LONGUINT64 kLargestObject = 64ull * 1024 * 1024;

int collectFile(chmFile*, chmUnitInfo* ui, void* context) {
    const QString path = QString::fromUtf8(ui->path);
    if (!path.endsWith(QLatin1Char('/'))) static_cast<QStringList*>(context)->append(path);
    return CHM_ENUMERATOR_CONTINUE;
}

// Stored (uncompressed) objects, the compressed stream among them, lie in the
// file as they are: a file cut short loses their ends first, while objects
// early in the stream still read and would hide the damage.
int checkStoredEnd(chmFile* handle, chmUnitInfo* ui, void* context) {
    if (ui->space != CHM_UNCOMPRESSED || ui->length == 0) return CHM_ENUMERATOR_CONTINUE;
    unsigned char last = 0;
    if (chm_retrieve_object(handle, ui, &last, ui->length - 1, 1) == 1)
        return CHM_ENUMERATOR_CONTINUE;
    *static_cast<bool*>(context) = false;
    return CHM_ENUMERATOR_SUCCESS;
}

bool wholeFile(chmFile* handle) {
    bool whole = true;
    // A directory block that cannot be read ends the walk with 0.
    const int walked = chm_enumerate(handle, CHM_ENUMERATE_ALL, checkStoredEnd, &whole);
    return whole && walked != 0;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::open(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (error) *error = QStringLiteral("The help file %1 does not exist.").arg(path);
        return nullptr;
    }
    if (info.size() == 0) {
        if (error) *error = QStringLiteral("The help file %1 is empty.").arg(path);
        return nullptr;
    }
    chmFile* handle = chm_open(QFile::encodeName(path).constData());
    if (!handle) {
        if (error)
            *error = QStringLiteral("The help file %1 is damaged or is not a compiled help file.")
                         .arg(path);
        return nullptr;
    }
    auto archive = std::unique_ptr<ChmArchive>(new ChmArchive(handle));
    if (!wholeFile(handle)) {
        if (error)
            *error = QStringLiteral("The help file %1 is damaged: it ends too soon.").arg(path);
        return nullptr;
    }
    return archive;
}

ChmArchive::~ChmArchive() {
    chm_close(handle_);
}

bool ChmArchive::contains(const QString& path) const {
    chmUnitInfo ui{};
    return chm_resolve_object(handle_, path.toUtf8().constData(), &ui) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmArchive::read(const QString& path) const {
    chmUnitInfo ui{};
    if (chm_resolve_object(handle_, path.toUtf8().constData(), &ui) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (ui.length > kLargestObject) return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(ui.length), Qt::Uninitialized);
    if (ui.length == 0) return bytes;
    const LONGINT64 got =
        chm_retrieve_object(handle_, &ui, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(ui.length));
    if (got != static_cast<LONGINT64>(ui.length)) return std::nullopt;
    return bytes;
}

QStringList ChmArchive::files() const {
    QStringList out;
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectFile, &out);
    return out;
}

}  // namespace qx::chm
