// quiltrix-art <out-dir>: draws every bitmap of the game into <out-dir>.
// quiltrix-art --desktop-icons <dir>: the program's icon as a hicolor theme.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "platform/fonts/DesignFonts.h"
#include "tools/art/Art.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool desktopIcons = argc == 3 && std::strcmp(argv[1], "--desktop-icons") == 0;
    if (argc != 2 && !desktopIcons) {
        std::fprintf(stderr,
                     "usage: quiltrix-art <out-dir>\n"
                     "       quiltrix-art --desktop-icons <icon-theme-dir>\n");
        return 2;
    }
    if (desktopIcons) return art::writeDesktopIcons(QDir(QString::fromLocal8Bit(argv[2])));
    qx::registerBundledFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<art::Picture> all;
    for (auto part :
         {art::skinPictures, art::backgroundPictures, art::logoPictures, art::iconPictures}) {
        for (art::Picture& p : part()) all.push_back(std::move(p));
    }
    int failures = 0;
    for (const art::Picture& p : all) {
        const QString path = out.filePath(p.file);
        if (!p.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%-28s %4d x %-4d\n", qPrintable(p.file), p.image.width(), p.image.height());
    }
    return failures == 0 ? 0 : 1;
}
