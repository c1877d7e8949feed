// RowKeys: the answer keys of the practice exam and the review, by the study window's key rule, and
// their Page Up and Page Down.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_ROW_KEYS_H
#define VARNEL_EXAM_ROW_KEYS_H

#include <QObject>
#include <functional>

class QWidget;

// Keys A to D and 1 to 4, Shift allowed (AnswerKeys), pressed anywhere on a page
// answer the row they name, also where the focused control (the question list)
// would take the letter for itself. Page Up and Page Down step to the previous
// (-1) and next (+1) question, as the study window's browse keys do, also in the
// question list, which would otherwise move a page of its rows.
class RowKeys : public QObject {
    Q_OBJECT
public:
    // Watches page, its window and every control on the page now; step may be empty.
    RowKeys(QWidget* page, std::function<void(int row)> answer,
            std::function<void(int step)> step = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_page;
    std::function<void(int)> m_answer;
    std::function<void(int)> m_step;
};

#endif
