// The practice exam window: one question at a time, answers changeable until Finish, then the
// result and the review of missed questions.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_FRM_EXAM_H
#define VARNEL_EXAM_FRM_EXAM_H

#include "exam/exam_question.h"
#include "exam/exam_score.h"
#include "exam/question_controls.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

class Dialogs;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class RandomDraw;

// The practice exam window: one question at a time, answers changeable until Finish,
// then the result with a score per topic and a review of the missed questions. It
// keeps its own copies of the drawn questions and never writes anything; what it
// hands back are the missed questions: their numbers for the missed list through
// studyThese, the questions themselves for a review through reviewThese. The result
// stays until the window is closed or a new exam begins.
class FrmExam : public QWidget, public QuestionControls {
    Q_OBJECT
public:
    using StudyThese = std::function<void(const QStringList& numbers)>;
    using ReviewThese = std::function<void(const QVector<ExamQuestion>& questions)>;

    // bankFile is read (read-only) for a new exam; figures are looked for in workingDir.
    FrmExam(const QString& bankFile, const QString& workingDir, Dialogs& dialogs, RandomDraw& draw,
            StudyThese studyThese, ReviewThese reviewThese, QWidget* parent = nullptr);

    // Starts taking an exam of these questions (number order), the first one shown.
    void begin(const QVector<ExamQuestion>& paper, QChar poolLetter);

    // --- Taking the exam (beside the question's controls)
    QPushButton* cmdPrevious;
    QPushButton* cmdNext;
    QPushButton* cmdFinish;
    QLabel* lblQuestions;
    QListWidget* lstQuestions;
    // --- The result
    QLabel* lblVerdict;
    QLabel* lblTopics;
    QTableWidget* tblTopics;
    QLabel* lblReview;
    QListWidget* lstReview;
    QPushButton* cmdStudy; // adds the missed numbers to the missed list
    QPushButton* cmdReviewNow;
    QPushButton* cmdNew;
    QPushButton* cmdClose;

    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdFinish_Click();
    void cmdPicture_Click();
    void cmdStudy_Click();
    void cmdReviewNow_Click();
    void cmdNew_Click();
    void cmdClose_Click();
    // The learner picks the choice in a screen row (0 = A ... 3 = D).
    void choose(int row);
    void showQuestion(int index);

    const QVector<ExamQuestion>& paper() const { return m_paper; }
    // The answer value chosen for each question, 0 while unanswered.
    const QVector<int>& chosen() const { return m_chosen; }
    int currentIndex() const { return m_current; }
    bool isFinished() const { return m_finished; }
    const ExamResult& result() const { return m_result; }
    // Whether the exam may go: true when none is being taken (not yet drawn, or
    // finished), or when the learner agrees to leave it and lose its answers.
    bool mayLeave();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void placeControls();
    void wireHandlers();
    void showResult();
    void markAnswered(int index);
    // Puts the missed numbers on the missed list, once for each result.
    void addMissedToList();

    QString m_bankFile;
    Dialogs& m_dialogs;
    RandomDraw& m_draw;
    StudyThese m_studyThese;
    ReviewThese m_reviewThese;
    QWidget* m_resultPage;

    QChar m_poolLetter;
    QVector<ExamQuestion> m_paper;
    QVector<int> m_chosen;
    int m_current = -1;
    bool m_finished = false;
    bool m_missedAdded = false;
    ExamResult m_result;
};

#endif
