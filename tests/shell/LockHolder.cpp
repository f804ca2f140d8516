// quiltrix_lock_holder LOCKFILE: takes the single-instance lock, says
// "locked" or "refused" on stdout, then keeps it until stdin closes.
#include <cstdio>
#include <iostream>
#include <string>

#include <QCoreApplication>

#include "platform/qt/SingleInstanceLock.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QCoreApplication app(argc, argv);
    qx::SingleInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    const bool held = lock.tryAcquire();
    std::cout << (held ? "locked" : "refused") << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return held ? 0 : 1;
}
