// Scoring a practice exam: the pass mark, the tally per topic, the verdict and the missed numbers.
// SPDX-License-Identifier: MIT
#include "exam/exam_score.h"

#include "drill/topic_catalogue.h"

#include <algorithm>

namespace ExamScore {

int passMark(int questions) {
    // In whole numbers, so 74 % of 50 is exactly 37 and not 37.000000001.
    return questions <= 0 ? 0 : (passPercent * questions + 99) / 100;
}

ExamResult score(const QVector<ExamQuestion>& paper, const QVector<int>& chosen) {
    ExamResult result;
    result.total = static_cast<int>(paper.size());
    result.passMark = passMark(result.total);
    for (const QString& name : TopicCatalogue::names())
        result.topics << TopicTally{name, 0, 0};
    for (int i = 0; i < paper.size(); ++i) {
        const ExamQuestion& question = paper.at(i);
        const bool right = i < chosen.size() && chosen.at(i) == question.rightValue;
        if (right)
            ++result.right;
        else
            result.missed << i;
        const QChar digit = question.number.size() > 1 ? question.number.at(1) : QChar();
        if (digit >= QLatin1Char('0') && digit <= QLatin1Char('9')) {
            TopicTally& topic = result.topics[digit.unicode() - '0'];
            ++topic.asked;
            if (right)
                ++topic.right;
        }
    }
    std::sort(result.missed.begin(), result.missed.end(),
              [&](int a, int b) { return paper.at(a).number < paper.at(b).number; });
    result.passed = result.right >= result.passMark;
    return result;
}

QString verdict(const ExamResult& result) {
    const QString score = QStringLiteral("%1 of %2 right").arg(result.right).arg(result.total);
    if (result.passed)
        return score + QStringLiteral(": passed");
    return score + QStringLiteral(": not passed (%1 needed)").arg(result.passMark);
}

QStringList missedNumbers(const QVector<ExamQuestion>& paper, const ExamResult& result) {
    QStringList numbers;
    for (int i : result.missed)
        numbers << paper.at(i).number;
    return numbers;
}

} // namespace ExamScore
