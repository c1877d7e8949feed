// The varnel-bank command line: building a question bank from pool text, judging a bank's pool, and
// converting a pool's figure.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TOOLS_BANK_BANK_COMMAND_H
#define VARNEL_TOOLS_BANK_BANK_COMMAND_H

#include "bank/bank_info.h"
#include "bank/bank_status.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// The varnel-bank command line: builds a question bank from published pool text
// (whole files, or folders of one-question files), judges a bank's pool, and turns a
// pool's figure into the bitmap the program shows.
class BankCommand {
public:
    struct Options {
        QString out;
        bool replace = false;
        bool help = false;
        bool version = false;
        QString check; // a bank whose pool is to be judged, instead of building one
        QStringList sources;
    };

    // The usage text shown for --help and after a mistake on the command line.
    static QString usage();

    // Reads the command line (without the program name); fails on misuse.
    static BankStatus parseArguments(const QStringList& arguments, Options* options);

    // The one line that says a bank's pool has expired, or may have (a bank with no
    // record, as made before pools were recorded); empty for a current bank or one
    // whose pool names no validity.
    static QString ageNotice(const QString& path, const BankInfo& info, BankInfo::Age age);

    // Runs the whole command; returns the exit status (0 done, 1 bad input, 2 misuse;
    // --check: 0 current, 3 expired or unrecorded).
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

#endif
