// The second reference for start-up times: a plain Qt Widgets window shaped
// like the game's Start window. Borderless, 571 x 284, a painted background,
// one line of text and two standard push buttons, START the default one. It
// sets up fonts, text and accessible controls as the game's window does,
// which the bare window does not.
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace {

class StartLikeWindow : public QWidget {
public:
    StartLikeWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setFixedSize(571, 284);
        auto* cancel = new QPushButton(QStringLiteral("CANCEL"), this);
        cancel->setGeometry(372, 220, 73, 25);
        auto* start = new QPushButton(QStringLiteral("START"), this);
        start->setGeometry(452, 220, 73, 25);
        start->setDefault(true);
        start->setFocus();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x88, 0x8F, 0x83));
        painter.drawText(QRect(372, 100, 180, 20), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Jigsaw puzzles from your photographs"));
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StartLikeWindow window;
    window.show();
    return QApplication::exec();
}
