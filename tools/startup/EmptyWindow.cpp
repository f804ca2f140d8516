// The reference for start-up times: a bare Qt Widgets window of the Start
// window's size, borderless like it, shown as soon as the application exists.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(571, 284);
    window.show();
    return QApplication::exec();
}
