// The pool-text parser: the active questions of pool text with where each was found, or why the
// source could not be read.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_POOL_TEXT_PARSER_H
#define VARNEL_BANK_POOL_TEXT_PARSER_H

#include "bank/bank_status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// One active question read from pool text, with where it was found.
struct PoolQuestion {
    QString number;
    QString stem;
    QString answer; // "1" to "4" for A to D, as the bank stores it
    std::array<QString, 4> choices;
    QString reference; // the rule reference in brackets on the number line, or empty
    QString file;
    int line = 0;
};

// Why a source could not be read: the file, the line (0 when none applies) and
// the question it happened in (empty when none).
struct PoolTextError {
    QString file;
    int line = 0;
    QString question;
    QString message;

    // The error as one line for the learner: "file:line: question G1A01: message".
    QString toString() const;
};

struct PoolTextResult {
    QVector<PoolQuestion> questions;
    QStringList deleted; // numbers marked deleted or removed in the pool
    PoolTextError error; // where the text could not be read; no message when it could

    // Success, or the error as one line.
    BankStatus status() const {
        return error.message.isEmpty() ? BankStatus::success()
                                       : BankStatus::failure(error.toString());
    }
};

// Reads question-pool text in the layout the question pool committee publishes:
// a number line such as "G1A01 (C) [97.301(d)]", the stem, "A." to "D." and "~~".
class PoolTextParser {
public:
    enum class Layout {
        WholePool,  // a whole published pool: questions start after the pool heading
        OneQuestion // a file holding just a question (or a few), without any heading
    };

    // Parses the bytes of one source file named fileName (used in error messages).
    static PoolTextResult parse(const QByteArray& bytes, const QString& fileName, Layout layout);

    // True when text is a question number such as "G1A01".
    static bool isQuestionNumber(const QString& text);
};

#endif
