// The practice exam window on a real bank: taking an exam from the File menu to
// "Study these", the draws it refuses, leaving it, and a bank changed under it; the
// review of missed questions from the missed list and from an exam's result.
// SPDX-License-Identifier: MIT

#include "exam/exam_choice_button.h"
#include "exam/frm_exam.h"
#include "exam/frm_review.h"
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList comboItems(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The key that answers a choice value on the current question, as the learner sees it.
Qt::Key letterKey(const FrmExam* exam, int value) {
    return Qt::Key(Qt::Key_A + exam->paper().at(exam->currentIndex()).rowOf(value));
}

// What a screen reader reads as the control's name.
QString spokenName(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// The row of the review's question on screen that holds the answer value.
ExamChoiceButton* reviewRow(const FrmReview* review, int value) {
    const ExamQuestion& q = review->questions().at(review->shownQuestion());
    return review->optChoice[size_t(q.rowOf(value))];
}

} // namespace

class TestExamWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void examFromMenuToStudyThese();
    void everyControlIsNamed();
    void refusedDraws_data();
    void refusedDraws();
    void leavingAsksAndHidingKeepsTheExam();
    void bankChangedDuringTheExam();
    void bankWithoutHints();
    void reviewOfTheMissedList();
    void reviewTheseNowFromAnExam();

private:
    // Opens the sample bank, changed first by the given statements, and starts an exam.
    FrmExam* startExam(const QStringList& bankChanges = {});

    std::unique_ptr<WindowFixture> m_fx;
};

void TestExamWindow::cleanup() {
    m_fx.reset();
    settle();
}

FrmExam* TestExamWindow::startExam(const QStringList& bankChanges) {
    m_fx = std::make_unique<WindowFixture>();
    if (!m_fx->bank.exec(bankChanges) || !m_fx->open())
        return nullptr;
    m_fx->window->show();
    m_fx->window->mnuFileExam->trigger();
    FrmExam* exam = m_fx->window->existingFrmExam();
    if (exam && !QTest::qWaitForWindowActive(exam))
        return nullptr;
    return exam;
}

