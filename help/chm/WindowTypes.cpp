#include "help/chm/WindowTypes.h"

#include "help/chm/ChmStrings.h"

namespace qx::chm {
namespace {

// Offsets inside one /#WINDOWS entry (the HH_WINTYPE layout).
constexpr qsizetype kTypeName = 0x08;
constexpr qsizetype kCaption = 0x14;
constexpr qsizetype kRect = 0x20;
constexpr qsizetype kContents = 0x60;
constexpr qsizetype kIndex = 0x64;
constexpr qsizetype kDefault = 0x68;
constexpr qsizetype kHome = 0x6C;
constexpr qsizetype kShortestEntry = 0x70;

}  // namespace

QList<WindowType> parseWindowTypes(const QByteArray& windows, const QByteArray& strings) {
    QList<WindowType> types;
    const auto count = uint32At(windows, 0);
    const auto entrySize = uint32At(windows, 4);
    if (!count || !entrySize || *entrySize < kShortestEntry) return types;
    for (quint32 i = 0; i < *count; ++i) {
        const qsizetype entry = 8 + qsizetype(i) * qsizetype(*entrySize);
        if (entry + qsizetype(*entrySize) > windows.size()) break;
        auto text = [&](qsizetype field) {
            return stringAt(strings, *uint32At(windows, entry + field));
        };
        WindowType type;
        type.name = text(kTypeName);
        type.caption = text(kCaption);
        type.contentsFile = text(kContents);
        type.indexFile = text(kIndex);
        type.defaultTopic = text(kDefault);
        type.homeTopic = text(kHome);
        const auto left = qint32(*uint32At(windows, entry + kRect));
        const auto top = qint32(*uint32At(windows, entry + kRect + 4));
        const auto right = qint32(*uint32At(windows, entry + kRect + 8));
        const auto bottom = qint32(*uint32At(windows, entry + kRect + 12));
        if (right > left && bottom > top)
            type.placement = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        if (!type.name.isEmpty()) types.append(type);
    }
    return types;
}

}  // namespace qx::chm
