// The figures of the progress window: per topic the shares of new, learning and known questions,
// the number right at the last try and the readiness, and overall the chance to pass.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_PROGRESS_FIGURES_H
#define VARNEL_PROGRESS_PROGRESS_FIGURES_H

#include "bank/paper_reader.h"
#include "progress/progress_file.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// Where the learner stands with one question, as the progress store derives it.
struct QuestionStanding {
    enum class State { New, Learning, Known };
    State state = State::New;
    bool lastRight = false; // the last recorded answer was right
};

// One topic's row.
struct TopicFigures {
    QString code; // "G1"
    QString name; // "Commission's Rules"
    int questions = 0;
    int fresh = 0; // never answered
    int learning = 0;
    int known = 0;
    int rightAtLastTry = 0;
    double readiness = 0.0; // the chance of a right answer to this topic's exam questions
};

// One practice exam of the history.
struct RecentExam {
    QDateTime taken;
    int right = 0;
    int total = 0;
    bool passed = false;
};

// The whole picture for one pool letter.
struct ProgressFigures {
    QVector<TopicFigures> topics; // syllabus order, topics without questions left out
    int examQuestions = 0;        // one per group
    int passMark = 0;
    double passChance = 0.0;
    QVector<RecentExam> recentExams; // newest first
    int dueToday = 0;
    QDateTime nextDue; // when the next question is due after today; null when none is
};

namespace ProgressRules {

// The topic codes of a pool letter in syllabus order: subelements 1 to 9, then 0
// ("G1" ... "G9", "G0"); letters without a subelement 0 (A, N) stop at 9.
QStringList syllabusCodes(QChar poolLetter);
// The chance that a question in this standing is answered right.
double rightChance(const QuestionStanding& standing);
// The figures of the bank's questions of the pool letter: the rows the practice exam
// may draw (PaperRow as stored), each standing looked up by its trimmed number (a
// number without one is new).
ProgressFigures figures(const QVector<PaperRow>& bankRows, QChar poolLetter,
                        const QHash<QString, QuestionStanding>& standings);

// The standing of each answered question, by number.
QHash<QString, QuestionStanding> standings(const QVector<FileQuestion>& questions);
// Counts the questions due by the end of today (local time) into figures.dueToday, and
// puts the earliest later due time into figures.nextDue.
void countDue(const QVector<FileQuestion>& questions, const QDateTime& now,
              ProgressFigures& figures);
// The practice exams of the history, newest first, at most `count` of them.
QVector<RecentExam> recentExams(const QVector<FileExam>& exams, int count);
// A chance as a whole per cent, never claiming certainty a model cannot give:
// "under 1%" and "over 99%" at the ends.
QString percentText(double chance);
// What the window says about questions due: how many are due today, else when the
// next one is, else that none is.
QString dueText(int dueToday, const QDateTime& nextDue);

} // namespace ProgressRules

#endif
