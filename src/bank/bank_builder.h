#ifndef VARNEL_BANK_BANK_BUILDER_H
#define VARNEL_BANK_BANK_BUILDER_H

#include "bank/bank_info.h"
#include "bank/pool_text_parser.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

// The bank builder command: reads published pool text (whole files, or folders of
// one-question files) and writes a question bank from it.
class BankBuilder {
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

    // Reads the command line (without the program name); false with error set on misuse.
    static bool parseArguments(const QStringList& arguments, Options* options, QString* error);

    // Reads every source, in order; false with error set at the first fault, including a
    // question number that appears twice. info, when given, gets where they came from.
    static bool readSources(const QStringList& sources, QVector<PoolQuestion>* questions,
                            QString* error, BankInfo* info = nullptr);

    // The one line that says a bank's pool has expired, or may have (a bank with no
    // record, as made before pools were recorded); empty for a current bank or one
    // whose pool names no validity.
    static QString ageNotice(const QString& path, const BankInfo& info, BankInfo::Age age);

    // Runs the whole command; returns the exit status (0 done, 1 bad input, 2 misuse;
    // --check: 0 current, 3 expired or unrecorded).
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

#endif
