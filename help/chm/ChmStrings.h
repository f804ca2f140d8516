#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <optional>

namespace qx::chm {

// The NUL-terminated name at an offset of the file's /#STRINGS table.
inline QString stringAt(const QByteArray& strings, quint32 offset) {
    if (offset >= static_cast<quint32>(strings.size())) return {};
    const char* start = strings.constData() + offset;
    const qsizetype limit = strings.size() - offset;
    qsizetype length = 0;
    while (length < limit && start[length] != '\0') ++length;
    return QString::fromUtf8(start, length);
}

// A little-endian 32-bit value, or nothing past the end.
inline std::optional<quint32> uint32At(const QByteArray& bytes, qsizetype offset) {
    if (offset < 0 || offset + 4 > bytes.size()) return std::nullopt;
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

}  // namespace qx::chm
