// Record editing: Search, New then Update, Delete, an empty table, a refused Update, and a pending
// record dropped on closing.
// SPDX-License-Identifier: MIT
#include "learner_actions.h"
#include "main_window/data_control.h"
#include "main_window/frm_theo.h"
#include "window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString searchPrompt = QStringLiteral("Enter Question Number To Search For");
const QString noMatchText = QStringLiteral("No record matches that serial number");
const QString bankFailure = QStringLiteral("The question bank could not do that: ");

// Fills the boxes of the current record as an author would type them.
void typeRecord(FrmTheo& w, const QString& number) {
    w.Text1->setText(number);
    w.Text3->setPlainText(QStringLiteral("Typed stem?"));
    w.Text4->setText(QStringLiteral("2"));
    w.Text5->setPlainText(QStringLiteral(" one"));
    w.Text6->setPlainText(QStringLiteral(" two\n"));
    w.Text7->setPlainText(QStringLiteral("three"));
    w.Text8->setPlainText(QStringLiteral("four"));
}

// Presses New and types a record into it; the record then waits for Update.
bool typeNewRecord(FrmTheo& w, const QString& number) {
    if (!pressAuthoringButton(w.Command1))
        return false;
    typeRecord(w, number);
    return true;
}

bool nothingPending(FrmTheo& w) {
    return w.Command1->isEnabled() && !w.Command2->isEnabled() &&
           !w.Data1->recordset().isNewPending();
}

} // namespace

class TestRecordEditing : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void newThenUpdate_data();
    void newThenUpdate();
    void newBlocksSecondNew();
    void deleteCurrent();
    void secondNewDoesNothing();
    void emptyTable_data();
    void emptyTable();
    void updateWithNothingPending();
    void refusedUpdateKeepsRecord();
    void closingDropsPendingRecord_data();
    void closingDropsPendingRecord();
};

void TestRecordEditing::search_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("current"); // the question shown afterwards
    QTest::addColumn<bool>("noMatch");    // whether the no-match message shows

    // The search starts on G5A01.
    QTest::newRow("exact") << "G1A01"
                           << "G1A01" << false;
    QTest::newRow("spaces around") << "   G1A01  "
                                   << "G1A01" << false;
    QTest::newRow("lower case") << "g1a01"
                                << "G1A01" << false;
    QTest::newRow("prefix") << "G1A0"
                            << "G5A01" << true;
    QTest::newRow("missing number") << "G3A01"
                                    << "G5A01" << true;
    QTest::newRow("tab is not trimmed") << "\tG1A01"
                                        << "G5A01" << true;
    QTest::newRow("apostrophe") << "G1A01'"
                                << "G5A01" << true;
    QTest::newRow("SQL text") << "x' OR '1'='1"
                              << "G5A01" << true;
    QTest::newRow("SQL statement") << "G1A01'; DELETE FROM pool; --"
                                   << "G5A01" << true;
    QTest::newRow("cancel or empty") << ""
                                     << "G5A01" << false;
    QTest::newRow("only spaces") << "    "
                                 << "G5A01" << false;
}

void TestRecordEditing::search() {
    QFETCH(QString, typed);
    QFETCH(QString, current);
    QFETCH(bool, noMatch);

    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G5A01")), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QStringList before = fx.bank.numbers();

    fx.dialogs.inputAnswers << typed;
    QVERIFY(press(w.Command6));

    QCOMPARE(fx.dialogs.prompts, QStringList{searchPrompt});
    QCOMPARE(w.Text1->text(), current);
    QCOMPARE(fx.dialogs.messages, noMatch ? QStringList{noMatchText} : QStringList{});
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(nothingPending(w));
}

void TestRecordEditing::newThenUpdate_data() {
    QTest::addColumn<QString>("startOn");
    QTest::addColumn<bool>("editCurrent"); // type into the current record before New

    QTest::newRow("from the first row") << "G0A01" << false;
    QTest::newRow("from a middle row") << "G1A02" << false;
    QTest::newRow("from the last row") << "G9D11" << false;
    QTest::newRow("typed text of the current row is kept") << "G1A02" << true;
}

