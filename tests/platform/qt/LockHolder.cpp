// quiltrix_lock_holder LOCKFILE
// quiltrix_lock_holder --roots RUNTIME_ROOT TEMP_ROOT
//   takes the single-instance lock (the given file, or the user's lock under
//   the given roots), says "locked", "refused" or "unavailable" on stdout,
//   then keeps it until stdin closes.
// quiltrix_lock_holder --default-path
//   prints the user's lock path and ends.
#include <unistd.h>

#include <iostream>
#include <string>

#include <QCoreApplication>

#include "platform/qt/SingleInstanceLock.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args == QStringList{QStringLiteral("--default-path")}) {
        std::cout << qx::SingleInstanceLock::defaultPath().toStdString() << std::endl;
        return 0;
    }
    QString path;
    if (args.size() == 3 && args[0] == QLatin1String("--roots")) {
        path = qx::SingleInstanceLock::lockPathFor(::getuid(), args[1], args[2]);
    } else if (args.size() == 1) {
        path = args[0];
    } else {
        return 2;
    }
    qx::SingleInstanceLock lock(path);
    const qx::LockOutcome outcome = lock.tryAcquire();
    std::cout << (outcome == qx::LockOutcome::Acquired        ? "locked"
                  : outcome == qx::LockOutcome::HeldByAnother ? "refused"
                                                              : "unavailable")
              << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return outcome == qx::LockOutcome::Acquired ? 0 : 1;
}
