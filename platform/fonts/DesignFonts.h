#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <future>
#include <thread>

namespace qx {

// A face a design font asks for: the font's name as the design gives it
// ("Verdana") and its style.
struct FontFace {
    QString designName;
    bool bold = false;
    bool italic = false;
};

// Prepares the fonts of the first window on a thread of its own, so that the
// work overlaps with the rest of start-up: from construction it reads the
// platform's font configuration (no application object needed); once given
// the window's faces it registers them and fills the font database.
// A font asked for meanwhile waits for the configuration, and for its face
// if the thread is registering it. Waits for its thread when destroyed.
class FontsAhead {
public:
    FontsAhead();
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

    // Needs the application object; the first call counts.
    void prepare(const QList<FontFace>& faces);

private:
    std::promise<QList<FontFace>> faces_;
    bool given_ = false;
    std::thread thread_;
};

// Loads every font compiled in under ":/fonts/". Safe to call any number of
// times; needs a QGuiApplication.
void registerBundledFonts();

// Families of the bundled font files registered so far (all of them after
// registerBundledFonts()).
QStringList bundledFontFamilies();

// The bundled family that stands in for a font name used by the window designs
// ("Verdana", "Small Fonts", "MS Sans Serif", "Impact", "PTron6", "Tahoma",
// "Arial", ...; case does not matter). Unknown names get a plain sans serif.
QString designFontFamily(const QString& designName);

// Pixel height Windows gives a font of this point size at 96 dpi.
int designPixelSize(double points);

// A font for a design's font entry. Sized in pixels, so text measures the same
// on every screen whatever its dpi. Registers the bundled family if needed.
QFont designFont(const QString& designName, double points, bool bold = false, bool italic = false,
                 bool underline = false);

}  // namespace qx