void TestRecordEditing::newThenUpdate() {
    QFETCH(QString, startOn);
    QFETCH(bool, editCurrent);

    WindowFixture fx;
    QVERIFY2(fx.openOn(startOn), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    if (editCurrent)
        w.Text3->setPlainText(QStringLiteral("Edited stem?"));
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command1));
    QVERIFY(newRecordPending(w));
    QVERIFY(w.Text1->text().isEmpty());
    QVERIFY(w.Text5->toPlainText().isEmpty());
    QCOMPARE(fx.bank.numbers(), before); // nothing is saved before Update

    typeRecord(w, QStringLiteral("G9Z99"));
    QVERIFY(pressAuthoringButton(w.Command2));

    QCOMPARE(fx.bank.numbers(), before + QStringList{QStringLiteral("G9Z99")});
    QVERIFY(nothingPending(w));
    QCOMPARE(w.Text1->text(), QStringLiteral("G9Z99")); // the last row is current
    QVERIFY(fx.dialogs.messages.isEmpty());
    const QStringList stems = fx.bank.column(QStringLiteral("pool"), QStringLiteral("Question"));
    QCOMPARE(stems.at(before.indexOf(startOn)), editCurrent
                                                    ? QStringLiteral("Edited stem?")
                                                    : QStringLiteral("Stem of %1?").arg(startOn));

    QVERIFY2(fx.restart(), qPrintable(fx.lastError));
    FrmTheo& again = *fx.window;
    QVERIFY(again.Data1->recordset().moveLast());
    QCOMPARE(again.Text1->text(), QStringLiteral("G9Z99"));
    QCOMPARE(again.Text3->toPlainText(), QStringLiteral("Typed stem?"));
    QCOMPARE(again.Text4->text(), QStringLiteral("2"));
    QCOMPARE(again.Text5->toPlainText(), QStringLiteral(" one"));
    QCOMPARE(again.Text6->toPlainText(), QStringLiteral(" two\n"));
    QCOMPARE(again.Text8->toPlainText(), QStringLiteral("four"));
}

void TestRecordEditing::newBlocksSecondNew() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QStringList before = fx.bank.numbers();
    QVERIFY(typeNewRecord(w, QStringLiteral("G9Z99")));

    // A second New cannot be clicked; Accept does nothing at all while the record waits.
    w.Command1->click();
    w.sharedModule().PoolText = QStringLiteral("G9A01 (B)\nWhy?2\nA. a\nB. b\nC. c\nD. d\nG9A02");
    w.sharedModule().FoundPos = 1;
    w.Text2->setPlainText(w.sharedModule().PoolText);
    QVERIFY(pressAuthoringButton(w.Command4));

    QVERIFY(newRecordPending(w));
    QCOMPARE(w.Text1->text(), QStringLiteral("G9Z99"));
    QCOMPARE(w.Text3->toPlainText(), QStringLiteral("Typed stem?"));
    QCOMPARE(w.sharedModule().FoundPos, qint16(1));
    QCOMPARE(w.sharedModule().ParsePos, qint16(0));
    QVERIFY(w.Text9->text().isEmpty());
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(fx.dialogs.messages.isEmpty());

    QVERIFY(pressAuthoringButton(w.Command2));
    QCOMPARE(fx.bank.numbers(), before + QStringList{QStringLiteral("G9Z99")});
}

void TestRecordEditing::deleteCurrent() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A01")), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;

    QVERIFY(pressAuthoringButton(w.Command5));
    QVERIFY(fx.dialogs.messages.isEmpty()); // no question asked
    QVERIFY(fx.dialogs.prompts.isEmpty());
    QVERIFY(!fx.bank.numbers().contains(QStringLiteral("G1A01")));
    QCOMPARE(fx.bank.numbers().size(), 7);
    QCOMPARE(w.Text1->text(), QStringLiteral("G9D11"));
    QVERIFY(nothingPending(w));

    // The last row itself: the new last row becomes current.
    QVERIFY(pressAuthoringButton(w.Command5));
    QCOMPARE(fx.bank.numbers().last(), QStringLiteral("G9D10"));
    QCOMPARE(w.Text1->text(), QStringLiteral("G9D10"));
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestRecordEditing::secondNewDoesNothing() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A02")), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command10));
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A02"));
    QVERIFY(nothingPending(w));
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestRecordEditing::emptyTable_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("New") << "Command1";
    QTest::newRow("Delete") << "Command5";
}

