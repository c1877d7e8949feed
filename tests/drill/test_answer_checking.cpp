// Answer checking: a right answer moves on, a wrong one joins the missed list, the last question,
// answer fields without a number, and drill mode's blue.
// SPDX-License-Identifier: MIT
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "widgets/data_control.h"
#include "window_fixture.h"

#include "display/frm_picture.h"
#include "widgets/click_label.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

namespace {

const QString correct = QStringLiteral("    Correct");
const QString sorry = QStringLiteral("    Sorry, try again.");
const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);

QList<ClickLabel*> choiceLabels(FrmTheo& w) {
    return {w.Label8, w.Label9, w.Label10, w.Label11};
}

// Which of the four choices (boxes, then labels) are blue; every other one must be black.
QString blueChoices(FrmTheo& w) {
    QString result;
    const QWidget* boxes[] = {w.Text5, w.Text6, w.Text7, w.Text8};
    const QWidget* labels[] = {w.Label8, w.Label9, w.Label10, w.Label11};
    for (const auto& row : {boxes, labels}) {
        for (int i = 0; i < 4; ++i) {
            const QColor c = foreColour(row[i]);
            if (c == blue)
                result += QChar(u'A' + i);
            else if (c != black)
                result += QLatin1Char('?');
        }
        result += QLatin1Char('|');
    }
    return result;
}

} // namespace

class TestAnswerChecking : public QObject {
    Q_OBJECT
private slots:
    void rightAnswerAdvancesAfterTheMessage_data();
    void rightAnswerAdvancesAfterTheMessage();
    void wrongAnswerAddsTheNumberToTheMissedList();
    void drillEnd_data();
    void drillEnd();
    void answerFieldWithoutNumber_data();
    void answerFieldWithoutNumber();
    void drillModeColoursTheRightChoice();
    void colouringFollowsTheAnswerField_data();
    void colouringFollowsTheAnswerField();
    void placementHasNoInfluence();
    void keyboardAnswersAsClicksDo();
};

void TestAnswerChecking::rightAnswerAdvancesAfterTheMessage_data() {
    QTest::addColumn<QString>("answered");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("figureStays");
    QTest::newRow("to a question without a figure") << "G1A01"
                                                    << "G1A02" << false;
    QTest::newRow("to one with the same figure") << "G7A09"
                                                 << "G7A10" << true;
    QTest::newRow("to one with another figure") << "G7A13"
                                                << "E7B11" << false;
    QTest::newRow("from one without a figure") << "G7A08"
                                               << "G7A09" << false;
}

void TestAnswerChecking::rightAnswerAdvancesAfterTheMessage() {
    QFETCH(QString, answered);
    QFETCH(QString, next);
    QFETCH(bool, figureStays);
    WindowFixture fx(questions({{answered, "3"}, {next, "4"}}));
    QVERIFY2(fx.open(Shown::onScreen), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.frmPicture()->show();
    QString shownDuringMessage;
    fx.dialogs.onMessage = [&](const QString&) { shownDuringMessage = w.Text1->text(); };

    QVERIFY(clickLabel(w.Label10));

    QCOMPARE(fx.dialogs.messages, QStringList{correct});
    QCOMPARE(shownDuringMessage, answered); // the move waits for OK
    QCOMPARE(w.Text1->text(), next);
    QCOMPARE(w.Label12->text(), next);
    QVERIFY(w.existingFrmPicture());
    QCOMPARE(w.existingFrmPicture()->isVisible(), figureStays);
    QCOMPARE(w.Combo2->count(), 0);
}

void TestAnswerChecking::wrongAnswerAddsTheNumberToTheMissedList() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A01"), Shown::onScreen),
             qPrintable(fx.lastError)); // answer 3
    FrmTheo& w = *fx.window;
    w.frmPicture()->show();
    int entriesDuringMessage = -1;
    fx.dialogs.onMessage = [&](const QString&) { entriesDuringMessage = w.Combo2->count(); };

    QVERIFY(clickLabel(w.Label8));
    QCOMPARE(fx.dialogs.messages, QStringList{sorry});
    QCOMPARE(entriesDuringMessage, 0); // the entry waits for OK
    QCOMPARE(w.Combo2->count(), 1);
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("Missed"));

    QVERIFY(clickLabel(w.Label8));
    QCOMPARE(fx.dialogs.messages, (QStringList{sorry, sorry}));
    QCOMPARE(w.Combo2->count(), 2);
    QCOMPARE(w.Combo2->itemText(0), QStringLiteral("G1A01"));
    QCOMPARE(w.Combo2->itemText(1), QStringLiteral("G1A01"));
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("Missed"));
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A01")); // try again on the same question
    QVERIFY(w.existingFrmPicture()->isVisible());       // a wrong answer leaves the figure

    // Right at last: the missed list keeps its entries and moves on with the learner.
    QVERIFY(clickLabel(w.Label10));
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A02"));
    QVERIFY(clickLabel(w.Label9)); // G1A02's answer is 4
    QCOMPARE(w.Combo2->count(), 3);
    QCOMPARE(w.Combo2->itemText(2), QStringLiteral("G1A02"));
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("Missed"));

    // A number chosen from the list is gone to; the list and its caption stay.
    QVERIFY(chooseFromList(w.Combo2, QStringLiteral("G1A01")));
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A01"));
    QCOMPARE(w.Combo2->count(), 3);
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("Missed"));
}

