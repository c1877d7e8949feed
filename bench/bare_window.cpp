// A bare Qt Widgets main window: the yardstick of the start-up benchmark. Its one argument,
// WIDTHxHEIGHT, is the size of the program's window, which the benchmark measures first.
#include <QApplication>
#include <QMainWindow>
#include <QString>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    const QStringList size = QString::fromLocal8Bit(argc > 1 ? argv[1] : "536x397").split('x');
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    window.show();
    return app.exec();
}
