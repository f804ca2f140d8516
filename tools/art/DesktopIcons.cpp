#include <QFile>
#include <cstdio>

#include "quiltrix/Version.h"
#include "tools/art/Art.h"

namespace art {

namespace {
constexpr char kAppId[] = QUILTRIX_APP_ID;
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
}  // namespace

int writeDesktopIcons(const QDir& dir) {
    const QString id = QString::fromLatin1(kAppId);
    int failures = 0;
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = dir.filePath(folder + QLatin1Char('/') + id + QStringLiteral(".png"));
        if (!QDir().mkpath(dir.filePath(folder)) || !appIconAt(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    QDir().mkpath(dir.filePath(QStringLiteral("scalable/apps")));
    QFile svg(dir.filePath(QStringLiteral("scalable/apps/") + id + QStringLiteral(".svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(appIconSvg()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace art