void TestRecordEditing::emptyTable() {
    QFETCH(QString, button);
    WindowFixture fx({}, {});
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;

    QVERIFY(pressAuthoringButton(control<QPushButton>(&w, button)));
    QCOMPARE(fx.dialogs.messages.size(), 1);
    QVERIFY2(fx.dialogs.messages.first().startsWith(bankFailure),
             qPrintable(fx.dialogs.messages.first()));
    QVERIFY(nothingPending(w));
    QVERIFY(fx.bank.numbers().isEmpty());
    QVERIFY(w.Text1->text().isEmpty());
}

void TestRecordEditing::updateWithNothingPending() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QStringList before = fx.bank.numbers();

    // Called directly, as the button is disabled.
    w.Command2_Click();
    QCOMPARE(fx.dialogs.messages.size(), 1);
    QVERIFY(fx.dialogs.messages.first().startsWith(bankFailure));
    QVERIFY(nothingPending(w));
    QCOMPARE(fx.bank.numbers(), before);

    // An untouched new record is dropped when the browse bar leaves it; Update then
    // finds nothing to save and the buttons say so again.
    QVERIFY(pressAuthoringButton(w.Command1));
    QVERIFY(w.Data1->recordset().moveFirst());
    QVERIFY(!w.Data1->recordset().isNewPending());
    QVERIFY(pressAuthoringButton(w.Command2));
    QCOMPARE(fx.dialogs.messages.size(), 2);
    QVERIFY(nothingPending(w));
    QCOMPARE(fx.bank.numbers(), before);
    QCOMPARE(w.Text1->text(), QStringLiteral("G0A01"));
}

void TestRecordEditing::refusedUpdateKeepsRecord() {
    WindowFixture fx;
    QVERIFY(fx.bank.refuseNewQuestions());
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QStringList before = fx.bank.numbers();

    QVERIFY(typeNewRecord(w, QStringLiteral("G9Z99")));
    QVERIFY(pressAuthoringButton(w.Command2));

    QCOMPARE(fx.dialogs.messages.size(), 1);
    QVERIFY2(fx.dialogs.messages.first().startsWith(bankFailure) &&
                 fx.dialogs.messages.first().contains(QStringLiteral("refused")),
             qPrintable(fx.dialogs.messages.first()));
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(newRecordPending(w));
    QCOMPARE(w.Text1->text(), QStringLiteral("G9Z99"));
    QCOMPARE(w.Text3->toPlainText(), QStringLiteral("Typed stem?"));
    QCOMPARE(w.Text6->toPlainText(), QStringLiteral(" two\n"));

    // Once the database accepts it, the same Update saves the record as typed.
    QVERIFY(fx.bank.acceptNewQuestions());
    QVERIFY(pressAuthoringButton(w.Command2));
    QCOMPARE(fx.dialogs.messages.size(), 1);
    QCOMPARE(fx.bank.numbers(), before + QStringList{QStringLiteral("G9Z99")});
    QVERIFY(nothingPending(w));
    QCOMPARE(fx.bank.column(QStringLiteral("pool"), QStringLiteral("B")).last(),
             QStringLiteral(" two\n"));
}

void TestRecordEditing::closingDropsPendingRecord_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("window closed") << false;
    QTest::newRow("File, Exit") << true;
}

void TestRecordEditing::closingDropsPendingRecord() {
    QFETCH(bool, byMenu);
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QStringList before = fx.bank.numbers();
    QVERIFY(typeNewRecord(w, QStringLiteral("G9Z99")));

    if (byMenu)
        w.mnuFileExit->trigger();
    else
        w.close();

    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(fx.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestRecordEditing)
#include "test_record_editing.moc"