void TestExamWindow::examFromMenuToStudyThese() {
    FrmExam* exam = startExam();
    QVERIFY(exam);
    FrmTheo* window = m_fx->window.get();
    const QByteArray bankBefore = fileBytes(m_fx->bank.filePath());
    const QString studyQuestion = window->Text1->text();
    window->Combo2->addItem(QStringLiteral("G9D11"));
    window->Combo2->setEditText(QStringLiteral("Missed"));

    // One question of each of the sample bank's five groups, in number order.
    QStringList numbers;
    for (const ExamQuestion& q : exam->paper())
        numbers << q.number;
    QCOMPARE(numbers, (QStringList{"G0A01", "G1A01", "G5A01", "G7A01", "G9D10"}));
    QCOMPARE(exam->lblProgress->text(), QStringLiteral("Question 1 of 5"));

    // Right by letter key (Shift held, as in the study window), wrong by click, right
    // by number key; then change the second.
    QTest::keyClick(exam, letterKey(exam, 1), Qt::ShiftModifier);
    // The focus follows the row answered by its key.
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(exam->optChoice[size_t(exam->paper().at(0).rowOf(1))]));
    QVERIFY(press(exam->cmdNext));
    QTest::mouseClick(exam->optChoice[size_t(exam->paper().at(1).rowOf(3))], Qt::LeftButton);
    exam->lstQuestions->setCurrentRow(2);
    QCOMPARE(exam->lblNumber->text(), QStringLiteral("G5A01"));
    // Page Down and Page Up step one question, also in the list, which would move a page.
    QTest::keyClick(exam->lstQuestions, Qt::Key_PageDown);
    QCOMPARE(exam->lblNumber->text(), QStringLiteral("G7A01"));
    QTest::keyClick(exam->lstQuestions, Qt::Key_PageUp);
    QCOMPARE(exam->lblNumber->text(), QStringLiteral("G5A01"));
    QTest::keyClick(exam, Qt::Key(Qt::Key_1 + exam->paper().at(2).rowOf(2)));
    QVERIFY(press(exam->cmdPrevious));
    QVERIFY(exam->optChoice[size_t(exam->paper().at(1).rowOf(3))]->isChecked());
    // The focus, on a row, goes with the question to its chosen row.
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(exam->optChoice[size_t(exam->paper().at(1).rowOf(3))]));
    QTest::keyClick(exam, letterKey(exam, 1));
    QCOMPARE(exam->chosen(), (QVector<int>{1, 1, 2, 0, 0}));
    QVERIFY(exam->lstQuestions->item(1)->text().endsWith(QStringLiteral("\u2713")));
    QVERIFY(!exam->lstQuestions->item(3)->text().endsWith(QStringLiteral("\u2713")));

    // Two unanswered: Finish asks first; No keeps the exam going.
    m_fx->dialogs.yesNoAnswers = {false, true};
    QVERIFY(press(exam->cmdFinish));
    QVERIFY(!exam->isFinished());
    QVERIFY(press(exam->cmdFinish));
    QCOMPARE(m_fx->dialogs.questions.size(), 2);
    QVERIFY(m_fx->dialogs.questions.at(0).contains(QStringLiteral("2 questions have no answer")));
    QVERIFY(exam->isFinished());
    QCOMPARE(exam->lblVerdict->text(), QStringLiteral("2 of 5 right: not passed (4 needed)"));
    QCOMPARE(exam->tblTopics->rowCount(), 10);
    // In syllabus order: G1 first, G0 last.
    QCOMPARE(exam->tblTopics->item(0, 1)->text(), QStringLiteral("0 / 1"));
    QCOMPARE(exam->tblTopics->item(4, 1)->text(), QStringLiteral("1 / 1"));
    QCOMPARE(exam->tblTopics->item(9, 0)->text(), QStringLiteral("RF Safety"));
    QCOMPARE(exam->lstReview->count(), 3);
    const QString review = exam->lstReview->item(0)->text();
    QVERIFY2(review.startsWith(QStringLiteral("G1A01: Stem of G1A01?\n")) &&
                 review.contains(QStringLiteral("Your answer: %1. %2 choice A")
                                     .arg(QChar('A' + exam->paper().at(1).rowOf(1)))
                                     .arg("G1A01")) &&
                 review.contains(QStringLiteral("Right answer: %1. G1A01 choice C")
                                     .arg(QChar('A' + exam->paper().at(1).rowOf(3)))) &&
                 review.endsWith(QStringLiteral("Hint: See section 97.301(d).")),
             qPrintable(review));
    QVERIFY(exam->lstReview->item(1)->text().contains(QStringLiteral("Your answer: none")));

    // Study these: exactly the missed numbers, in number order, after what was there;
    // once, and the result stays, with Review these now still to use.
    QVERIFY(press(exam->cmdStudy));
    settle();
    QCOMPARE(window->existingFrmExam(), exam);
    QVERIFY(exam->lblVerdict->isVisible() && !exam->cmdStudy->isEnabled());
    QVERIFY(press(exam->cmdReviewNow));
    QCOMPARE(comboItems(window->Combo2), (QStringList{"G9D11", "G1A01", "G7A01", "G9D10"}));
    QCOMPARE(window->Combo2->currentText(), QStringLiteral("Missed"));
    // Nothing written, and the study window stands where it stood.
    QCOMPARE(window->Text1->text(), studyQuestion);
    QVERIFY(fileBytes(m_fx->bank.filePath()) == bankBefore);
    QVERIFY(m_fx->dialogs.messages.isEmpty());
}

void TestExamWindow::everyControlIsNamed() {
    FrmExam* exam = startExam();
    QVERIFY(exam);
    // A screen reader reads what is shown; the description says what it is.
    const ExamQuestion& first = exam->paper().at(0);
    QCOMPARE(spokenName(exam->lblProgress), QStringLiteral("Question 1 of 5"));
    QCOMPARE(exam->lblProgress->accessibleDescription(), QStringLiteral("Progress"));
    QCOMPARE(spokenName(exam->lblNumber), first.number);
    QCOMPARE(spokenName(exam->lblStem), first.stem);
    QCOMPARE(spokenName(exam->optChoice[2]),
             QStringLiteral("C: ") + first.choices[size_t(first.rows[2] - 1)]);
    m_fx->dialogs.yesNoAnswers = {true};
    QVERIFY(press(exam->cmdFinish));
    for (QWidget* w : exam->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->parentWidget() ||
            w->parentWidget()->objectName().isEmpty())
            continue;
        QVERIFY2(!spokenName(w).isEmpty(), qPrintable(w->objectName()));
    }
}

void TestExamWindow::refusedDraws_data() {
    QTest::addColumn<QVector<TestQuestion>>("bank");
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("damaged"); // the last page of pool overwritten
    QTest::newRow("group without a valid answer")
        << questions({{"G0A01", "1"}, {"G1A01", "x"}, {"G1A02", "5"}, {"G2B01", "2"}})
        << "groups have no question with a valid number and an answer of 1 to 4: G1A." << false;
    QTest::newRow("group of invalid numbers only")
        << questions({{"G0A01", "1"}, {"G0B1", "2"}, {"G0BX1", "1"}}) << ": G0B." << false;
    QTest::newRow("no question of the pool letter")
        << questions({{"Q-1", "1"}}) << "has no question of pool Q." << false;
    // The groups before the damage read well; the exam must not be drawn from them.
    QStringList many;
    for (char group = 'A'; group <= 'J'; ++group)
        for (int n = 1; n <= 20; ++n)
            many << QStringLiteral("G0%1%2").arg(QChar(group)).arg(n, 2, 10, QChar('0'));
    QTest::newRow("damaged page of pool")
        << plainQuestions(many) << "the questions cannot be read because the file is damaged."
        << true;
}

