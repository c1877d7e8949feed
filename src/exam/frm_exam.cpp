// The practice exam window: its controls and layout, one question at a time, Finish, the result per
// topic and the review of missed questions.
// SPDX-License-Identifier: MIT
#include "exam/frm_exam.h"

#include "display/frm_picture.h"
#include "drill/topic_catalogue.h"
#include "exam/exam_bank.h"
#include "exam/exam_choice_button.h"
#include "exam/exam_controls.h"
#include "exam/row_keys.h"
#include "widgets/click_label.h"
#include "widgets/dialogs.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace ExamControls;

namespace {

constexpr int clientWidth = 9600;
constexpr int clientHeight = 6120;
const QString letters = QStringLiteral("ABCD");
const QString answeredMark = QStringLiteral("  \u2713");

QString choiceLine(const char* what, const ExamQuestion& question, int value) {
    if (value < 1 || value > 4)
        return QStringLiteral("%1: none").arg(QLatin1String(what));
    return QStringLiteral("%1: %2. %3")
        .arg(QLatin1String(what))
        .arg(letters.at(question.rowOf(value)))
        .arg(question.choices[static_cast<size_t>(value - 1)]);
}

} // namespace

FrmExam::FrmExam(const QString& bankFile, const QString& workingDir, Dialogs& dialogs,
                 RandomDraw& draw, StudyThese studyThese, ReviewThese reviewThese, QWidget* parent)
    : QWidget(parent), QuestionControls(workingDir), m_bankFile(bankFile), m_dialogs(dialogs),
      m_draw(draw), m_studyThese(std::move(studyThese)), m_reviewThese(std::move(reviewThese)) {
    setUpWindow(this, "frmExam", QStringLiteral("Practice Exam"), QStringLiteral("Practice exam"));
    createControls();
    placeControls();
    wireHandlers();
    m_resultPage->hide();
}

void FrmExam::createControls() {
    m_questionPage = new QWidget(this);
    m_questionPage->setObjectName(QStringLiteral("questionPage"));
    m_resultPage = new QWidget(this);
    m_resultPage->setObjectName(QStringLiteral("resultPage"));

    // Created in the order the Tab key visits them.
    QWidget* page = m_questionPage;
    createQuestionControls(page);
    cmdPrevious = button(page, "cmdPrevious", QStringLiteral("&Previous"),
                         QStringLiteral("Previous question"));
    cmdNext = button(page, "cmdNext", QStringLiteral("&Next"), QStringLiteral("Next question"));
    cmdFinish = button(page, "cmdFinish", QStringLiteral("&Finish"), QStringLiteral("Finish"));
    lstQuestions = named(new QListWidget(page), "lstQuestions", QStringLiteral("Questions"));
    lblQuestions = caption(page, "lblQuestions", QStringLiteral("&Questions"), lstQuestions);

    page = m_resultPage;
    lblVerdict = named(new QLabel(page), "lblVerdict", QStringLiteral("Result"));
    QFont verdictFont = msSansSerif(12);
    verdictFont.setBold(true);
    lblVerdict->setFont(verdictFont);
    // Takes the focus when the result appears, so a screen reader says it first.
    lblVerdict->setFocusPolicy(Qt::StrongFocus);
    tblTopics =
        named(new QTableWidget(0, 2, page), "tblTopics", QStringLiteral("Right answers by topic"));
    tblTopics->setHorizontalHeaderLabels(
        {QStringLiteral("Topic"), QStringLiteral("Right / asked")});
    tblTopics->verticalHeader()->hide();
    tblTopics->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTopics->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTopics->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table rather than walking its cells.
    tblTopics->setTabKeyNavigation(false);
    tblTopics->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblTopics = caption(page, "lblTopics", QStringLiteral("&Topics"), tblTopics);
    lstReview = named(new QListWidget(page), "lstReview",
                      QStringLiteral("Questions answered wrongly or not at all"));
    lstReview->setWordWrap(true);
    lstReview->setResizeMode(QListView::Adjust);
    lstReview->setSpacing(2);
    lblReview = caption(page, "lblReview", QStringLiteral("&Review"), lstReview);
    cmdStudy = button(page, "cmdStudy", QStringLiteral("&Add to missed list"),
                      QStringLiteral("Add to missed list"));
    cmdReviewNow = button(page, "cmdReviewNow", QStringLiteral("Re&view these now"),
                          QStringLiteral("Review these now"));
    cmdNew = button(page, "cmdNew", QStringLiteral("&New exam"), QStringLiteral("New exam"));
    cmdClose = button(page, "cmdClose", QStringLiteral("&Close"), QStringLiteral("Close"));
}

