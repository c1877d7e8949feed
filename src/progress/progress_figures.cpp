// The progress window's figures: topics in syllabus order, their shares and readiness, and the
// chance to pass over the exam's groups.
// SPDX-License-Identifier: MIT
#include "progress/progress_figures.h"

#include "bank/text_rules.h"
#include "drill/topic_catalogue.h"
#include "exam/exam_draw.h"
#include "exam/exam_score.h"
#include "progress/pass_chance.h"

#include <QMap>
#include <QSet>

namespace ProgressRules {

QStringList syllabusCodes(QChar poolLetter) {
    // The published syllabi list subelement 0 (safety) last. Pools lettered A and N
    // never had one. (The topic catalogue is to offer the same order to every window
    // that lists topics; until then this is the progress window's own.)
    QStringList codes;
    for (int digit = 1; digit <= 9; ++digit)
        codes << QString(poolLetter) + QString::number(digit);
    if (poolLetter != QLatin1Char('A') && poolLetter != QLatin1Char('N'))
        codes << QString(poolLetter) + QLatin1Char('0');
    return codes;
}

double rightChance(const QuestionStanding& standing) {
    switch (standing.state) {
    case QuestionStanding::State::New:
        return PassChance::newChance;
    case QuestionStanding::State::Learning:
        return standing.lastRight ? PassChance::learningAfterRightChance
                                  : PassChance::learningChance;
    case QuestionStanding::State::Known:
        return PassChance::knownChance;
    }
    return PassChance::newChance;
}

ProgressFigures figures(const QVector<PaperRow>& bankRows, QChar poolLetter,
                        const QHash<QString, QuestionStanding>& standings) {
    // Each number once, in its group: a bank with a number twice asks it once.
    QMap<QString, QStringList> groups; // "G1A" -> numbers; a map keeps groups in number order
    QSet<QString> seen;
    for (const PaperRow& row : bankRows) {
        if (!ExamDraw::isDrawable(row, poolLetter))
            continue;
        const QString number = trimSpaces(row.number);
        if (seen.contains(number))
            continue;
        seen.insert(number);
        groups[number.left(3)] << number;
    }

    struct Tally {
        TopicFigures figures;
        double chanceSum = 0.0;
        int groups = 0;
    };
    QHash<QString, Tally> byCode;
    QVector<double> groupChances;
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        Tally& tally = byCode[group.key().left(2)];
        double sum = 0.0;
        for (const QString& number : group.value()) {
            const QuestionStanding standing = standings.value(number);
            sum += rightChance(standing);
            TopicFigures& topic = tally.figures;
            ++topic.questions;
            switch (standing.state) {
            case QuestionStanding::State::New:
                ++topic.fresh;
                break;
            case QuestionStanding::State::Learning:
                ++topic.learning;
                break;
            case QuestionStanding::State::Known:
                ++topic.known;
                break;
            }
            if (standing.state != QuestionStanding::State::New && standing.lastRight)
                ++topic.rightAtLastTry;
        }
        const double groupChance = sum / static_cast<double>(group.value().size());
        groupChances << groupChance;
        tally.chanceSum += groupChance;
        ++tally.groups;
    }

    ProgressFigures result;
    for (const QString& code : syllabusCodes(poolLetter)) {
        auto found = byCode.constFind(code);
        if (found == byCode.cend())
            continue;
        TopicFigures topic = found->figures;
        topic.code = code;
        topic.name = TopicCatalogue::names().at(code.at(1).unicode() - '0');
        topic.readiness = found->chanceSum / found->groups;
        result.topics << topic;
    }
    result.examQuestions = static_cast<int>(groupChances.size());
    result.passMark = ExamScore::passMark(result.examQuestions);
    result.passChance =
        result.examQuestions == 0 ? 0.0 : PassChance::atLeast(groupChances, result.passMark);
    return result;
}

QHash<QString, QuestionStanding> standings(const QVector<FileQuestion>& questions) {
    QHash<QString, QuestionStanding> result;
    result.reserve(questions.size());
    for (const FileQuestion& q : questions) {
        QuestionStanding standing;
        if (q.state == QLatin1String("known"))
            standing.state = QuestionStanding::State::Known;
        else if (q.state == QLatin1String("learning"))
            standing.state = QuestionStanding::State::Learning;
        standing.lastRight = q.lastRight;
        result.insert(q.number, standing);
    }
    return result;
}

void countDue(const QVector<FileQuestion>& questions, const QDateTime& now,
              ProgressFigures& figures) {
    const QDateTime endOfToday(now.toLocalTime().date().addDays(1), QTime(0, 0));
    figures.dueToday = 0;
    figures.nextDue = QDateTime();
    for (const FileQuestion& q : questions) {
        if (!q.due.isValid())
            continue;
        if (q.due < endOfToday)
            ++figures.dueToday;
        else if (!figures.nextDue.isValid() || q.due < figures.nextDue)
            figures.nextDue = q.due;
    }
}

QVector<RecentExam> recentExams(const QVector<FileExam>& exams, int count) {
    QVector<RecentExam> result;
    for (auto e = exams.crbegin(); e != exams.crend() && result.size() < count; ++e)
        result << RecentExam{e->taken, e->right, e->total, e->passed};
    return result;
}

QString percentText(double chance) {
    const double percent = chance * 100.0;
    if (percent < 1.0)
        return QStringLiteral("under 1%");
    if (percent > 99.0)
        return QStringLiteral("over 99%");
    return QStringLiteral("%1%").arg(qRound(percent));
}

QString dueText(int dueToday, const QDateTime& nextDue) {
    if (dueToday == 1)
        return QStringLiteral("Due today: 1 question.");
    if (dueToday > 1)
        return QStringLiteral("Due today: %1 questions.").arg(dueToday);
    if (nextDue.isValid())
        return QStringLiteral("Due today: none; the next question is due on %1.")
            .arg(nextDue.toLocalTime().date().toString(Qt::ISODate));
    return QStringLiteral("Due today: none.");
}

} // namespace ProgressRules
