#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace qx {

// Version numbers of the help viewer and the page renderer, in the form
// "major.minor(2 digits).build", e.g. "4.72.7290.00" or "5.00.2919.6307".

// Formats four version parts: major "." minor with two digits "." then the
// fourth part with four digits when the third is 0, else third and fourth
// with two digits each.
QString formatVersion(const QList<int>& parts);

// The parts of a dotted version ("2.0", "6.4.2"), padded to four with zeros;
// nothing when a part is not a number.
std::optional<QList<int>> versionParts(const QString& text);

// Compares dotted versions part by part as numbers; missing parts count as 0.
// Negative, zero or positive like strcmp.
int compareVersions(const QString& a, const QString& b);

// The release names of the viewer and renderer versions; "unknown" when the
// version is not in the table.
QString viewerFriendlyName(const QString& version);
QString browserFriendlyName(const QString& version);

// The release of the platform's viewer whose every command and window feature
// quiltrix-help carries out: 1.3, the newest that HHVerifyMinConfig's codes
// name. A viewer that answers its version meets every known viewer code.
inline const QString kViewerCommandLevel = QStringLiteral("4.74.8702");

// The minimum versions that HHVerifyMinConfig's codes select; nothing for an
// unknown code.
std::optional<QString> minimumViewerVersion(int code);
std::optional<QString> minimumBrowserVersion(int code);

}  // namespace qx
