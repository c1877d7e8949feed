// varnel-bank: builds question banks from pool text, judges a bank's pool, and turns a
// pool's figures into the bitmaps the program shows.
#include "bank/bank_builder.h"
#include "figure_bitmap.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    // Kept apart from the bank code, which links no image library.
    if (!arguments.isEmpty() && arguments.first() == QStringLiteral("--figure")) {
        if (arguments.size() != 3) {
            err << "varnel-bank: --figure needs a picture and the bitmap to write\n"
                << BankBuilder::usage();
            return 2;
        }
        QString error;
        if (!FigureBitmap::convert(arguments.at(1), arguments.at(2), &error)) {
            err << "varnel-bank: " << error << "\n";
            return 1;
        }
        return 0;
    }
    return BankBuilder::run(arguments, out, err);
}
