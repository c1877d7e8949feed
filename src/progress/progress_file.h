// The progress file: the learner's progress written as CSV a spreadsheet opens (a table of the
// questions, the exam history and every answer), and read back for an import.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_PROGRESS_FILE_H
#define VARNEL_PROGRESS_PROGRESS_FILE_H

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

// One recorded answer as the file holds it.
struct FileAnswer {
    QString number;
    QDateTime answered; // UTC, to the millisecond
    bool right = false;
    QString where; // "study", "exam" or "review"
    bool operator==(const FileAnswer&) const = default;
};

// One finished practice exam as the file holds it.
struct FileExam {
    QDateTime taken; // UTC, to the millisecond
    int right = 0;
    int total = 0;
    bool passed = false;
    QString byTopic; // "G1 5/6; G2 3/3 ...", the right answers and questions per topic
    bool operator==(const FileExam&) const = default;
};

// One question's summary, for the spreadsheet: derived from the answers, so an import
// reads the answers and not this.
struct FileQuestion {
    QString number;
    QString state; // "new", "learning" or "known"
    QDateTime due; // null when not due at all (never answered)
    int right = 0;
    int wrong = 0;
    QDateTime lastAnswered; // null when never answered
    bool lastRight = false; // the last answer was right (not written: the answers say it)
};

// What reading a progress file gave: the rows to merge, and how many were skipped.
struct ProgressFileContents {
    QString refusal; // not a progress file at all: why; then nothing else is set
    QVector<FileAnswer> answers;
    QVector<FileExam> exams;
    int unknownNumbers = 0; // numbers this bank does not hold (or no number at all)
    int otherExam = 0;      // numbers of another pool letter
    int badDates = 0;
    int unreadable = 0; // rows missing a field or with a result, place or score not understood
    int skipped() const { return unknownNumbers + otherExam + badDates + unreadable; }
};

namespace ProgressFile {

// The places an answer is recorded in, as the file names them.
const QStringList& places();
// The whole file: a heading, the questions, the exams and the answers, each table under
// its title with a header row, a blank row between them.
QString write(const QVector<FileQuestion>& questions, const QVector<FileExam>& exams,
              const QVector<FileAnswer>& answers, const QDateTime& exported);
// Reads a file written by write (or by a spreadsheet that kept its tables). A row is
// kept only when its number is one of bankNumbers (the others count as another exam's
// when their pool letter is none of the bank's, else as unknown) and its dates are
// real times no later than a day after now. Exams count as another exam's when their
// topics are of another pool letter.
ProgressFileContents read(const QString& text, const QSet<QString>& bankNumbers,
                          const QDateTime& now);
// The learner's one message about an import: what was added, what was already there,
// and what was skipped and why.
QString importMessage(const QString& fileName, const ProgressFileContents& contents,
                      int answersAdded, int examsAdded);

} // namespace ProgressFile

#endif