void FrmExam::placeControls() {
    twips::place(m_questionPage, 0, 0, clientWidth, clientHeight);
    twips::place(m_resultPage, 0, 0, clientWidth, clientHeight);

    placeQuestionControls();
    twips::place(cmdPrevious, 240, 5340, 1215, 375);
    twips::place(cmdNext, 1560, 5340, 1215, 375);
    twips::place(cmdFinish, 6225, 5340, 1215, 375);
    twips::place(lblQuestions, 7680, 180, 1680, 255);
    twips::place(lstQuestions, 7680, 480, 1680, 5235);

    twips::place(lblVerdict, 240, 120, 9120, 375);
    twips::place(lblTopics, 240, 600, 3720, 255);
    twips::place(tblTopics, 240, 855, 3720, 3915);
    tblTopics->setColumnWidth(0, twips::toPixels(2340));
    tblTopics->horizontalHeader()->setStretchLastSection(true);
    // Rows come with a result: the cells of a hidden table would be offered to screen
    // readers as showing.
    tblTopics->verticalHeader()->setDefaultSectionSize(twips::toPixels(315));
    twips::place(lblReview, 4080, 600, 5280, 255);
    twips::place(lstReview, 4080, 855, 5280, 4485);
    twips::place(cmdStudy, 240, 5520, 1815, 375);
    twips::place(cmdReviewNow, 2160, 5520, 1815, 375);
    twips::place(cmdNew, 4080, 5520, 1455, 375);
    twips::place(cmdClose, 7905, 5520, 1455, 375);

    // The first position is beside the study window, set where the exam is opened.
    setFixedSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
}

void FrmExam::wireHandlers() {
    connect(cmdPrevious, &QPushButton::clicked, this, &FrmExam::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &FrmExam::cmdNext_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &FrmExam::cmdFinish_Click);
    connect(cmdPicture, &QPushButton::clicked, this, &FrmExam::cmdPicture_Click);
    connect(cmdStudy, &QPushButton::clicked, this, &FrmExam::cmdStudy_Click);
    connect(cmdReviewNow, &QPushButton::clicked, this, &FrmExam::cmdReviewNow_Click);
    connect(cmdNew, &QPushButton::clicked, this, &FrmExam::cmdNew_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmExam::cmdClose_Click);
    connect(m_choices, &QButtonGroup::idClicked, this, &FrmExam::choose);
    connect(lstQuestions, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_current)
            showQuestion(row);
    });
    // A-D and 1-4 answer the choice in that row, and Page Up and Page Down step to the
    // previous and next question, wherever the focus is on the page.
    new RowKeys(
        m_questionPage, [this](int row) { choose(row); },
        [this](int step) { step < 0 ? cmdPrevious_Click() : cmdNext_Click(); });
}

void FrmExam::begin(const QVector<ExamQuestion>& paper, QChar poolLetter) {
    m_paper = paper;
    m_poolLetter = poolLetter;
    m_chosen = QVector<int>(paper.size(), 0);
    m_finished = false;
    m_missedAdded = false;
    m_result = ExamResult();
    m_current = -1;
    {
        const QSignalBlocker blocker(lstQuestions);
        lstQuestions->clear();
        for (int i = 0; i < m_paper.size(); ++i) {
            lstQuestions->addItem(QString());
            markAnswered(i);
        }
    }
    if (FrmPicture* picture = existingFrmPicture())
        picture->hide();
    m_resultPage->hide();
    tblTopics->setRowCount(0);
    m_questionPage->show();
    showQuestion(0);
    optChoice[0]->setFocus();
}