void TestAnswerChecking::drillEnd_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("rowFollows");

    QTest::newRow("G9D11, G9D12 follows") << "G9D11" << true;
    QTest::newRow("G9D11 with spaces, a row follows") << " G9D11 " << true;
    QTest::newRow("lower case, a row follows") << "g9d11" << true;
    QTest::newRow("G9D11 last") << "G9D11" << false;
    QTest::newRow("G9D12 last") << "G9D12" << false;
    QTest::newRow("another number last") << "G9D10" << false;
}

// The drill ends at the pool's last row, whatever its number.
void TestAnswerChecking::drillEnd() {
    QFETCH(QString, number);
    QFETCH(bool, rowFollows);
    WindowFixture fx(rowFollows ? questions({{number, "3"}, {QStringLiteral("G9D12"), "1"}})
                                : questions({{QStringLiteral("G9D09"), "2"}, {number, "3"}}));
    QVERIFY2(rowFollows ? fx.open(Shown::onScreen) : fx.openOn(number, Shown::onScreen),
             qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QCOMPARE(w.Text1->text(), number);
    w.frmPicture()->show();

    // A miss is listed trimmed.
    QVERIFY(clickLabel(w.Label8));
    QCOMPARE(w.Combo2->itemText(0), number.trimmed());

    QVERIFY(clickLabel(w.Label10));
    QCOMPARE(fx.dialogs.messages, (QStringList{sorry, correct})); // and no failure message
    QCOMPARE(w.Text1->text(), rowFollows ? QStringLiteral("G9D12") : number);
    QVERIFY(!w.existingFrmPicture()->isVisible());
    if (rowFollows)
        return;
    // The learner can go on answering the last question.
    QCOMPARE(w.Label13->text(), QStringLiteral("Stem of %1?").arg(number));
    QVERIFY(clickLabel(w.Label10));
    QCOMPARE(fx.dialogs.messages, (QStringList{sorry, correct, correct}));
    QCOMPARE(w.Text1->text(), number);
}

void TestAnswerChecking::answerFieldWithoutNumber_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "  ";
    QTest::newRow("letter") << "C";
    QTest::newRow("text after the number") << "2abc";
    QTest::newRow("out of range") << "5";
    QTest::newRow("fraction") << "2.5";
}

void TestAnswerChecking::answerFieldWithoutNumber() {
    QFETCH(QString, answer);
    WindowFixture fx(
        questions({{QStringLiteral("G1A01"), answer}, {QStringLiteral("G1A02"), "1"}}));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    QVERIFY(showWindow(fx.window.get()));
    FrmTheo& w = *fx.window;
    QVERIFY(w.Option2->isEnabled());
    w.Option2->click();

    for (ClickLabel* label : choiceLabels(w))
        QVERIFY(clickLabel(label));
    QCOMPARE(fx.dialogs.messages, QStringList(4, sorry));
    QCOMPARE(w.Combo2->count(), 4);
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A01"));
    // Drill mode shows no right choice; an empty field leaves the start-up black.
    QCOMPARE(blueChoices(w), QStringLiteral("||"));
}

void TestAnswerChecking::drillModeColoursTheRightChoice() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A02"), Shown::onScreen),
             qPrintable(fx.lastError)); // answer 4
    FrmTheo& w = *fx.window;
    QVERIFY(w.Option1->isChecked());
    QCOMPARE(blueChoices(w), QStringLiteral("||"));

    QTest::mouseClick(w.Option2, Qt::LeftButton);
    QVERIFY(w.Option2->isChecked());
    QCOMPARE(blueChoices(w), QStringLiteral("D|D|"));

    QTest::mouseClick(w.Option1, Qt::LeftButton);
    QVERIFY(w.Option1->isChecked());
    QCOMPARE(blueChoices(w), QStringLiteral("||"));

    QTest::mouseClick(w.Option2, Qt::LeftButton);
    QCOMPARE(blueChoices(w), QStringLiteral("D|D|"));

    // The mode holds for the questions that follow.
    QVERIFY(clickLabel(w.Label11));
    QCOMPARE(w.Text1->text(), QStringLiteral("G5A01")); // answer 2
    QCOMPARE(blueChoices(w), QStringLiteral("B|B|"));
}

