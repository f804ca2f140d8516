#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace qx {

// A program started to live on by itself (in a session of its own, so it
// outlasts its starter and the starter's terminal), still watched while the
// starter cares: whether it runs, and ending it. It is reached through a
// process file descriptor where the system has them, so a process id reused
// after its end is never mistaken for it.
class DetachedProcess {
public:
    // Null when the program cannot be started.
    static std::unique_ptr<DetachedProcess> start(const QString& program,
                                                  const QStringList& arguments);
    // A process running already, by its id; null when it has ended.
    static std::unique_ptr<DetachedProcess> watch(qint64 pid);
    ~DetachedProcess();  // stops watching; the process runs on
    DetachedProcess(const DetachedProcess&) = delete;
    DetachedProcess& operator=(const DetachedProcess&) = delete;

    qint64 pid() const { return pid_; }
    bool running() const;
    // Sends the signal when the process still runs.
    void signal(int number) const;
    // Asks it to stop (SIGTERM) and, when it has not within `graceMs`, kills
    // it. Waits on this thread, so only for the program's own end.
    void endWithin(int graceMs) const;

private:
    DetachedProcess(qint64 pid, int pidfd) : pid_(pid), pidfd_(pidfd) {}

    qint64 pid_;
    int pidfd_;  // -1 where the system has none: the id alone is used
};

}  // namespace qx
