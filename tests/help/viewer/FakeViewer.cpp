// quiltrix_fake_viewer --serve FILE[>WINDOW]
//   A help viewer that goes wrong the way QX_FAKE_VIEWER says: "crash" dies
//   at once, "hang" never listens and shrugs off SIGTERM, "silent" listens at
//   the pair's socket and never answers. Every start adds its process id as a
//   line to the file QX_FAKE_VIEWER_LOG names.
// quiltrix_fake_viewer --squat PATH
//   Another user's program that took a name first: listens at PATH, puts a
//   file at PATH.lock, says "listening", then answers every line with a
//   window id of its own and says "heard" for each.
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "help/ViewerRequest.h"

namespace {

void logStart() {
    QFile log(qEnvironmentVariable("QX_FAKE_VIEWER_LOG"));
    if (log.open(QIODevice::Append)) log.write(QByteArray::number(::getpid()) + '\n');
}

[[noreturn]] void waitForever() {
    for (;;) ::pause();
}

int listenAt(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path) std::exit(3);
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0)
        std::exit(4);
    return fd;
}

// Takes connections into the queue and never reads or answers them.
[[noreturn]] void listenSilently(const QString& target) {
    const qsizetype split = target.indexOf(QLatin1Char('>'));
    const QString file = split < 0 ? target : target.left(split);
    const QString windowType = split < 0 ? QString() : target.mid(split + 1);
    listenAt(QFile::encodeName(qx::viewerPlace(file, windowType).socket));
    waitForever();
}

[[noreturn]] void squat(const QByteArray& path) {
    const int fd = listenAt(path);
    QFile lock(QFile::decodeName(path + ".lock"));
    if (!lock.open(QIODevice::WriteOnly)) std::exit(5);
    std::printf("listening\n");
    std::fflush(stdout);
    for (;;) {
        const int connection = ::accept(fd, nullptr, nullptr);
        if (connection < 0) continue;
        std::printf("heard\n");
        std::fflush(stdout);
        char line[4096];
        if (::read(connection, line, sizeof line) > 0) {
            [[maybe_unused]] const ssize_t sent = ::write(connection, "4242\n", 5);
        }
        ::close(connection);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--squat") == 0) squat(argv[2]);
    logStart();
    const QByteArray mode = qgetenv("QX_FAKE_VIEWER");
    if (mode == "crash") ::raise(SIGSEGV);
    if (mode == "hang") {
        ::signal(SIGTERM, SIG_IGN);
        waitForever();
    }
    if (mode == "silent" && argc == 3) listenSilently(QString::fromLocal8Bit(argv[2]));
    return 2;
}
