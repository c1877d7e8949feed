// The review window: its controls and layout, asking and judging each question, a wrong one sent to
// the back, and the end page.
// SPDX-License-Identifier: MIT
#include "exam/frm_review.h"

#include "display/frm_picture.h"
#include "exam/exam_choice_button.h"
#include "exam/exam_controls.h"
#include "exam/exam_draw.h"
#include "exam/row_keys.h"
#include "widgets/click_label.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace ExamControls;

namespace {

constexpr int clientWidth = 7680;
constexpr int clientHeight = 6660;

} // namespace

FrmReview::FrmReview(const QString& workingDir, RandomDraw& draw, QWidget* parent)
    : QWidget(parent), QuestionControls(workingDir), m_draw(draw) {
    setUpWindow(this, "frmReview", QStringLiteral("Review Missed"),
                QStringLiteral("Review of missed questions"));
    createControls();
    placeControls();
    wireHandlers();
    m_endPage->hide();
}

void FrmReview::createControls() {
    m_questionPage = new QWidget(this);
    m_questionPage->setObjectName(QStringLiteral("questionPage"));
    m_endPage = new QWidget(this);
    m_endPage->setObjectName(QStringLiteral("endPage"));

    // Created in the order the Tab key visits them.
    QWidget* page = m_questionPage;
    createQuestionControls(page);
    lblJudgement = fieldLabel(page, "lblJudgement", QStringLiteral("Judgement"));
    QFont judgementFont = msSansSerif(9.75);
    judgementFont.setBold(true);
    lblJudgement->setFont(judgementFont);
    lblHint = whiteBox(page, "lblHint", QStringLiteral("Hint"));
    cmdNext = button(page, "cmdNext", QStringLiteral("&Next"), QStringLiteral("Next question"));
    // It has the focus after a wrong answer: Enter goes on, as Space does.
    cmdNext->setAutoDefault(true);

    page = m_endPage;
    lblDone = fieldLabel(page, "lblDone", QStringLiteral("Result"));
    QFont doneFont = msSansSerif(12);
    doneFont.setBold(true);
    lblDone->setFont(doneFont);
    lblDone->setContentsMargins(4, 2, 4, 2); // clear of its focus frame
    // Takes the focus when the end page appears, so a screen reader says it first.
    lblDone->setFocusPolicy(Qt::StrongFocus);
    lstRetried = named(new QListWidget(page), "lstRetried",
                       QStringLiteral("Questions that needed more than one try"));
    lstRetried->setWordWrap(true);
    lstRetried->setResizeMode(QListView::Adjust);
    lstRetried->setSpacing(2);
    lblRetried = caption(page, "lblRetried",
                         QStringLiteral("&Questions that needed more than one try"), lstRetried);
    cmdAgain =
        button(page, "cmdAgain", QStringLiteral("Review &again"), QStringLiteral("Review again"));
    cmdClose = button(page, "cmdClose", QStringLiteral("&Close"), QStringLiteral("Close"));
}

void FrmReview::placeControls() {
    twips::place(m_questionPage, 0, 0, clientWidth, clientHeight);
    twips::place(m_endPage, 0, 0, clientWidth, clientHeight);

    placeQuestionControls();
    twips::place(lblJudgement, 240, 5205, 5880, 465);
    twips::place(cmdNext, 6225, 5220, 1215, 375);
    twips::place(lblHint, 240, 5730, 7200, 810);

    twips::place(lblDone, 240, 120, 7200, 375);
    twips::place(lblRetried, 240, 600, 7200, 255);
    twips::place(lstRetried, 240, 855, 7200, 5085);
    twips::place(cmdAgain, 240, 6120, 1815, 375);
    twips::place(cmdClose, 5985, 6120, 1455, 375);

    // The first position is beside the study window, set where the review is opened.
    setFixedSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
}

void FrmReview::wireHandlers() {
    connect(m_choices, &QButtonGroup::idClicked, this, &FrmReview::choose);
    connect(cmdNext, &QPushButton::clicked, this, &FrmReview::cmdNext_Click);
    connect(cmdPicture, &QPushButton::clicked, this, &FrmReview::cmdPicture_Click);
    connect(cmdAgain, &QPushButton::clicked, this, &FrmReview::cmdAgain_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmReview::cmdClose_Click);
    // Page Down goes on as Next does after a wrong answer. Page Up does nothing: the
    // review asks each question until it is right and never goes back to one.
    new RowKeys(
        m_questionPage, [this](int row) { choose(row); },
        [this](int step) {
            if (step > 0)
                cmdNext_Click();
        });
}

