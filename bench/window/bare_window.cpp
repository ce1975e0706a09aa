// The floor of the start-up figures: a bare Qt program that shows one empty widget, built
// the same way as the calculator. Two variants split the calculator's extra cost:
//   large  the widget frameless at the calculator's outer bounds, 1600 x 1200 at 0, 0
//   text   as large, plus one label, so that the fonts are loaded and text is drawn
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool text = argc > 1 && std::strcmp(argv[1], "text") == 0;
    const bool large = text || (argc > 1 && std::strcmp(argv[1], "large") == 0);
    QWidget window;
    if (large) {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(0, 0, 1600, 1200);
    }
    if (text)
        (new QLabel(QStringLiteral("Material"), &window))->move(30, 30);
    window.show();
    return QApplication::exec();
}
