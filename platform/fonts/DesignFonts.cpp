#include "platform/fonts/DesignFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <cmath>

#include "resources/ResourceCatalog.h"

namespace qx {
namespace {

const QString kDefaultFamily = QStringLiteral("DejaVu Sans");

QStringList& registeredFamilies() {
    static QStringList families;
    return families;
}

bool& registered() {
    static bool done = false;
    return done;
}

// Chosen for how they look at the small sizes the designs use: DejaVu Sans is
// drawn in the spirit of Verdana, its condensed cut stands in for the narrow
// bitmap "Small Fonts" and Tahoma, Liberation Sans keeps Arial's metrics,
// Bebas Neue is a tall condensed display face like Impact, DSEG7 is a seven-
// segment clock face.
const QHash<QString, QString>& familyByDesignName() {
    static const QHash<QString, QString> map = {
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("small fonts"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans Condensed")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("microsoft sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("impact"), QStringLiteral("Bebas Neue")},
        {QStringLiteral("ptron6"), QStringLiteral("DSEG7 Classic")},
    };
    return map;
}

}  // namespace

void registerBundledFonts() {
    if (registered()) return;
    registered() = true;
    const QDir dir(QStringLiteral(":/fonts"));
    const QStringList files =
        dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        if (id < 0) continue;
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            if (!registeredFamilies().contains(family)) registeredFamilies().append(family);
        }
    }
}

QStringList bundledFontFamilies() {
    return registeredFamilies();
}

QString designFontFamily(const QString& designName) {
    return familyByDesignName().value(designName.trimmed().toLower(), kDefaultFamily);
}

int designPixelSize(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

QFont designFont(const QString& designName, double points, bool bold, bool italic, bool underline) {
    registerBundledFonts();
    QFont font(designFontFamily(designName));
    font.setPixelSize(designPixelSize(points));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    // Never let the platform swap in a look-alike from the machine's own fonts.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferMatch));
    return font;
}

}  // namespace qx
