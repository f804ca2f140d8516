#include "platform/trace/StartupTrace.h"

#include <sys/resource.h>
#include <time.h>

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace qx::startup_trace {
namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

struct Trace {
    bool on = false;
    long long origin = 0;

    Trace() {
        const char* value = std::getenv("QUILTRIX_STARTUP_TRACE");
        on = value != nullptr;
        if (!on) return;
        const long long given = std::strtoll(value, nullptr, 10);
        origin = given > 0 ? given : nowNs();
    }
};

const Trace& trace() {
    static const Trace instance;
    return instance;
}

}  // namespace

bool enabled() {
    return trace().on;
}

void mark(const char* what) {
    const Trace& t = trace();
    if (!t.on) return;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::fprintf(stderr, "startup %8.2f ms  cpu %7.2f ms  faults %5ld  %s\n",
                 double(nowNs() - t.origin) / 1e6, cpuMs, usage.ru_minflt + usage.ru_majflt, what);
}

namespace {

class FirstFrameWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !exposed_) {
            exposed_ = true;
            mark("first window exposed");
        } else if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            mark("first widget painted");
        }
        if (exposed_ && painted_) deleteLater();
        return QObject::eventFilter(watched, event);
    }

private:
    bool exposed_ = false;
    bool painted_ = false;
};

}  // namespace

void markFirstFrame() {
    if (!enabled() || !QCoreApplication::instance()) return;
    QCoreApplication::instance()->installEventFilter(
        new FirstFrameWatch(QCoreApplication::instance()));
}

}  // namespace qx::startup_trace
