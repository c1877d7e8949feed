// Writing the progress file as CSV and reading it back: its tables, their header rows, dates to the
// millisecond, and each row checked against the bank before it is kept.
// SPDX-License-Identifier: MIT
#include "progress/progress_file.h"

#include "bank/pool_text_parser.h"
#include "progress/csv_text.h"

namespace ProgressFile {

namespace {

const QString heading = QStringLiteral("Varnel Theory progress");
const QString formatOne = QStringLiteral("format 1");
const QString questionsTitle = QStringLiteral("Questions");
const QString examsTitle = QStringLiteral("Practice exams");
const QString answersTitle = QStringLiteral("Answers");
const QStringList questionsHeader{
    QStringLiteral("Question"), QStringLiteral("State"), QStringLiteral("Due (UTC)"),
    QStringLiteral("Right"),    QStringLiteral("Wrong"), QStringLiteral("Last answered (UTC)")};
const QStringList examsHeader{QStringLiteral("Taken (UTC)"), QStringLiteral("Right"),
                              QStringLiteral("Questions"), QStringLiteral("Passed"),
                              QStringLiteral("By topic")};
const QStringList answersHeader{QStringLiteral("Question"), QStringLiteral("Answered (UTC)"),
                                QStringLiteral("Result"), QStringLiteral("Where")};

// Spreadsheets read "2026-12-05 10:22:13.120" as a date and time; the milliseconds
// keep two answers of one second apart, and let an import know an answer it holds.
const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toUTC().toString(timeFormat) : QString();
}

QDateTime parseTime(const QString& text) {
    const QString t = text.trimmed();
    for (const QString& format :
         {timeFormat, QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd HH:mm")}) {
        QDateTime time = QDateTime::fromString(t, format);
        if (time.isValid()) {
            time.setTimeSpec(Qt::UTC);
            return time;
        }
    }
    // ISO 8601 with a "T", with or without a zone ("...Z", "+01:00"); none means UTC.
    QDateTime time = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (time.isValid() && time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    return time.isValid() ? time.toUTC() : QDateTime();
}

bool plausible(const QDateTime& time, const QDateTime& now) {
    // No answer is older than the program's first pools, nor from tomorrow on (a
    // day's grace for another machine's clock).
    static const QDateTime earliest(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    return time.isValid() && time >= earliest && time <= now.addDays(1);
}

std::optional<int> count(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

enum class Table { None, Questions, Exams, Answers };

} // namespace

const QStringList& places() {
    static const QStringList list{QStringLiteral("study"), QStringLiteral("exam"),
                                  QStringLiteral("review")};
    return list;
}

QString write(const QVector<FileQuestion>& questions, const QVector<FileExam>& exams,
              const QVector<FileAnswer>& answers, const QDateTime& exported) {
    QString text;
    text += CsvText::row({heading, formatOne});
    text += CsvText::row({QStringLiteral("Exported (UTC)"), timeText(exported)});
    text += CsvText::row({QStringLiteral("Import reads the answers and the practice exams; the "
                                         "questions table is worked out from the answers.")});
    text += CsvText::row({});
    text += CsvText::row({questionsTitle});
    text += CsvText::row(questionsHeader);
    for (const FileQuestion& q : questions)
        text += CsvText::row(
            {q.number, q.state,
             q.due.isValid() ? q.due.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                             : QString(),
             QString::number(q.right), QString::number(q.wrong),
             q.lastAnswered.isValid()
                 ? q.lastAnswered.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                 : QString()});
    text += CsvText::row({});
    text += CsvText::row({examsTitle});
    text += CsvText::row(examsHeader);
    for (const FileExam& e : exams)
        text += CsvText::row({timeText(e.taken), QString::number(e.right), QString::number(e.total),
                              e.passed ? QStringLiteral("yes") : QStringLiteral("no"), e.byTopic});
    text += CsvText::row({});
    text += CsvText::row({answersTitle});
    text += CsvText::row(answersHeader);
    for (const FileAnswer& a : answers)
        text +=
            CsvText::row({a.number, timeText(a.answered),
                          a.right ? QStringLiteral("right") : QStringLiteral("wrong"), a.where});
    return text;
}

ProgressFileContents read(const QString& text, const QSet<QString>& bankNumbers,
                          const QDateTime& now) {
    ProgressFileContents contents;
    const QVector<QStringList> rows = CsvText::rows(text);
    qsizetype first = 0;
    while (first < rows.size() && rows.at(first).isEmpty())
        ++first;
    if (first == rows.size() || rows.at(first).value(0).trimmed() != heading) {
        contents.refusal = QStringLiteral("it is not a progress file: its first line does not "
                                          "begin with \"%1\"")
                               .arg(heading);
        return contents;
    }

    QSet<QChar> bankLetters;
    for (const QString& number : bankNumbers)
        if (!number.isEmpty())
            bankLetters.insert(number.at(0));
    // Sorts a number into kept, another exam's or unknown.
    auto numberKnown = [&](const QString& number) {
        if (bankNumbers.contains(number))
            return true;
        if (PoolTextParser::isQuestionNumber(number) && !bankLetters.contains(number.at(0)))
            ++contents.otherExam;
        else
            ++contents.unknownNumbers;
        return false;
    };

    Table table = Table::None;
    bool headerNext = false;
    for (qsizetype i = first + 1; i < rows.size(); ++i) {
        const QStringList& row = rows.at(i);
        if (row.isEmpty()) {
            table = Table::None;
            continue;
        }
        const QString lead = row.at(0).trimmed();
        if (row.size() == 1 &&
            (lead == questionsTitle || lead == examsTitle || lead == answersTitle)) {
            table = lead == questionsTitle ? Table::Questions
                    : lead == examsTitle   ? Table::Exams
                                           : Table::Answers;
            headerNext = true;
            continue;
        }
        if (headerNext) {
            headerNext = false;
            continue; // the header row, whatever a spreadsheet made of its words
        }
        switch (table) {
        case Table::None:
        case Table::Questions:
            break; // notes, and the summary the answers give again
        case Table::Answers: {
            const QString number = row.value(0).trimmed();
            const QString result = row.value(2).trimmed().toLower();
            const QString where = row.value(3).trimmed().toLower();
            if (!numberKnown(number))
                break;
            const QDateTime answered = parseTime(row.value(1));
            if (!plausible(answered, now)) {
                ++contents.badDates;
                break;
            }
            if ((result != QLatin1String("right") && result != QLatin1String("wrong")) ||
                !places().contains(where)) {
                ++contents.unreadable;
                break;
            }
            contents.answers << FileAnswer{number, answered, result == QLatin1String("right"),
                                           where};
            break;
        }
        case Table::Exams: {
            const QString byTopic = row.value(4).trimmed();
            bool otherLetter = false;
            for (const QString& part : byTopic.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                const QString code = part.trimmed();
                if (!code.isEmpty() && !bankLetters.contains(code.at(0)))
                    otherLetter = true;
            }
            if (otherLetter) {
                ++contents.otherExam;
                break;
            }
            const QDateTime taken = parseTime(row.value(0));
            if (!plausible(taken, now)) {
                ++contents.badDates;
                break;
            }
            const std::optional<int> right = count(row.value(1));
            const std::optional<int> total = count(row.value(2));
            const QString passed = row.value(3).trimmed().toLower();
            if (!right || !total || *right > *total || *total == 0 ||
                (passed != QLatin1String("yes") && passed != QLatin1String("no"))) {
                ++contents.unreadable;
                break;
            }
            contents.exams << FileExam{taken, *right, *total, passed == QLatin1String("yes"),
                                       byTopic};
            break;
        }
        }
    }
    return contents;
}

QString importMessage(const QString& fileName, const ProgressFileContents& contents,
                      int answersAdded, int examsAdded) {
    const auto plural = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    QString text = QStringLiteral("Imported from %1: %2 and %3.")
                       .arg(fileName, plural(answersAdded, "answer", "answers"),
                            plural(examsAdded, "practice exam", "practice exams"));
    const int knownAnswers = static_cast<int>(contents.answers.size()) - answersAdded;
    const int knownExams = static_cast<int>(contents.exams.size()) - examsAdded;
    if (knownAnswers > 0 || knownExams > 0)
        text += QStringLiteral(" Already recorded, so not added again: %1 and %2.")
                    .arg(plural(knownAnswers, "answer", "answers"),
                         plural(knownExams, "practice exam", "practice exams"));
    if (contents.skipped() > 0) {
        QStringList why;
        if (contents.unknownNumbers > 0)
            why << QStringLiteral("%1 with a number this bank does not hold")
                       .arg(contents.unknownNumbers);
        if (contents.otherExam > 0)
            why << QStringLiteral("%1 of another exam").arg(contents.otherExam);
        if (contents.badDates > 0)
            why << QStringLiteral("%1 with a date that is no real time").arg(contents.badDates);
        if (contents.unreadable > 0)
            why << QStringLiteral("%1 not understood").arg(contents.unreadable);
        text += QStringLiteral(" Skipped %1: %2.")
                    .arg(plural(contents.skipped(), "row", "rows"), why.join(QStringLiteral(", ")));
    }
    return text;
}

} // namespace ProgressFile
