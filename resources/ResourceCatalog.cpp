#include "resources/ResourceCatalog.h"

#include <QDir>

namespace qx {

bool resourcesAvailable() {
    return !QDir(QStringLiteral(":/")).entryList().isEmpty();
}

}  // namespace qx
