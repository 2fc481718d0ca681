// The baseline of the start-up benchmark: an empty Qt Widgets window of Trelkin's size, built the same way.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    constexpr QSize kWindowSize(650, 500);
    window.resize(kWindowSize);
    window.show();
    return QApplication::exec();
}
