#pragma once

#include <QAnyStringView>
#include <QString>

namespace qx {

// Path of a file compiled into the program, e.g. resourcePath("bitmaps", "background.png").
inline QString resourcePath(const char* folder, QAnyStringView file) {
    return QStringLiteral(":/") + QLatin1String(folder) + QLatin1Char('/') + file.toString();
}

// True when the compiled-in resources are linked (a missing resource
// initialiser yields empty images without any error).
bool resourcesAvailable();

}  // namespace qx
