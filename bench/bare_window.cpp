// A bare Qt Widgets main window: the yardstick of the start-up benchmark. Its first argument,
// WIDTHxHEIGHT, is the size of the program's window, which the benchmark measures first; a
// second argument "text" puts one line of text in it, so that the font system (fontconfig,
// FreeType), which a window without text never starts, is part of the yardstick too.
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QString>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    const QStringList size = QString::fromLocal8Bit(argc > 1 ? argv[1] : "536x397").split('x');
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("text"))
        window.setCentralWidget(
            new QLabel(QStringLiteral("What is the stem of question G0A00000?")));
    window.show();
    return app.exec();
}
