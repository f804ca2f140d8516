#include "shell/LoadAside.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <thread>

namespace qx {
namespace {

constexpr int kProgressPollMs = 50;

}  // namespace

LoadedPicture LoadPictureAside(const PictureLoadFunction& load, const QString& path,
                               PictureLoadOptions options,
                               const std::function<void(int percent)>& showProgress,
                               int progressDelayMs) {
    std::atomic<int> percent{0};
    options.progress = [&percent](int value) { percent.store(value); };

    QEventLoop loop;
    LoadedPicture result;
    std::thread worker([&] {
        try {
            result = load(path, options);
        } catch (...) {
            result = LoadedPicture{};
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    QElapsedTimer clock;
    clock.start();
    int shown = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clock.elapsed() < progressDelayMs || !showProgress) return;
        const int now = percent.load();
        if (now == shown) return;
        shown = now;
        showProgress(now);
    });
    poll.start(kProgressPollMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop may also have been ended by the application quitting.
    worker.join();
    return result;
}

}  // namespace qx
