#include "help/HelpVersions.h"

#include <QStringList>
#include <utility>

namespace qx {
namespace {

using Pair = std::pair<const char*, const char*>;

constexpr Pair kViewerNames[] = {
    {"4.72.7290.00", "1.0"},
    {"4.72.7323.00", "1.1"},
    {"4.72.7325.00", "1.1a"},
    {"4.72.8164.00", "1.1b"},
    {"4.73.8252.00", "1.2"},
    {"4.73.8412.00", "1.21"},
    {"4.73.8474.00", "1.21a"},
    {"4.73.8561.00", "1.22"},
    {"4.74.8566.00", "1.3 Windows 2000 Beta"},
    {"4.74.8637.00", "1.3 IE 5.5 Platform Preview Beta"},
    {"4.74.8702.00", "1.3"},
};

constexpr Pair kBrowserNames[] = {
    {"4.70.1155.0000", "3.0"},
    {"4.70.1158.0000", "3.0 OSR2"},
    {"4.70.1215.0000", "3.02"},
    {"4.70.1300.0000", "3.02"},
    {"4.71.1008.3000", "4.0 PP2"},
    {"4.71.1712.5000", "4.0"},
    {"4.72.2106.7000", "4.01"},
    {"4.72.3110.0300", "4.0 SP1"},
    {"4.72.3612.1707", "4.0 SP2"},
    {"5.00.0518.5000", "5.0 beta 1"},
    {"5.00.0910.1308", "5.0 beta 2"},
    {"5.00.2014.2130", "5.0"},
    {"5.00.2314.1000", "5.0a (Office 2000)"},
    {"5.00.2614.3500", "5.0b (Windows 98 SE)"},
    {"5.00.2717.2000", "5.0c (Icon Security Issue Update)"},
    {"5.00.2721.1400", "5.0d (ImportExport Favorites Issue Update)"},
    {"5.00.2919.800", "5.x (Windows 2000 RC1, build 5.00.2072)"},
    {"5.00.2919.3800", "5.x (Windows 2000 RC2, build 5.00.2128)"},
    {"5.00.2919.6307", "5.01"},
    {"5.50.3825.1300", "5.5 Platform Preview"},
};

constexpr const char* kViewerMinimums[] = {"4.72.7290", "4.72.7323", "4.72.7325", "4.72.8164.0",
                                           "4.73.8252", "4.73.8412", "4.73.8474", "4.73.8561",
                                           "4.74.8566", "4.74.8637", "4.74.8702"};
constexpr int kFirstViewerCode = 16;

constexpr const char* kBrowserMinimums[] = {
    "4.70.1155",      "4.70.1158",     "4.70.1215",      "4.70.1300",      "4.71.1008.3",
    "4.71.1712.5",    "4.72.2106.7",   "4.72.3110.03",   "4.72.3612.1707", "5.00.0518.5",
    "5.00.0910.1308", "5.00.2014.213", "5.00.2314.1000", "5.00.2614.3500", "5.0.2717.2000",
    "5.00.2721.1400", "5.00.2919.800", "5.00.2919.3800"};
constexpr int kFirstBrowserCode = 256;

template <std::size_t N>
QString lookUp(const Pair (&table)[N], const QString& version) {
    for (const Pair& entry : table)
        if (version == QLatin1String(entry.first)) return QString::fromLatin1(entry.second);
    return QStringLiteral("unknown");
}

template <std::size_t N>
std::optional<QString> minimum(const char* const (&table)[N], int first, int code) {
    if (code < first || code >= first + int(N)) return std::nullopt;
    return QString::fromLatin1(table[code - first]);
}

QString padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

}  // namespace

QString formatVersion(const QList<int>& parts) {
    const int major = parts.value(0), minor = parts.value(1), third = parts.value(2),
              fourth = parts.value(3);
    QString out = QString::number(major) + QLatin1Char('.') + padded(minor, 2) + QLatin1Char('.');
    if (third < 1) return out + padded(fourth, 4);
    return out + padded(third, 2) + QLatin1Char('.') + padded(fourth, 2);
}

std::optional<QList<int>> versionParts(const QString& text) {
    const QStringList pieces = text.trimmed().split(QLatin1Char('.'));
    if (text.trimmed().isEmpty() || pieces.size() > 4) return std::nullopt;
    QList<int> parts;
    for (const QString& piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok);
        if (!ok || value < 0) return std::nullopt;
        parts.append(value);
    }
    while (parts.size() < 4) parts.append(0);
    return parts;
}

int compareVersions(const QString& a, const QString& b) {
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const qlonglong x = left.value(i).toLongLong();
        const qlonglong y = right.value(i).toLongLong();
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

QString viewerFriendlyName(const QString& version) {
    return lookUp(kViewerNames, version);
}

QString browserFriendlyName(const QString& version) {
    return lookUp(kBrowserNames, version);
}

std::optional<QString> minimumViewerVersion(int code) {
    return minimum(kViewerMinimums, kFirstViewerCode, code);
}

std::optional<QString> minimumBrowserVersion(int code) {
    return minimum(kBrowserMinimums, kFirstBrowserCode, code);
}

}  // namespace qx
