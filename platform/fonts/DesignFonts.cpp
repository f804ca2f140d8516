#include "platform/fonts/DesignFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QResource>
#include <QSet>
#include <cmath>
#include <future>
#include <system_error>

#ifdef QX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "platform/trace/StartupTrace.h"
#include "resources/ResourceCatalog.h"

namespace qx {
namespace {

const QString kDefaultFamily = QStringLiteral("DejaVu Sans");

QStringList& registeredFamilies() {
    static QStringList families;
    return families;
}

const QDir& fontFolder() {
    static const QDir dir(QStringLiteral(":/fonts"));
    return dir;
}

const QStringList& bundledFiles() {
    static const QStringList files = fontFolder().entryList(
        {QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files, QDir::Name);
    return files;
}

std::shared_future<void>& fontSetUp() {
    static std::shared_future<void> ready;
    return ready;
}

// Each file is registered once, however it was asked for.
void registerFile(const QString& file) {
    static QSet<QString> done;
    if (done.contains(file)) return;
    done.insert(file);
    if (fontSetUp().valid()) {
        startup_trace::mark("fonts: waiting for the font set-up");
        fontSetUp().wait();
    }
    // Stored unpacked (see resources/), so the font system reads it in place
    // instead of from a copy.
    const QResource resource(fontFolder().filePath(file));
    const QByteArray data =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                      resource.size())
            : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    if (startup_trace::enabled())
        startup_trace::mark(
            qPrintable(QStringLiteral("fonts: ") + file + QStringLiteral(" registered")));
    if (id < 0) return;
    for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
        if (!registeredFamilies().contains(family)) registeredFamilies().append(family);
    }
}

// A bundled file is named after its family without spaces, then "-" and the
// style: "DejaVuSans-Bold.ttf" is DejaVu Sans bold, "DejaVuSansCondensed.ttf"
// is another family, and a file without a style part is the regular face.
struct FileName {
    QString stem;
    QString style;
};

FileName splitFileName(const QString& file) {
    const QString base = file.section(QLatin1Char('.'), 0, 0);
    const QString style = base.section(QLatin1Char('-'), 1);
    return {base.section(QLatin1Char('-'), 0, 0),
            style.isEmpty() ? QStringLiteral("Regular") : style};
}

QString styleName(bool bold, bool italic) {
    if (bold) return italic ? QStringLiteral("BoldItalic") : QStringLiteral("Bold");
    return italic ? QStringLiteral("Italic") : QStringLiteral("Regular");
}

// Only the face a font asks for is loaded (each costs a millisecond or two,
// and the start-up window needs only two). A style the family does not ship
// loads the whole family, so the platform can derive it from the nearest face.
void registerFace(const QString& family, bool bold, bool italic) {
    QString key = family;
    key.remove(QLatin1Char(' '));
    const QString wanted = styleName(bold, italic);
    QStringList ofFamily;
    for (const QString& file : bundledFiles()) {
        const FileName name = splitFileName(file);
        if (name.stem.compare(key, Qt::CaseInsensitive) != 0) continue;
        if (name.style.compare(wanted, Qt::CaseInsensitive) == 0) return registerFile(file);
        ofFamily.append(file);
    }
    for (const QString& file : ofFamily) registerFile(file);
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

FontsAhead::FontsAhead() {
#ifdef QX_HAVE_FONTCONFIG
    // The font system's configuration is read on first use: dozens of files
    // and caches, the bulk of the first font's cost.
    std::promise<void> done;
    fontSetUp() = done.get_future().share();
    try {
        thread_ = std::thread([done = std::move(done)]() mutable {
            FcInit();
            startup_trace::mark("fonts: font set-up done (on its thread)");
            done.set_value();
        });
    } catch (const std::system_error&) {
        fontSetUp() = {};  // no thread to spare: the first font sets it up
    }
#endif
}

FontsAhead::~FontsAhead() {
    if (thread_.joinable()) thread_.join();
}

void registerBundledFonts() {
    for (const QString& file : bundledFiles()) registerFile(file);
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
    const QString family = designFontFamily(designName);
    registerFace(family, bold, italic);
    QFont font(family);
    font.setPixelSize(designPixelSize(points));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    // Never let the platform swap in a look-alike from the machine's own fonts.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferMatch));
    return font;
}

}  // namespace qx
