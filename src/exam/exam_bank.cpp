// Copying the questions of a practice exam or a review out of the bank through the read-only
// paper reader.
// SPDX-License-Identifier: MIT
#include "exam/exam_bank.h"

#include "bank/paper_reader.h"
#include "bank/text_rules.h"
#include "drill/random_draw.h"

#include <QHash>

namespace {

// The question of a row with its hint; the choices stay in field order.
BankStatus copyQuestion(PaperReader& reader, qint64 rowId, ExamQuestion& question) {
    PaperRecord record;
    if (BankStatus status = reader.record(rowId, record); !status)
        return status;
    question.number = record.number;
    question.stem = record.stem;
    question.choices = record.choices;
    question.rightValue = ExamDraw::answerValue(record.answer).value_or(0);
    return reader.hint(question.number, question.hint);
}

// Opens the bank and reads its rows; the reader stays open, in its read transaction,
// for the questions copied next.
BankStatus openRows(PaperReader& reader, QVector<PaperRow>& rows) {
    if (BankStatus status = reader.open(); !status)
        return status;
    return reader.rows(rows);
}

} // namespace

ExamDrawOutcome ExamBank::draw(const QString& filePath, QChar poolLetter, RandomDraw& random) {
    ExamDrawOutcome outcome;
    PaperReader reader(filePath);
    QVector<PaperRow> rows;
    if (outcome.status = openRows(reader, rows); !outcome.status)
        return outcome;
    outcome.plan = ExamDraw::plan(rows, poolLetter, random);
    for (qint64 rowId : outcome.plan.rowIds) {
        ExamQuestion question;
        if (outcome.status = copyQuestion(reader, rowId, question); !outcome.status) {
            outcome.paper.clear();
            return outcome;
        }
        question.rows = ExamDraw::shuffledRows(random);
        outcome.paper << question;
    }
    return outcome;
}

ReviewReadOutcome ExamBank::read(const QString& filePath, const QStringList& numbers) {
    ReviewReadOutcome outcome;
    PaperReader reader(filePath);
    QVector<PaperRow> rows;
    if (outcome.status = openRows(reader, rows); !outcome.status)
        return outcome;
    // The first row of each number that can be asked, as the study window finds it.
    QHash<QString, qint64> askable;
    for (const PaperRow& row : rows) {
        const QString key = trimSpaces(row.number).toUpper();
        if (ExamDraw::answerValue(row.answer) && !askable.contains(key))
            askable.insert(key, row.rowId);
    }
    for (const QString& number : numbers) {
        const auto found = askable.constFind(trimSpaces(number).toUpper());
        if (found == askable.cend()) {
            outcome.skipped << number;
            continue;
        }
        ExamQuestion question;
        if (outcome.status = copyQuestion(reader, *found, question); !outcome.status) {
            outcome.questions.clear();
            return outcome;
        }
        outcome.questions << question;
    }
    return outcome;
}

QString ExamDrawOutcome::refusal(QChar poolLetter) const {
    if (!status)
        return QStringLiteral("The practice exam could not read the question bank: %1.")
            .arg(status.reason());
    return ExamDraw::refusalMessage(plan, poolLetter);
}
