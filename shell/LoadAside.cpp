#include "shell/LoadAside.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace qx {
namespace {

constexpr int kProgressPollMs = 50;

std::atomic<int> loadsLeftRunning{0};

// What the loading thread and the waiting one share. The loading thread
// keeps it alive on its own when the waiting side gives up.
struct LoadInProgress {
    PictureLoadFunction load;
    QString path;
    PictureLoadOptions options;
    std::atomic<int> percent{0};
    std::mutex mutex;
    QEventLoop* waiting = nullptr;  // cleared when the waiting side gives up
    bool done = false;
    bool abandoned = false;
    LoadedPicture result;
};

void loadOnThread(const std::shared_ptr<LoadInProgress>& state) {
    LoadedPicture result;
    try {
        result = state->load(state->path, state->options);
    } catch (...) {
        result = LoadedPicture{};
    }
    const std::lock_guard<std::mutex> lock(state->mutex);
    state->result = std::move(result);
    state->done = true;
    if (state->waiting)
        QMetaObject::invokeMethod(state->waiting, &QEventLoop::quit, Qt::QueuedConnection);
    if (state->abandoned) --loadsLeftRunning;
}

}  // namespace

LoadedPicture LoadPictureAside(const PictureLoadFunction& load, const QString& path,
                               PictureLoadOptions options,
                               const std::function<void(int percent)>& showProgress,
                               int progressDelayMs) {
    auto state = std::make_shared<LoadInProgress>();
    state->load = load;
    state->path = path;
    state->options = std::move(options);
    state->options.progress = [progress = std::weak_ptr<LoadInProgress>(state)](int value) {
        if (const auto shared = progress.lock()) shared->percent.store(value);
    };

    QEventLoop loop;
    state->waiting = &loop;
    std::thread worker(loadOnThread, state);

    QElapsedTimer clock;
    clock.start();
    int shown = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clock.elapsed() < progressDelayMs || !showProgress) return;
        const int now = state->percent.load();
        if (now == shown) return;
        shown = now;
        showProgress(now);
    });
    poll.start(kProgressPollMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    std::unique_lock<std::mutex> lock(state->mutex);
    state->waiting = nullptr;
    if (!state->done) {
        // The program is stopping (every event loop was ended): it does not
        // wait for a decoder that may take seconds more.
        state->abandoned = true;
        ++loadsLeftRunning;
        worker.detach();
        return LoadedPicture{};
    }
    lock.unlock();
    worker.join();
    return std::move(state->result);
}

bool PictureLoadsLeftRunning() {
    return loadsLeftRunning.load() > 0;
}

}  // namespace qx
