// varnel-bank: builds question banks from pool text, judges a bank's pool, and turns a
// pool's figures into the bitmaps the program shows.
// SPDX-License-Identifier: MIT
#include "bank_command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return BankCommand::run(app.arguments().mid(1), out, err);
}
