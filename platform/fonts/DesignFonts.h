#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <thread>

namespace qx {

// Sets up the platform's font matching on a thread of its own, so that it
// overlaps with the rest of start-up; the first bundled font waits for it.
// Needs no application object; waits for its thread when destroyed.
class FontsAhead {
public:
    FontsAhead();
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

private:
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
