#include "platform/qt/DesignFont.h"

#include "platform/fonts/DesignFonts.h"

namespace qx {

QFont designFont(const FontSpec& spec) {
    return qx::designFont(spec.name, spec.size, spec.bold, spec.italic, spec.underline);
}

}  // namespace qx
