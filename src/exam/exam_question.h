// One question of a practice exam, copied from the bank when the exam was drawn.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_QUESTION_H
#define VARNEL_EXAM_EXAM_QUESTION_H

#include <QString>
#include <array>

// One question of a practice exam as it was read from the bank when the exam was
// drawn. The exam keeps these copies, so a bank changed on disk meanwhile changes
// nothing in an exam being taken.
struct ExamQuestion {
    QString number;                 // trimmed, such as "G1A05"
    QString stem;                   // field Question
    std::array<QString, 4> choices; // fields A to D, by answer value 1 to 4
    int rightValue = 0;             // answer value of the right choice, 1 to 4
    QString hint;                   // the bank's hint; null when it has none
    // The answer value shown in each screen row A to D: rows[0] = 3 puts choice C first.
    std::array<int, 4> rows{1, 2, 3, 4};

    // The screen row (0 = A ... 3 = D) that shows the choice with this answer value.
    int rowOf(int value) const {
        for (int row = 0; row < 4; ++row)
            if (rows[static_cast<size_t>(row)] == value)
                return row;
        return -1;
    }
};

#endif
