// The practice exam's draw: the group of each question, which rows may be asked, one row per group
// and the order of the choices.
// SPDX-License-Identifier: MIT
#include "exam/exam_draw.h"

#include "bank/pool_text_parser.h"
#include "bank/text_rules.h"
#include "drill/answer_value.h"
#include "drill/random_draw.h"

#include <QMap>
#include <algorithm>

namespace ExamDraw {

std::optional<QString> groupOf(const QString& number, QChar poolLetter) {
    const QString n = trimSpaces(number);
    if (n.size() < 3 || n.at(0) != poolLetter)
        return std::nullopt;
    const QChar digit = n.at(1);
    const QChar group = n.at(2);
    if (digit < QLatin1Char('0') || digit > QLatin1Char('9') || group < QLatin1Char('A') ||
        group > QLatin1Char('Z'))
        return std::nullopt;
    return n.left(3);
}

std::optional<int> answerValue(const QString& field) {
    for (int value = 1; value <= 4; ++value)
        if (AnswerValue::matches(field, value))
            return value;
    return std::nullopt;
}

bool isDrawable(const ExamCandidate& row, QChar poolLetter) {
    const QString n = trimSpaces(row.number);
    return PoolTextParser::isQuestionNumber(n) && n.at(0) == poolLetter &&
           answerValue(row.answer).has_value();
}

int pick(int count, RandomDraw& draw) {
    // rnd() is below 1, yet the product may round up to count for huge counts.
    const int index = static_cast<int>(draw.rnd() * count);
    return std::clamp(index, 0, count - 1);
}

std::array<int, 4> shuffledRows(RandomDraw& draw) {
    std::array<int, 4> rows{1, 2, 3, 4};
    for (int i = 3; i > 0; --i)
        std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(pick(i + 1, draw))]);
    return rows;
}

ExamPlan plan(const QVector<ExamCandidate>& rows, QChar poolLetter, RandomDraw& draw) {
    // QMap keeps the groups in number order ("G0A" before "G0B" before "G1A").
    QMap<QString, QVector<qint64>> drawable;
    for (const ExamCandidate& row : rows) {
        const std::optional<QString> group = groupOf(row.number, poolLetter);
        if (!group)
            continue;
        QVector<qint64>& members = drawable[*group];
        if (isDrawable(row, poolLetter))
            members << row.rowId;
    }
    ExamPlan result;
    for (auto it = drawable.cbegin(); it != drawable.cend(); ++it) {
        result.groups << it.key();
        if (it.value().isEmpty())
            result.emptyGroups << it.key();
    }
    if (result.groups.isEmpty() || !result.emptyGroups.isEmpty())
        return result;
    for (const QVector<qint64>& members : drawable)
        result.rowIds << members.at(pick(static_cast<int>(members.size()), draw));
    return result;
}

QString refusalMessage(const ExamPlan& plan, QChar poolLetter) {
    if (plan.groups.isEmpty())
        return QStringLiteral("The practice exam cannot be drawn: the question bank has no "
                              "question of pool %1.")
            .arg(poolLetter);
    return QStringLiteral("The practice exam asks one question of every group, but these "
                          "groups have no question with a valid number and an answer of 1 to "
                          "4: %1.")
        .arg(plan.emptyGroups.join(QStringLiteral(", ")));
}

} // namespace ExamDraw
