// The review's order of questions: first misses each once, the queue, a wrong answer to the back,
// the progress text.
// SPDX-License-Identifier: MIT
#include "exam/review_queue.h"

#include "bank/text_rules.h"

#include <QSet>

QStringList ReviewQueue::firstMisses(const QStringList& missedList) {
    QStringList numbers;
    QSet<QString> seen;
    for (const QString& entry : missedList) {
        const QString number = trimSpaces(entry);
        if (number.isEmpty() || seen.contains(number.toUpper()))
            continue;
        seen.insert(number.toUpper());
        numbers << number;
    }
    return numbers;
}

ReviewQueue::ReviewQueue(int questions) : m_tries(std::max(questions, 0), 0) {
    for (int i = 0; i < questions; ++i)
        m_waiting << i;
}

void ReviewQueue::answer(bool right) {
    if (m_waiting.isEmpty())
        return;
    const int question = m_waiting.takeFirst();
    ++m_tries[question];
    if (!right)
        m_waiting << question;
}

QString ReviewQueue::progress() const {
    return QStringLiteral("%1 of %2 left").arg(left()).arg(total());
}

QVector<int> ReviewQueue::retried() const {
    QVector<int> questions;
    for (int i = 0; i < m_tries.size(); ++i)
        if (m_tries.at(i) > 1)
            questions << i;
    return questions;
}
