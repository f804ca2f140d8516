#include "platform/qt/OwnPicture.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <future>
#include <mutex>
#include <system_error>

namespace qx {
namespace {

QImage decode(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

struct ReadAhead {
    std::mutex mutex;
    QHash<QString, std::shared_future<QImage>> pictures;
};

ReadAhead& readAhead() {
    static ReadAhead instance;
    return instance;
}

}  // namespace

QImage readOwnPicture(const QString& path) {
    std::shared_future<QImage> ahead;
    {
        ReadAhead& r = readAhead();
        const std::lock_guard lock(r.mutex);
        ahead = r.pictures.take(path);
    }
    return ahead.valid() ? ahead.get() : decode(path);
}

OwnPicturesAhead::OwnPicturesAhead(const QStringList& paths) {
    if (paths.isEmpty()) return;
    std::vector<std::promise<QImage>> pending(size_t(paths.size()));
    {
        ReadAhead& r = readAhead();
        const std::lock_guard lock(r.mutex);
        for (qsizetype i = 0; i < paths.size(); ++i)
            r.pictures.insert(paths[i], pending[size_t(i)].get_future().share());
    }
    // One thread for the lot: they are small, and the point is to overlap
    // with the window system's set-up, not with each other.
    try {
        thread_ = std::thread([paths, pending = std::move(pending)]() mutable {
            for (qsizetype i = 0; i < paths.size(); ++i)
                pending[size_t(i)].set_value(decode(paths[i]));
        });
    } catch (const std::system_error&) {
        // No thread to spare: each picture is decoded when it is asked for.
        ReadAhead& r = readAhead();
        const std::lock_guard lock(r.mutex);
        for (const QString& path : paths) r.pictures.remove(path);
    }
}

OwnPicturesAhead::~OwnPicturesAhead() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace qx