void TestAnswerChecking::colouringFollowsTheAnswerField_data() {
    QTest::addColumn<QString>("firstAnswer");
    QTest::addColumn<QString>("secondAnswer");
    QTest::addColumn<QString>("blueAfterMove");

    QTest::newRow("other value") << "4"
                                 << "1"
                                 << "A|A|";
    QTest::newRow("same value") << "4"
                                << "4"
                                << "D|D|";
    QTest::newRow("same value written otherwise") << "4"
                                                  << "4.0"
                                                  << "D|D|";
    QTest::newRow("empty keeps the colours") << "4"
                                             << ""
                                             << "D|D|";
    QTest::newRow("no number shows none") << "4"
                                          << "x"
                                          << "||";
    QTest::newRow("out of range shows none") << "4"
                                             << "0"
                                             << "||";
}

void TestAnswerChecking::colouringFollowsTheAnswerField() {
    QFETCH(QString, firstAnswer);
    QFETCH(QString, secondAnswer);
    QFETCH(QString, blueAfterMove);
    WindowFixture fx(questions(
        {{QStringLiteral("G1A01"), firstAnswer}, {QStringLiteral("G1A02"), secondAnswer}}));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.Option2->click();
    QCOMPARE(blueChoices(w), QStringLiteral("D|D|"));

    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A02"));
    QCOMPARE(blueChoices(w), blueAfterMove);
}

void TestAnswerChecking::placementHasNoInfluence() {
    // Each draw puts the answer rows in another screen order; judging follows the
    // choice, wherever it stands.
    QSet<int> rowsOfChoiceB;
    for (const double draw : {0.0, 0.2, 0.4, 0.6, 0.8, 0.99}) {
        WindowFixture fx(TestBank::sampleQuestions(), TestBank::sampleHints(), draw);
        QVERIFY2(fx.open(Shown::onScreen), qPrintable(fx.lastError));
        FrmTheo& w = *fx.window;
        rowsOfChoiceB.insert(w.Label9->y());
        const QList<ClickLabel*> labels = choiceLabels(w);
        for (int choice = 0; choice < 4; ++choice) {
            QVERIFY(goTo(w, QStringLiteral("G0A02"))); // answer 2
            fx.dialogs.messages.clear();
            QVERIFY(clickLabel(labels[choice]));
            const bool right = choice == 1;
            QCOMPARE(fx.dialogs.messages, QStringList{right ? correct : sorry});
            QCOMPARE(w.Text1->text(), right ? QStringLiteral("G1A01") : QStringLiteral("G0A02"));
        }
        QCOMPARE(w.Combo2->count(), 3);
    }
    QVERIFY2(rowsOfChoiceB.size() > 1, "the draws should have put choice B in different rows");
}

QTEST_MAIN(TestAnswerChecking)

// A topic answered twice, with the rows shuffled: by clicks, and from the keyboard alone
// (each wrong row by its key, the right one by Tab and Space). Same messages, same
// missed list. Keys typed into the topic box or the hint box answer nothing.
void TestAnswerChecking::keyboardAnswersAsClicksDo() {
    QStringList results[2];
    for (const bool keyboard : {false, true}) {
        WindowFixture fx(TestBank::sampleQuestions(), TestBank::sampleHints(), 0.5);
        QVERIFY2(fx.open(), qPrintable(fx.lastError));
        FrmTheo& w = *fx.window;
        QVERIFY(showWindow(fx.window.get()));
        QVERIFY(goTo(w, QStringLiteral("G1A01")));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Command6->setFocus(); // where the window opens with it
        while (w.Text1->text().startsWith(QLatin1String("G1"))) {
            const int right = w.Text4->text().toInt() - 1;
            const int wrong[] = {(right + 1) % 4, (right + 3) % 4};
            if (!keyboard) {
                for (int choice : wrong)
                    QVERIFY(clickLabel(choiceLabels(w)[choice]));
                QVERIFY(clickLabel(choiceLabels(w)[right]));
                continue;
            }
            // The rows stand 600 twips apart from 2520 on; keys name rows, not fields.
            for (int i = 0; i < 2; ++i) {
                const int row = (twips::top(choiceLabels(w)[wrong[i]]) - 2520) / 600;
                QTest::keyClick(QApplication::focusWidget(),
                                Qt::Key(i == 0 ? Qt::Key_A + row : Qt::Key_1 + row));
            }
            for (int tabs = 0; tabs < 12 && QApplication::focusWidget() != choiceLabels(w)[right];
                 ++tabs)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), choiceLabels(w)[right]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        if (keyboard) {
            const int before = fx.dialogs.messages.size();
            w.Combo1->lineEdit()->setFocus();
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a1"));
            QTest::mouseClick(w.Command8, Qt::LeftButton);
            w.Text10->setFocus();
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("b2"));
            QCOMPARE(fx.dialogs.messages.size(), before);
        }
        for (int i = 0; i < w.Combo2->count(); ++i)
            results[keyboard] << w.Combo2->itemText(i);
        results[keyboard] << fx.dialogs.messages << w.Text1->text();
    }
    QCOMPARE(results[1], results[0]);
    QCOMPARE(results[0].size(), 4 + 6 + 1); // G1A01 and G1A02: two misses each
}

#include "test_answer_checking.moc"
