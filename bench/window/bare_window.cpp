// The floor of the start-up figures: a bare Qt program that shows one empty widget,
// built the same way as the calculator.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
