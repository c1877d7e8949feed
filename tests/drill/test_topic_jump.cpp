// Topic and number jumps: a choice from the topic list jumps, typing, leaving or scrolling the
// topic box does not, and going to a number.
// SPDX-License-Identifier: MIT
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString unexpected =
    QStringLiteral("Unexpected Case in Group Selection. Please call the Engineer.");
const QString noRecord = QStringLiteral("No record matches that serial number");

// A few questions of each topic the tests need, for one pool letter.
QVector<TestQuestion> poolOf(QChar letter, const QList<int>& digits) {
    QVector<std::pair<QString, QString>> rows;
    for (const int digit : digits)
        for (const char* rest : {"A01", "A02"})
            rows.append({QString(letter) + QString::number(digit) + QLatin1String(rest), "1"});
    return questions(rows);
}

} // namespace

class TestTopicJump : public QObject {
    Q_OBJECT
private slots:
    void choiceFromTheList_data();
    void choiceFromTheList();
    void numberJump_data();
    void numberJump();
    void writingTheTopicNameDoesNotJump();
    void typingInTheTopicBoxDoesNotJump_data();
    void typingInTheTopicBoxDoesNotJump();
    void leavingTheTopicBoxDoesNotJump();
    void keyboardChoiceStillJumps();
    void closingWithTheFocusInTheTopicBox();
    void wheelOverTheTopicBoxDoesNotJump();
};

void TestTopicJump::choiceFromTheList_data() {
    QTest::addColumn<QVector<TestQuestion>>("bank");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("expectedNumber");
    QTest::addColumn<QString>("expectedMessage");

    const auto g = TestBank::sampleQuestions();
    QTest::newRow("G to RF Safety") << g << "G5A01"
                                    << "RF Safety"
                                    << "G0A01"
                                    << "";
    QTest::newRow("G to Practical Circuits") << g << "G0A02"
                                             << "Practical Circuits"
                                             << "G7A01"
                                             << "";
    QTest::newRow("own topic again") << g << "G1A02"
                                     << "Commission's Rules"
                                     << "G1A01"
                                     << "";
    QTest::newRow("G start code missing") << g << "G1A02"
                                          << "Operating Procedures"
                                          << "G1A02" << noRecord;

    const auto t = poolOf(QLatin1Char('T'), {0, 1, 9});
    QTest::newRow("T to RF Safety") << t << "T1A02"
                                    << "RF Safety"
                                    << "T0A01"
                                    << "";
    QTest::newRow("T to Antennas") << t << "T0A02"
                                   << "Antennas And Feed Lines"
                                   << "T9A01"
                                   << "";

    const auto n = poolOf(QLatin1Char('N'), {1, 7});
    QTest::newRow("N refuses RF Safety") << n << "N1A02"
                                         << "RF Safety"
                                         << "N1A02" << unexpected;
    QTest::newRow("N to Practical Circuits") << n << "N1A02"
                                             << "Practical Circuits"
                                             << "N7A01"
                                             << "";
    QTest::newRow("A refuses RF Safety") << poolOf(QLatin1Char('A'), {1}) << "A1A02"
                                         << "RF Safety"
                                         << "A1A02" << unexpected;
    // The current Extra pool has a safety subelement, E0.
    QTest::newRow("E to RF Safety") << poolOf(QLatin1Char('E'), {0, 1}) << "E1A02"
                                    << "RF Safety"
                                    << "E0A01"
                                    << "";

    // The pool letter is taken as it stands: no trimming, no change of case.
    QTest::newRow("lower-case number") << questions({{"g1a01", "1"}, {"G1A01", "1"}}) << "g1a01"
                                       << "Commission's Rules"
                                       << "g1a01" << noRecord;
    QTest::newRow("leading space") << questions({{" G1A01", "1"}, {"G1A01", "1"}}) << " G1A01"
                                   << "Commission's Rules"
                                   << " G1A01" << noRecord;
    QTest::newRow("unknown pool letter") << questions({{"X1A01", "1"}}) << "X1A01"
                                         << "Commission's Rules"
                                         << "X1A01" << noRecord;
    QTest::newRow("empty question bank") << QVector<TestQuestion>() << ""
                                         << "Commission's Rules"
                                         << "" << noRecord;
}

void TestTopicJump::choiceFromTheList() {
    QFETCH(QVector<TestQuestion>, bank);
    QFETCH(QString, current);
    QFETCH(QString, topic);
    QFETCH(QString, expectedNumber);
    QFETCH(QString, expectedMessage);
    WindowFixture fx(bank, {});
    QVERIFY2(fx.open(Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    if (w.Text1->text() != current)
        QVERIFY(goTo(w, current));
    QCOMPARE(w.Text1->text(), current);

    QVERIFY(chooseFromList(w.Combo1, topic));

    QCOMPARE(fx.dialogs.messages,
             expectedMessage.isEmpty() ? QStringList() : QStringList{expectedMessage});
    QCOMPARE(w.Text1->text(), expectedNumber);
    QCOMPARE(w.Label12->text(), expectedNumber);
    if (expectedMessage.isEmpty()) // the new question names its topic
        QCOMPARE(w.Combo1->currentText(), topic);
    // The focus is on the question, so the next key answers rather than types.
    // (The window's own focus: the test platform leaves its closed list the active window.)
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Label13));
}

