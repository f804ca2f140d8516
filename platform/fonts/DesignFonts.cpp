#include "platform/fonts/DesignFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QResource>
#include <cmath>
#include <mutex>
#include <system_error>

#ifdef QX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "platform/trace/StartupTrace.h"
#include "resources/ResourceCatalog.h"

namespace qx {
namespace {

const QString kDefaultFamily = QStringLiteral("DejaVu Sans");

// The registrations, which the fonts-ahead thread shares: each file's, done
// or under way, and the families they brought.
struct Registrations {
    std::mutex mutex;
    QHash<QString, std::shared_future<void>> files;
    QStringList families;
};

Registrations& registrations() {
    static Registrations instance;
    return instance;
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

// The font configuration being read ahead, if it is.
std::shared_future<void>& configurationRead() {
    static std::shared_future<void> ready;
    return ready;
}

// Registering a font needs the configuration: the public entry points wait
// for it (the thread that reads it does not need to).
void waitForConfiguration() {
    if (!configurationRead().valid()) return;
    if (configurationRead().wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        startup_trace::mark("fonts: waiting for the configuration");
        configurationRead().wait();
    }
    configurationRead() = {};
}

// Each file is registered once, however it was asked for and from whichever
// thread: the first to ask registers it, a later one waits until it is in.
void registerFile(const QString& file) {
    Registrations& r = registrations();
    std::promise<void> done;
    std::shared_future<void> earlier;
    {
        const std::lock_guard lock(r.mutex);
        earlier = r.files.value(file);
        if (!earlier.valid()) r.files.insert(file, done.get_future().share());
    }
    if (earlier.valid()) return earlier.wait();
    // Stored unpacked (see resources/), so the font system reads it in place
    // instead of from a copy.
    const QResource resource(fontFolder().filePath(file));
    const QByteArray data =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                      resource.size())
            : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    const QStringList families =
        id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    {
        const std::lock_guard lock(r.mutex);
        for (const QString& family : families)
            if (!r.families.contains(family)) r.families.append(family);
    }
    done.set_value();
    if (startup_trace::enabled())
        startup_trace::mark(
            qPrintable(QStringLiteral("fonts: ") + file + QStringLiteral(" registered")));
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

// The fonts-ahead thread's work.
void prepareAhead(std::promise<void> configured, std::future<QList<FontFace>> faces) {
#ifdef QX_HAVE_FONTCONFIG
    // The font system's configuration is read on first use: dozens of files
    // and caches, the bulk of the first font's cost.
    FcInit();
    startup_trace::mark("fonts: configuration read (on its thread)");
#endif
    configured.set_value();
    // In the order the window asks for them, so that it waits as little as
    // it can; the font database is filled once they are in.
    const QList<FontFace> wanted = faces.get();
    if (wanted.isEmpty()) return;
    for (const FontFace& face : wanted)
        registerFace(designFontFamily(face.designName), face.bold, face.italic);
    QFontDatabase::families();
    startup_trace::mark("fonts: font database filled (on its thread)");
}

}  // namespace

FontsAhead::FontsAhead() {
    std::promise<void> configured;
    configurationRead() = configured.get_future().share();
    try {
        thread_ = std::thread(prepareAhead, std::move(configured), faces_.get_future());
    } catch (const std::system_error&) {
        configurationRead() = {};  // no thread to spare: the first font reads it
    }
}

FontsAhead::~FontsAhead() {
    if (!thread_.joinable()) return;
    if (!given_) faces_.set_value({});
    thread_.join();
}

void FontsAhead::prepare(const QList<FontFace>& faces) {
    if (given_ || !thread_.joinable()) return;
    given_ = true;
    faces_.set_value(faces);
}

void registerBundledFonts() {
    waitForConfiguration();
    for (const QString& file : bundledFiles()) registerFile(file);
}

QStringList bundledFontFamilies() {
    Registrations& r = registrations();
    const std::lock_guard lock(r.mutex);
    return r.families;
}

QString designFontFamily(const QString& designName) {
    return familyByDesignName().value(designName.trimmed().toLower(), kDefaultFamily);
}

int designPixelSize(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

QFont designFont(const QString& designName, double points, bool bold, bool italic, bool underline) {
    waitForConfiguration();
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
