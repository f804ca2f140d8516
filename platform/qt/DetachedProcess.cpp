#include "platform/qt/DetachedProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <cerrno>

namespace qx {
namespace {

int openPidfd(qint64 pid) {
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    errno = ENOSYS;
    return -1;
#endif
}

}  // namespace

std::unique_ptr<DetachedProcess> DetachedProcess::start(const QString& program,
                                                        const QStringList& arguments) {
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid) || pid <= 0) return nullptr;
    const int pidfd = openPidfd(pid);
    // Gone already (a start that failed at once): watch an ended process.
    if (pidfd < 0 && errno == ESRCH)
        return std::unique_ptr<DetachedProcess>(new DetachedProcess(0, -1));
    return std::unique_ptr<DetachedProcess>(new DetachedProcess(pid, pidfd));
}

std::unique_ptr<DetachedProcess> DetachedProcess::watch(qint64 pid) {
    if (pid <= 0) return nullptr;
    const int pidfd = openPidfd(pid);
    if (pidfd < 0 && (errno == ESRCH || ::kill(pid_t(pid), 0) != 0)) return nullptr;
    return std::unique_ptr<DetachedProcess>(new DetachedProcess(pid, pidfd));
}

DetachedProcess::~DetachedProcess() {
    if (pidfd_ >= 0) ::close(pidfd_);
}

bool DetachedProcess::running() const {
    if (pid_ <= 0) return false;
    if (pidfd_ < 0) return ::kill(pid_t(pid_), 0) == 0;
    // A process file descriptor reads as ready once its process has ended.
    pollfd watch{pidfd_, POLLIN, 0};
    return ::poll(&watch, 1, 0) == 0;
}

void DetachedProcess::signal(int number) const {
    if (!running()) return;
#ifdef SYS_pidfd_send_signal
    if (pidfd_ >= 0) {
        ::syscall(SYS_pidfd_send_signal, pidfd_, number, nullptr, 0);
        return;
    }
#endif
    ::kill(pid_t(pid_), number);
}

void DetachedProcess::endWithin(int graceMs) const {
    signal(SIGTERM);
    QDeadlineTimer grace(graceMs);
    while (running() && !grace.hasExpired()) {
        if (pidfd_ >= 0) {
            pollfd watch{pidfd_, POLLIN, 0};
            ::poll(&watch, 1, int(grace.remainingTime()));
        } else {
            QThread::msleep(10);
        }
    }
    signal(SIGKILL);
}

}  // namespace qx
