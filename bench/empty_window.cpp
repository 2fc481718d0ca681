// The baselines of the start-up benchmark: an empty Qt Widgets window of Trelkin's size, built the same way, and
// (built with TRELKIN_WINDOW_TEXT) the same window showing one line of Japanese text.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    constexpr QSize kWindowSize(650, 500);
    window.resize(kWindowSize);
#ifdef TRELKIN_WINDOW_TEXT
    window.setCentralWidget(new QLabel(QStringLiteral("調合/錬金 アイテム詳細")));
#endif
    window.show();
    return QApplication::exec();
}