void FrmReview::begin(const QVector<ExamQuestion>& questions, const QStringList& skipped,
                      const QString& asked) {
    m_questions = questions;
    for (ExamQuestion& question : m_questions)
        question.rows = ExamDraw::shuffledRows(m_draw);
    m_skipped = skipped;
    m_queue = ReviewQueue(static_cast<int>(m_questions.size()));
    m_judged = false;
    QStringList opening;
    if (!asked.isEmpty())
        opening << asked;
    if (!skipped.isEmpty())
        opening << QStringLiteral("Left out, no longer in the question bank (%1): %2")
                       .arg(skipped.size())
                       .arg(skipped.join(QStringLiteral(", ")));
    say(lblJudgement, opening.join(QLatin1Char(' ')));
    m_endPage->hide();
    m_questionPage->show();
    showQuestion();
}

void FrmReview::showQuestion() {
    if (m_queue.isDone()) {
        showEnd();
        return;
    }
    m_shown = m_queue.current();
    const ExamQuestion& question = m_questions.at(m_shown);
    say(lblProgress, m_queue.progress());
    lblNumber->setFieldText(question.number);
    lblStem->setFieldText(question.stem);
    m_choices->setExclusive(false);
    for (int row = 0; row < 4; ++row) {
        ExamChoiceButton* choice = optChoice[static_cast<size_t>(row)];
        const int value = question.rows[static_cast<size_t>(row)];
        choice->setChecked(false);
        choice->setMark(ExamChoiceButton::Mark::none);
        choice->setChoiceText(question.choices[static_cast<size_t>(value - 1)]);
        choice->setEnabled(true);
    }
    m_choices->setExclusive(true);
    lblHint->setFieldText(QString());
    lblHint->hide();
    cmdNext->setEnabled(false);
    showFigureButton(question.number, question.stem);
    optChoice[0]->setFocus();
}

void FrmReview::choose(int row) {
    if (m_judged || m_shown < 0 || row < 0 || row > 3)
        return;
    const ExamQuestion& question = m_questions.at(m_shown);
    const int value = question.rows[static_cast<size_t>(row)];
    const bool right = value == question.rightValue;
    m_queue.answer(right);
    if (m_onJudged)
        m_onJudged(question.number, right);
    // The judgement names its question: after a right answer it stands under the next one.
    const QString judged = question.number + QStringLiteral(": ");
    if (right) {
        say(lblJudgement, judged + QStringLiteral("Correct"));
        showQuestion();
        return;
    }
    // Judged wrong: the learner's row and the right one are marked, by words and
    // frames as well as colours, until Next.
    m_judged = true;
    for (int r = 0; r < 4; ++r)
        optChoice[static_cast<size_t>(r)]->setEnabled(false);
    optChoice[static_cast<size_t>(row)]->setChecked(true);
    optChoice[static_cast<size_t>(row)]->setMark(ExamChoiceButton::Mark::wrong);
    const int rightRow = question.rowOf(question.rightValue);
    optChoice[static_cast<size_t>(rightRow)]->setMark(ExamChoiceButton::Mark::right);
    // The queue already holds it again; alone there, it simply comes back next.
    say(lblJudgement,
        judged + QStringLiteral("Not right: the right answer is %1. %2")
                     .arg(QChar(u'A' + rightRow))
                     .arg(m_queue.left() > 1
                              ? QStringLiteral("The question comes back after the others.")
                              : QStringLiteral("The question comes back once more.")));
    if (!question.hint.isNull()) {
        lblHint->setFieldText(QStringLiteral("Hint: ") + question.hint);
        lblHint->show();
    }
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
}

void FrmReview::cmdNext_Click() {
    if (!m_judged)
        return;
    m_judged = false;
    // The judgement belonged to the question left; the next one starts without any.
    say(lblJudgement, QString());
    showQuestion();
}

void FrmReview::showEnd() {
    m_shown = -1;
    if (FrmPicture* picture = existingFrmPicture())
        picture->hide();
    const QVector<int> retried = m_queue.retried();
    lstRetried->clear();
    for (int i : retried) {
        const ExamQuestion& question = m_questions.at(i);
        lstRetried->addItem(QStringLiteral("%1: %2\n%3 tries")
                                .arg(question.number, question.stem)
                                .arg(m_queue.tries(i)));
    }
    if (retried.isEmpty())
        lstRetried->addItem(QStringLiteral("None: every question was right at the first try."));
    say(lblDone, QStringLiteral("Every question answered right: %1 of %2 at the first try.")
                     .arg(m_queue.total() - retried.size())
                     .arg(m_queue.total()));
    m_questionPage->hide();
    m_endPage->show();
    lblDone->setFocus();
}

void FrmReview::say(ClickLabel* label, const QString& text) {
    // Said again even when the text is the same as before ("Correct" twice running).
    if (label->text() == text)
        label->setFieldText(QString());
    label->setFieldText(text);
}

void FrmReview::cmdPicture_Click() {
    if (m_shown >= 0)
        showFigure(m_questions.at(m_shown).number, m_questions.at(m_shown).stem);
}

void FrmReview::cmdAgain_Click() {
    begin(m_questions);
}

void FrmReview::cmdClose_Click() {
    close();
}

void FrmReview::closeEvent(QCloseEvent* event) {
    // Nothing to keep: the review stores nothing.
    m_frmPicture.discard();
    event->accept();
}