void TestExamWindow::refusedDraws() {
    QFETCH(QVector<TestQuestion>, bank);
    QFETCH(QString, named);
    QFETCH(bool, damaged);
    m_fx = std::make_unique<WindowFixture>(bank, QVector<TestHint>{});
    QVERIFY2(m_fx->open(), qPrintable(m_fx->lastError));
    if (damaged)
        QVERIFY(m_fx->bank.damageLastPoolPage());
    m_fx->window->mnuFileExam->trigger();
    QCOMPARE(m_fx->dialogs.messages.size(), 1);
    QVERIFY2(m_fx->dialogs.messages.at(0).endsWith(named),
             qPrintable(m_fx->dialogs.messages.at(0)));
    QVERIFY(!m_fx->window->existingFrmExam());
}

void TestExamWindow::bankWithoutHints() {
    // Such a bank serves for study, so it serves for the exam: questions without hints.
    FrmExam* exam = startExam({QStringLiteral("DROP TABLE Hints")});
    QVERIFY(exam);
    QCOMPARE(exam->paper().size(), 5);
    for (const ExamQuestion& question : exam->paper())
        QVERIFY(question.hint.isNull());
    QVERIFY(m_fx->dialogs.messages.isEmpty());
}

void TestExamWindow::leavingAsksAndHidingKeepsTheExam() {
    FrmExam* exam = startExam();
    QVERIFY(exam);
    QTest::keyClick(exam, Qt::Key_C);
    m_fx->dialogs.yesNoAnswers = {false};
    QVERIFY(!exam->close());
    QCOMPARE(m_fx->dialogs.questions,
             QStringList{"Leave the practice exam? Your answers will not be kept."});
    // Hidden, the exam keeps its answers; the menu item brings the same one back.
    exam->hide();
    m_fx->window->mnuFileExam->trigger();
    QCOMPARE(m_fx->window->existingFrmExam(), exam);
    QVERIFY(exam->isVisible());
    QCOMPARE(exam->chosen().at(0), exam->paper().at(0).rows[2]);
    QVERIFY(exam->close()); // Yes
    settle();
    QVERIFY(!m_fx->window->existingFrmExam());
    m_fx->window->mnuFileExam->trigger();
    QVERIFY(m_fx->window->existingFrmExam());
    QCOMPARE(m_fx->window->existingFrmExam()->chosen(), QVector<int>(5, 0));
}

void TestExamWindow::bankChangedDuringTheExam() {
    FrmExam* exam = startExam();
    QVERIFY(exam);
    QVERIFY(
        m_fx->bank.exec({QStringLiteral("DELETE FROM pool"), QStringLiteral("DROP TABLE Hints")}));
    const QByteArray changed = fileBytes(m_fx->bank.filePath());
    // The exam goes on with the questions it read.
    QTest::keyClick(exam, Qt::Key_2);
    QVERIFY(press(exam->cmdNext));
    QCOMPARE(exam->lblNumber->text(), QStringLiteral("G1A01"));
    m_fx->dialogs.yesNoAnswers = {true};
    QVERIFY(press(exam->cmdFinish));
    QVERIFY(exam->lblVerdict->text().contains(QStringLiteral(" of 5 right")));
    // A new exam cannot be drawn from the emptied bank: said so, the result stays.
    QVERIFY(press(exam->cmdNew));
    QCOMPARE(m_fx->dialogs.messages.size(), 1);
    QVERIFY(exam->isFinished());
    QVERIFY(fileBytes(m_fx->bank.filePath()) == changed);
}