void FrmExam::showQuestion(int index) {
    if (m_paper.isEmpty())
        return;
    m_current = std::clamp(index, 0, static_cast<int>(m_paper.size()) - 1);
    const ExamQuestion& question = m_paper.at(m_current);
    lblProgress->setFieldText(
        QStringLiteral("Question %1 of %2").arg(m_current + 1).arg(m_paper.size()));
    lblNumber->setFieldText(question.number);
    lblStem->setFieldText(question.stem);

    // A row that has the focus hands it to the row chosen for the new question, so that
    // Space after Page Down or Page Up keeps the answer rather than changing it.
    const bool rowFocused =
        std::any_of(optChoice.cbegin(), optChoice.cend(),
                    [](const ExamChoiceButton* row) { return row->hasFocus(); });
    m_choices->setExclusive(false);
    for (int row = 0; row < 4; ++row) {
        ExamChoiceButton* choice = optChoice[static_cast<size_t>(row)];
        const int value = question.rows[static_cast<size_t>(row)];
        choice->setChoiceText(question.choices[static_cast<size_t>(value - 1)]);
        choice->setChecked(m_chosen.at(m_current) == value);
        if (rowFocused && choice->isChecked())
            choice->setFocus();
    }
    m_choices->setExclusive(true);

    cmdPrevious->setEnabled(m_current > 0);
    cmdNext->setEnabled(m_current < m_paper.size() - 1);
    showFigureButton(question.number, question.stem);
    const QSignalBlocker blocker(lstQuestions);
    lstQuestions->setCurrentRow(m_current);
}

void FrmExam::markAnswered(int index) {
    QListWidgetItem* item = lstQuestions->item(index);
    if (!item)
        return;
    const bool answered = m_chosen.at(index) != 0;
    const QString number = m_paper.at(index).number;
    item->setText(QStringLiteral("%1  %2").arg(index + 1, 2).arg(number) +
                  (answered ? answeredMark : QString()));
    QFont font = lstQuestions->font();
    font.setBold(answered);
    item->setFont(font);
    item->setData(
        Qt::AccessibleTextRole,
        QStringLiteral("Question %1, %2, %3")
            .arg(index + 1)
            .arg(number, answered ? QStringLiteral("answered") : QStringLiteral("not answered")));
}

void FrmExam::choose(int row) {
    if (m_finished || m_current < 0 || row < 0 || row > 3)
        return;
    m_chosen[m_current] = m_paper.at(m_current).rows[static_cast<size_t>(row)];
    ExamChoiceButton* chosen = optChoice[static_cast<size_t>(row)];
    chosen->setChecked(true);
    // The focus follows the row chosen by its key, so Space keeps that answer and a
    // screen reader hears which row is checked.
    chosen->setFocus();
    markAnswered(m_current);
}

void FrmExam::cmdPrevious_Click() {
    if (m_current > 0)
        showQuestion(m_current - 1);
}

void FrmExam::cmdNext_Click() {
    if (m_current < m_paper.size() - 1)
        showQuestion(m_current + 1);
}

void FrmExam::cmdPicture_Click() {
    if (m_current >= 0)
        showFigure(m_paper.at(m_current).number, m_paper.at(m_current).stem);
}

void FrmExam::cmdFinish_Click() {
    if (m_finished)
        return;
    const auto unanswered = static_cast<int>(std::count(m_chosen.cbegin(), m_chosen.cend(), 0));
    if (unanswered > 0) {
        const QString text =
            unanswered == 1
                ? QStringLiteral("1 question has no answer; it counts as wrong. Finish the exam?")
                : QStringLiteral("%1 questions have no answer; they count as wrong. Finish the "
                                 "exam?")
                      .arg(unanswered);
        if (!m_dialogs.askYesNo(this, text))
            return;
    }
    m_finished = true;
    m_result = ExamScore::score(m_paper, m_chosen);
    if (m_onFinished)
        m_onFinished(m_paper, m_chosen, m_result);
    showResult();
}

