// The bank writer: a question bank file written from pool text, appearing whole or not at all.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_WRITER_H
#define VARNEL_BANK_BANK_WRITER_H

#include "bank/bank_info.h"
#include "bank/bank_status.h"
#include "bank/pool_text_parser.h"

#include <QString>
#include <QVector>

// Writes a question bank file from questions read from pool text. The file appears
// whole or not at all: everything goes into a temporary file beside the target,
// which is renamed over it only once complete. Such a file left behind by a run that
// was killed is removed by the next run into the same folder.
class BankWriter {
public:
    struct Counts {
        int questions = 0;
        int hints = 0;
    };

    // Writes both tables, rows in ascending question-number order, and their indexes,
    // and the record of where the questions came from when info is given. An existing
    // file at path is replaced only when replace is true. On failure the target is
    // untouched and the status says why.
    static BankStatus write(const QString& path, QVector<PoolQuestion> questions, bool replace,
                            Counts* counts, const BankInfo* info = nullptr);
};

#endif