void TestExamWindow::reviewOfTheMissedList() {
    m_fx = std::make_unique<WindowFixture>();
    QVERIFY2(m_fx->open(Shown::active), qPrintable(m_fx->lastError));
    FrmTheo* window = m_fx->window.get();
    // An empty missed list: said once, nothing opens.
    window->mnuFileReview->trigger();
    QCOMPARE(m_fx->dialogs.messages.size(), 1);
    QVERIFY(!window->existingFrmReview());

    const QStringList missed{"G1A01", "G9Z99", " g0a02", "G1A01", "G7A01"};
    window->Combo2->addItems(missed);
    const QByteArray bankBefore = fileBytes(m_fx->bank.filePath());
    window->mnuFileReview->trigger();
    FrmReview* review = window->existingFrmReview();
    QVERIFY(review && QTest::qWaitForWindowActive(review));
    // Each number once in first-miss order; the one the bank lacks is left out and said.
    QStringList numbers;
    for (const ExamQuestion& q : review->questions())
        numbers << q.number;
    QCOMPARE(numbers, (QStringList{"G1A01", "G0A02", "G7A01"}));
    QCOMPARE(review->skipped(), QStringList{"G9Z99"});
    QVERIFY(review->lblJudgement->text().contains(QStringLiteral("(1): G9Z99")));
    QCOMPARE(review->lblProgress->text(), QStringLiteral("3 of 3 left"));

    // Wrong: judged in the window, the right row marked, the hint shown, until Next.
    QVERIFY(press(reviewRow(review, 1)));
    QVERIFY(review->isJudged());
    QCOMPARE(reviewRow(review, 3)->mark(), ExamChoiceButton::Mark::right);
    QCOMPARE(reviewRow(review, 1)->mark(), ExamChoiceButton::Mark::wrong);
    QVERIFY(spokenName(reviewRow(review, 3)).endsWith(QStringLiteral("(Right answer)")));
    QCOMPARE(review->lblHint->text(), QStringLiteral("Hint: See section 97.301(d)."));
    QVERIFY(review->lblJudgement->text().startsWith(QStringLiteral("G1A01: Not right: ")));
    QTest::keyClick(review, Qt::Key_A); // no second answer to a judged question
    QCOMPARE(review->queue().tries(0), 1);
    // Page Up never goes back; Page Down goes on as Next does.
    QTest::keyClick(review, Qt::Key_PageUp);
    QVERIFY(review->isJudged());
    QTest::keyClick(review, Qt::Key_PageDown);
    QVERIFY(!review->isJudged());
    QCOMPARE(review->lblJudgement->text(), QString()); // the next question is not judged yet
    // Right by key, Shift held, and by number key: "Correct" and on.
    const ExamQuestion& second = review->questions().at(review->shownQuestion());
    QTest::keyClick(review, Qt::Key(Qt::Key_A + second.rowOf(second.rightValue)),
                    Qt::ShiftModifier);
    QCOMPARE(review->lblJudgement->text(), QStringLiteral("G0A02: Correct")); // under G7A01
    QCOMPARE(review->lblProgress->text(), QStringLiteral("2 of 3 left"));
    QCOMPARE(review->questions().at(review->shownQuestion()).number, QStringLiteral("G7A01"));
    const ExamQuestion& third = review->questions().at(review->shownQuestion());
    QTest::keyClick(review, Qt::Key(Qt::Key_1 + third.rowOf(third.rightValue)));
    // The missed question came back after the others; right now, the review ends.
    QCOMPARE(review->shownQuestion(), 0);
    QVERIFY(press(reviewRow(review, 3)));
    QCOMPARE(review->shownQuestion(), -1);
    QCOMPARE(review->lstRetried->count(), 1);
    QVERIFY(review->lstRetried->item(0)->text().startsWith(QStringLiteral("G1A01: ")));
    QVERIFY(press(review->cmdAgain));
    QCOMPARE(review->lblProgress->text(), QStringLiteral("3 of 3 left"));
    QVERIFY(review->close());
    // Nothing stored: the missed list as it was, the bank byte for byte.
    QCOMPARE(comboItems(window->Combo2), missed);
    QVERIFY(fileBytes(m_fx->bank.filePath()) == bankBefore);
    QCOMPARE(m_fx->dialogs.messages.size(), 1);
}

void TestExamWindow::reviewTheseNowFromAnExam() {
    FrmExam* exam = startExam();
    QVERIFY(exam);
    QTest::keyClick(exam, letterKey(exam, exam->paper().at(0).rightValue));
    m_fx->dialogs.yesNoAnswers = {true};
    QVERIFY(press(exam->cmdFinish));
    QVERIFY(press(exam->cmdReviewNow));
    settle();
    // Exactly the missed questions, from the exam's copies, also put on the missed list;
    // the result stays.
    QCOMPARE(m_fx->window->existingFrmExam(), exam);
    QVERIFY(exam->isFinished() && !exam->cmdStudy->isEnabled());
    FrmReview* review = m_fx->window->existingFrmReview();
    QVERIFY(review && review->isVisible());
    QStringList numbers;
    for (const ExamQuestion& q : review->questions())
        numbers << q.number;
    QCOMPARE(numbers, (QStringList{"G1A01", "G5A01", "G7A01", "G9D10"}));
    QCOMPARE(comboItems(m_fx->window->Combo2), numbers);
}

QTEST_MAIN(TestExamWindow)
#include "test_exam_window.moc"
