// The review window: the missed questions asked again one at a time, each judged at once, a wrong
// one coming back after the others, until every one has been answered right.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_FRM_REVIEW_H
#define VARNEL_EXAM_FRM_REVIEW_H

#include "exam/exam_question.h"
#include "exam/question_controls.h"
#include "exam/review_queue.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

class ClickLabel;
class QLabel;
class QListWidget;
class QPushButton;
class RandomDraw;

// The review of missed questions, in the practice exam's family: the number, the
// stem and the four choices in an order of their own, answered by a click or A-D /
// 1-4. A right answer says "Correct" and goes on; a wrong one marks the right choice
// with the hint where there is one, and the question comes back after the others.
// It works on its own copies of the questions and stores nothing.
class FrmReview : public QWidget, public QuestionControls {
    Q_OBJECT
public:
    // Figures are looked for in workingDir; draw shuffles the choices.
    FrmReview(const QString& workingDir, RandomDraw& draw, QWidget* parent = nullptr);

    // Starts a review of these questions, in this order, each with its choices
    // shuffled afresh; skipped are the numbers left out because the bank no longer
    // holds them, said once at the start.
    // asked, when given, says which questions these are; it stands until the first answer.
    void begin(const QVector<ExamQuestion>& questions, const QStringList& skipped = {},
               const QString& asked = {});
    // Told of every judged answer, so what the learner knows can be recorded.
    using Judged = std::function<void(const QString& number, bool right)>;
    void setJudgedHandler(Judged judged) { m_onJudged = std::move(judged); }

    // --- Asking (beside the question's controls)
    ClickLabel* lblJudgement;
    ClickLabel* lblHint;
    QPushButton* cmdNext;
    // --- The end
    ClickLabel* lblDone;
    QLabel* lblRetried;
    QListWidget* lstRetried;
    QPushButton* cmdAgain;
    QPushButton* cmdClose;

    // The learner picks the choice in a screen row (0 = A ... 3 = D).
    void choose(int row);
    void cmdNext_Click();
    void cmdPicture_Click();
    void cmdAgain_Click();
    void cmdClose_Click();

    const QVector<ExamQuestion>& questions() const { return m_questions; }
    const ReviewQueue& queue() const { return m_queue; }
    const QStringList& skipped() const { return m_skipped; }
    // The question on screen; -1 on the end page.
    int shownQuestion() const { return m_shown; }
    // Whether a wrong answer is on screen, waiting for Next.
    bool isJudged() const { return m_judged; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void placeControls();
    void wireHandlers();
    void showQuestion();
    void showEnd();
    void say(ClickLabel* label, const QString& text);

    RandomDraw& m_draw;
    QWidget* m_endPage;

    QVector<ExamQuestion> m_questions;
    QStringList m_skipped;
    ReviewQueue m_queue;
    int m_shown = -1;
    bool m_judged = false;
    Judged m_onJudged;
};

#endif
