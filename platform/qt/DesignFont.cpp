#include "platform/qt/DesignFont.h"

#include <cmath>

#if defined(QX_HAVE_BUNDLED_FONTS)
#include "platform/fonts/DesignFonts.h"
#endif

namespace qx {

QFont designFont(const FontSpec& spec) {
#if defined(QX_HAVE_BUNDLED_FONTS)
    return qx::designFont(spec.name, spec.size, spec.bold, spec.italic, spec.underline);
#else
    QFont font(spec.name);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.size * 96.0 / 72.0))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
#endif
}

}  // namespace qx