void FrmExam::showResult() {
    if (FrmPicture* picture = existingFrmPicture())
        picture->hide();
    lblVerdict->setText(ExamScore::verdict(m_result));
    lblVerdict->setAccessibleName(lblVerdict->text());
    // The topics in the order of the pool's syllabus (subelement 0 last); a bank of
    // another letter keeps digit order.
    QVector<int> digits;
    for (const QString& code : TopicCatalogue::syllabusCodes(m_poolLetter))
        digits << code.at(1).digitValue();
    if (digits.isEmpty())
        for (int digit = 0; digit < m_result.topics.size(); ++digit)
            digits << digit;
    tblTopics->setRowCount(static_cast<int>(digits.size()));
    for (int row = 0; row < tblTopics->rowCount(); ++row) {
        const TopicTally& topic = m_result.topics.at(digits.at(row));
        tblTopics->setItem(row, 0, new QTableWidgetItem(topic.name));
        auto* tally =
            new QTableWidgetItem(QStringLiteral("%1 / %2").arg(topic.right).arg(topic.asked));
        tally->setData(Qt::AccessibleTextRole,
                       QStringLiteral("%1 of %2 right").arg(topic.right).arg(topic.asked));
        tblTopics->setItem(row, 1, tally);
    }
    lstReview->clear();
    for (int i : m_result.missed) {
        const ExamQuestion& question = m_paper.at(i);
        QStringList lines{question.number + QStringLiteral(": ") + question.stem,
                          choiceLine("Your answer", question, m_chosen.at(i)),
                          choiceLine("Right answer", question, question.rightValue)};
        if (!question.hint.isNull())
            lines << QStringLiteral("Hint: ") + question.hint;
        lstReview->addItem(lines.join(QLatin1Char('\n')));
    }
    if (m_result.missed.isEmpty())
        lstReview->addItem(QStringLiteral("Every question was answered right."));
    cmdStudy->setText(QStringLiteral("&Add to missed list"));
    cmdStudy->setAccessibleName(QStringLiteral("Add to missed list"));
    cmdStudy->setEnabled(!m_result.missed.isEmpty());
    cmdReviewNow->setEnabled(!m_result.missed.isEmpty());
    m_questionPage->hide();
    m_resultPage->show();
    lblVerdict->setFocus();
}

void FrmExam::addMissedToList() {
    if (m_missedAdded || m_result.missed.isEmpty())
        return;
    m_missedAdded = true;
    if (m_studyThese)
        m_studyThese(ExamScore::missedNumbers(m_paper, m_result));
    // Once is enough: a second press would list every number twice. The button says
    // what was done; the focus moves on to the next button.
    cmdStudy->setText(QStringLiteral("Added to missed list"));
    cmdStudy->setAccessibleName(cmdStudy->text());
    cmdStudy->setEnabled(false);
}

void FrmExam::cmdStudy_Click() {
    if (m_finished)
        addMissedToList();
}

void FrmExam::cmdReviewNow_Click() {
    if (!m_finished)
        return;
    // The review stores nothing, so the missed questions also go on the missed list,
    // and the result stays here to be read again.
    addMissedToList();
    QVector<ExamQuestion> missed;
    for (int i : m_result.missed)
        missed << m_paper.at(i);
    if (m_reviewThese)
        m_reviewThese(missed);
}

void FrmExam::cmdNew_Click() {
    const ExamDrawOutcome outcome = ExamBank::draw(m_bankFile, m_poolLetter, m_draw);
    if (!outcome.ok()) {
        // The finished exam stays on screen; nothing is lost.
        m_dialogs.message(this, outcome.refusal(m_poolLetter));
        return;
    }
    begin(outcome.paper, m_poolLetter);
}

void FrmExam::cmdClose_Click() {
    close();
}

bool FrmExam::mayLeave() {
    return m_finished || m_paper.isEmpty() ||
           m_dialogs.askYesNo(
               this, QStringLiteral("Leave the practice exam? Your answers will not be kept."));
}

void FrmExam::closeEvent(QCloseEvent* event) {
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    m_frmPicture.discard();
    event->accept();
}
