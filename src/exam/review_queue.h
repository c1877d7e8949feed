// ReviewQueue: the order a review asks its questions in, a wrong answer sending the question to the
// back, and what the learner is told of the progress.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_REVIEW_QUEUE_H
#define VARNEL_EXAM_REVIEW_QUEUE_H

#include <QString>
#include <QStringList>
#include <QVector>

// The questions of a review, numbered 0 to n-1, asked in that order. A right answer
// takes the question off; a wrong one sends it to the back, after the others. The
// review is done when every question has been answered right once.
class ReviewQueue {
public:
    // The numbers of a missed list as a review asks them: each once, in the order of
    // its first miss, spaces around it and letter case ignored; empty entries dropped.
    static QStringList firstMisses(const QStringList& missedList);

    explicit ReviewQueue(int questions = 0);

    // The question asked now; -1 when the review is done.
    int current() const { return m_waiting.isEmpty() ? -1 : m_waiting.first(); }
    bool isDone() const { return m_waiting.isEmpty(); }
    // Judges the current question.
    void answer(bool right);
    int total() const { return static_cast<int>(m_tries.size()); }
    int left() const { return static_cast<int>(m_waiting.size()); }
    // "5 of 12 left".
    QString progress() const;
    // How often a question has been answered so far.
    int tries(int question) const { return m_tries.value(question); }
    // The questions that needed more than one try, in the order they were asked first.
    QVector<int> retried() const;

private:
    QVector<int> m_waiting;
    QVector<int> m_tries;
};

#endif