void TestTopicJump::numberJump_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expectedNumber");
    QTest::addColumn<QString>("message"); // when nothing is found

    const QString withdrawn = QStringLiteral(
        "Question G1A04 was withdrawn from the question pool; the question bank does not hold it.");
    QTest::newRow("found") << "G7A01"
                           << "G7A01"
                           << "";
    QTest::newRow("the bank ignores case") << "g7a01"
                                           << "G7A01"
                                           << "";
    QTest::newRow("not trimmed") << "G7A01 "
                                 << "G1A01" << noRecord;
    QTest::newRow("apostrophe") << "G7'A01"
                                << "G1A01" << noRecord;
    QTest::newRow("criterion inside the value") << "G7A01' OR GNumber = 'G0A01"
                                                << "G1A01" << noRecord;
    QTest::newRow("empty") << ""
                           << "G1A01" << noRecord;
    // The bank's record of the numbers its pool withdrew, read as the bank reads numbers.
    QTest::newRow("withdrawn") << "G1A04"
                               << "G1A01" << withdrawn;
    QTest::newRow("withdrawn, lower case") << "g1a04"
                                           << "G1A01" << withdrawn;
}

void TestTopicJump::numberJump() {
    QFETCH(QString, number);
    QFETCH(QString, expectedNumber);
    QFETCH(QString, message);
    WindowFixture fx;
    QVERIFY(fx.bank.exec(
        {QStringLiteral("CREATE TABLE bank_info (key TEXT, value TEXT)"),
         QStringLiteral("INSERT INTO bank_info VALUES ('withdrawn', 'G1A04 G9D13')")}));
    QVERIFY2(fx.openOn(QStringLiteral("G1A01")), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;

    w.Command7_NewItem(number);

    QCOMPARE(fx.dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(w.Text1->text(), expectedNumber);
}

void TestTopicJump::writingTheTopicNameDoesNotJump() {
    WindowFixture fx;
    QVERIFY2(fx.open(Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    // Every step forward writes the topic name; none may jump back to the topic's start.
    QStringList seen{w.Text1->text()};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(w.Data1->recordset().moveNext().ok());
        seen << w.Text1->text() + QLatin1Char('/') + w.Combo1->currentText();
    }
    QCOMPARE(seen, (QStringList{"G0A01", "G0A02/RF Safety", "G1A01/Commission's Rules",
                                "G1A02/Commission's Rules", "G5A01/Electrical Principles"}));
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestTopicJump::typingInTheTopicBoxDoesNotJump_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("restored"); // to the question's topic when the box is left
    QTest::newRow("a topic name") << "Practical Circuits" << false;
    QTest::newRow("the shown topic's name") << "" << true;
    QTest::newRow("the first topic's name") << "RF Safety" << false;
    QTest::newRow("a topic name in lower case") << "rf safety" << false;
    QTest::newRow("no topic name") << "Ohm" << true;
    QTest::newRow("an answer key after the name") << "Commission's Rulesb" << true;
}

void TestTopicJump::typingInTheTopicBoxDoesNotJump() {
    QFETCH(QString, typed);
    QFETCH(bool, restored);
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A02"), Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QLineEdit* edit = w.Combo1->lineEdit();
    QVERIFY(giveFocus(edit));
    if (!typed.isEmpty()) {
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
    }

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);

    QVERIFY(fx.dialogs.messages.isEmpty());
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A02"));
    // Left with no topic's name, the box shows the current question's topic again.
    QVERIFY(giveFocus(w.Option2));
    QCOMPARE(w.Combo1->currentText() == QStringLiteral("Commission's Rules"), restored);
}

void TestTopicJump::leavingTheTopicBoxDoesNotJump() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A02"), Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(giveFocus(w.Combo1->lineEdit()));

    QVERIFY(giveFocus(w.Option2)); // as a click on the mode button takes the focus

    QVERIFY(fx.dialogs.messages.isEmpty());
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A02"));
}

void TestTopicJump::keyboardChoiceStillJumps() {
    // Stepping through the closed list with the arrow keys is a choice from the list.
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A02"), Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(giveFocus(w.Combo1));
    QTest::keyClick(w.Combo1, Qt::Key_Up); // from the shown topic to the one above

    QVERIFY(fx.dialogs.messages.isEmpty());
    QCOMPARE(w.Text1->text(), QStringLiteral("G0A01"));
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("RF Safety"));
    // The next key answers the new question (G0A01's answer is A, in row A).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    QCOMPARE(fx.dialogs.messages, QStringList{"    Correct"});
}

void TestTopicJump::closingWithTheFocusInTheTopicBox() {
    // Closing the window ends editing in the box; that must not jump (nor crash).
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A02"), Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(giveFocus(w.Combo1->lineEdit()));
    fx.window.reset();
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestTopicJump::wheelOverTheTopicBoxDoesNotJump() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G0A02"), Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QPoint centre = w.Combo1->rect().center();
    QWheelEvent wheel(centre, w.Combo1->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.Combo1, &wheel);

    QVERIFY(fx.dialogs.messages.isEmpty());
    QCOMPARE(w.Text1->text(), QStringLiteral("G0A02"));
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("RF Safety"));
}

QTEST_MAIN(TestTopicJump)
#include "test_topic_jump.moc"
