// PaperReader: questions copied out of the bank file through a read-only connection of its own, for
// the windows that ask them away from the study window (the practice exam, the review).
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_PAPER_READER_H
#define VARNEL_BANK_PAPER_READER_H

#include "bank/bank_status.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <memory>

class BankConnection;

// One row of table pool as a draw sees it: where it is and what decides whether it
// may be asked, as stored.
struct PaperRow {
    qint64 rowId = 0;
    QString number; // GNumber as stored
    QString answer; // answer as stored
};

// One question's fields, as stored but for the number, which is trimmed.
struct PaperRecord {
    QString number;
    QString stem;
    QString answer;
    std::array<QString, 4> choices; // fields A to D
};

// Reads questions out of a bank file through a connection of its own, opened
// read-only: nothing is created or written and neither record source of the study
// window moves. Every read runs inside one read transaction, so a bank another
// program changes meanwhile gives one consistent picture; the connection is gone
// with the reader. A read that stops part way (a damaged page) is a failure, never
// a shorter answer.
class PaperReader {
public:
    explicit PaperReader(const QString& filePath);
    ~PaperReader();
    PaperReader(const PaperReader&) = delete;
    PaperReader& operator=(const PaperReader&) = delete;

    // Opens the file read-only and begins the read transaction.
    BankStatus open();
    // Every row of table pool, in row order.
    BankStatus rows(QVector<PaperRow>& rows);
    // The text (field Question) of every question among the first figureStemRows rows
    // that speaks of a figure or a circuit, in row order.
    static constexpr int figureStemRows = 5000;
    BankStatus figureStems(QStringList& stems);
    // The fields of the row with that row id.
    BankStatus record(qint64 rowId, PaperRecord& record);
    // The hint of a question as the study window finds it (first matching row, letter
    // case ignored); null when the bank has none for it, or no table of hints at all.
    BankStatus hint(const QString& number, QString& hint);

private:
    QString m_filePath;
    std::unique_ptr<BankConnection> m_connection;
    bool m_hasHints = false;
};

#endif
