// The pool text import: Next G9, Accept and Transfer through a whole cycle, where they stop, and
// positions beyond the 16-bit range.
// SPDX-License-Identifier: MIT
#include "learner_actions.h"
#include "main_window/data_control.h"
#include "main_window/frm_theo.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Pool text as the import reads it: the number on a line of its own (so the stem
// starts seven characters after it), the answer number right after the "?".
const QString first = QStringLiteral("G9A01\r\n"
                                     "Is A. a choice here?  2\r\n"
                                     "A. one, with a space\r\n"
                                     "B.  two\r\n  wrapped\r\n"
                                     "C.three\r\n"
                                     "D. four\r\n\r\n");
const QString second = QStringLiteral("G9A02\r\n"
                                      "Second stem? 4\r\n"
                                      "A. a\r\nB. b\r\nC. c\r\nD. d\r\n");
const QString third = QStringLiteral("G9A03\r\nThird? 1\r\nA. x\r\nB. y\r\nC. z\r\nD. w\r\n");

// The text boxes hold line breaks as line feeds, so a pool text line break of
// carriage return and line feed reaches the record as a line feed; positions still
// count both characters, as they are positions in the pool text.
QString lf(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList lastRow(const WindowFixture& fx) {
    QStringList row;
    for (const char* field : {"GNumber", "Question", "answer", "A", "B", "C", "D"})
        row << fx.bank.column(QStringLiteral("pool"), QLatin1String(field))
                   .value(-1 + fx.bank.numbers().size());
    return row;
}

// The bound boxes of the current (or pending) record, in field order.
QStringList boxes(FrmTheo& w) {
    return {w.Text1->text(),        w.Text3->toPlainText(), w.Text4->text(),
            w.Text5->toPlainText(), w.Text6->toPlainText(), w.Text7->toPlainText(),
            w.Text8->toPlainText()};
}

// 1-based position, as the import counts.
qint16 pos(const QString& text, const QString& part, int from = 1) {
    return qint16(text.indexOf(part, from - 1) + 1);
}

} // namespace

class TestPoolImport : public QObject {
    Q_OBJECT
private slots:
    void fullCycle();
    void lastQuestionStopsBeforeChoiceD();
    void acceptStops_data();
    void acceptStops();
    void missingOpeningMarker();
    void emptyPoolText();
    void acceptTwiceWithoutNext();
    void nextTwice();
    void positionsBeyond32767_data();
    void positionsBeyond32767();
    void failuresOfNewAndUpdateAreSilent();
    void transfer();
};

void TestPoolImport::fullCycle() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    SharedModule& s = w.sharedModule();
    s.PoolText = first + second;
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command3));
    QCOMPARE(w.Text9->text(), QStringLiteral("0"));
    QCOMPARE(s.FoundPos, qint16(1));
    QCOMPARE(s.ParsePos, qint16(1));
    QCOMPARE(w.Text2->toPlainText(), lf(s.PoolText));

    QVERIFY(pressAuthoringButton(w.Command4));
    const QStringList expected{QStringLiteral("G9A01"),
                               QStringLiteral("Is A. a choice here?"),
                               QStringLiteral("2"),
                               QStringLiteral(" one, with a space\n"),
                               QStringLiteral("  two\n  wrapped\n"),
                               QStringLiteral("three\n"),
                               QStringLiteral(" four\n\n")};
    QCOMPARE(fx.bank.numbers(), before + QStringList{QStringLiteral("G9A01")});
    QCOMPARE(lastRow(fx), expected);
    QCOMPARE(boxes(w), expected); // the last row is current
    QVERIFY(w.Command1->isEnabled());
    QVERIFY(!w.Command2->isEnabled());
    const qint16 next = pos(s.PoolText, QStringLiteral("G9A02"));
    QCOMPARE(s.FoundPos, qint16(next - 1));
    QCOMPARE(s.ParsePos, qint16(next - 3));
    QCOMPARE(w.Text9->text(), QString::number(next - 3));
    QVERIFY(fx.dialogs.messages.isEmpty());

    // Next G9 finds exactly the next question number.
    QVERIFY(pressAuthoringButton(w.Command3));
    QCOMPARE(s.FoundPos, next);
    QCOMPARE(s.ParsePos, next);
    QVERIFY(w.Text2->toPlainText().startsWith(QStringLiteral("G9A02\nSecond stem?")));
}

void TestPoolImport::lastQuestionStopsBeforeChoiceD() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    SharedModule& s = w.sharedModule();
    s.PoolText = second;
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command3));
    QVERIFY(pressAuthoringButton(w.Command4));

    QCOMPARE(boxes(w), (QStringList{"G9A02", "Second stem?", "4", " a\n", " b\n", " c\n", ""}));
    QVERIFY(newRecordPending(w));
    QCOMPARE(fx.bank.numbers(), before);
    // The cursor stands after "D."; the missing "G9" left FoundPos at -1.
    QCOMPARE(s.ParsePos, qint16(pos(second, QStringLiteral("D.")) + 2));
    QCOMPARE(s.FoundPos, qint16(-1));
    QVERIFY(fx.dialogs.messages.isEmpty());

    // The author can still commit what was cut, with Update.
    QVERIFY(pressAuthoringButton(w.Command2));
    QCOMPARE(fx.bank.numbers(), before + QStringList{QStringLiteral("G9A02")});
}

void TestPoolImport::acceptStops_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("fields"); // the pending record's boxes afterwards

    QTest::newRow("no question mark")
        << QStringLiteral("G9B01\r\nNo mark here 1\r\nA. a\r\nB. b\r\nC. c\r\nD. d\r\nG9B02")
        << QStringList{"G9B01", "", "", "", "", "", ""};
    QTest::newRow("closing marker C. missing")
        << QStringLiteral("G9B01\r\nStem? 3\r\nA. a\r\nB. b\r\nD. d\r\nG9B02")
        << QStringList{"G9B01", "Stem?", "3", " a\n", "", "", ""};
    QTest::newRow("lower-case marker does not close")
        << QStringLiteral("G9B01\r\nStem? 3\r\nA. a\r\nb. b\r\nC. c\r\nD. d\r\nG9B02")
        << QStringList{"G9B01", "Stem?", "3", "", "", "", ""};
    QTest::newRow("no answer number, lower-case g9 does not end D")
        << QStringLiteral("G9B01\r\nStem?\r\nA. a\r\nB. b\r\nC. c\r\nD. d\r\ng9")
        << QStringList{"G9B01", "Stem?", "0", " a\n", " b\n", " c\n", ""};
}

void TestPoolImport::acceptStops() {
    QFETCH(QString, question);
    QFETCH(QStringList, fields);

    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.sharedModule().PoolText = question;
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command3));
    QVERIFY(pressAuthoringButton(w.Command4));
    QCOMPARE(boxes(w), fields);
    QVERIFY(newRecordPending(w));
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(fx.dialogs.messages.isEmpty());

    // Accept does nothing more while the record waits.
    const qint16 parsePos = w.sharedModule().ParsePos;
    QVERIFY(!w.Command1->isEnabled());
    w.Command4_Click();
    QCOMPARE(boxes(w), fields);
    QCOMPARE(w.sharedModule().ParsePos, parsePos);
}

void TestPoolImport::missingOpeningMarker() {
    // Without "A.", choice A runs from the second character of the pool text to the
    // first "B."; the import goes on from there and commits the record.
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.sharedModule().PoolText = QStringLiteral("G9B01\r\nStem? 3\r\nB. b\r\nC. c\r\nD. d\r\nG9B02");
    QVERIFY(pressAuthoringButton(w.Command3));
    QVERIFY(pressAuthoringButton(w.Command4));
    QCOMPARE(lastRow(fx),
             (QStringList{"G9B01", "Stem?", "3", "9B01\nStem? 3\n", " b\n", " c\n", " d\n"}));
    QVERIFY(!newRecordPending(w));
}

void TestPoolImport::emptyPoolText() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    SharedModule& s = w.sharedModule();
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command3));
    QCOMPARE(w.Text9->text(), QStringLiteral("0"));
    QCOMPARE(s.FoundPos, qint16(0));
    QCOMPARE(s.ParsePos, qint16(0));
    QVERIFY(w.Text2->toPlainText().isEmpty());
    QCOMPARE(w.Text1->text(), QStringLiteral("G0A01"));

    // Accept starts a record whose number is the start of the window, here nothing.
    QVERIFY(pressAuthoringButton(w.Command4));
    QVERIFY(newRecordPending(w));
    QCOMPARE(boxes(w), (QStringList{"", "", "", "", "", "", ""}));
    QCOMPARE(s.ParsePos, qint16(7));
    QCOMPARE(w.Text9->text(), QStringLiteral("7"));
    QCOMPARE(s.FoundPos, qint16(0));
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(fx.dialogs.messages.isEmpty());

    // With text left in the window, that text's first five characters are the number.
    QVERIFY(pressAuthoringButton(w.Command2));
    w.Text2->setPlainText(QStringLiteral("G9Q07 left over"));
    QVERIFY(pressAuthoringButton(w.Command4));
    QVERIFY(newRecordPending(w));
    QCOMPARE(w.Text1->text(), QStringLiteral("G9Q07"));
}

void TestPoolImport::acceptTwiceWithoutNext() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.sharedModule().PoolText = first + second + third;
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(w.Command3));
    QVERIFY(pressAuthoringButton(w.Command4));
    QVERIFY(pressAuthoringButton(w.Command4));

    // The number comes from the unchanged window; the stem starts one character
    // early, at the line feed after the next number.
    QCOMPARE(fx.bank.numbers(), before + QStringList({"G9A01", "G9A01"}));
    QCOMPARE(lastRow(fx),
             (QStringList{"G9A01", "\nSecond stem?", "4", " a\n", " b\n", " c\n", " d\n"}));
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestPoolImport::nextTwice() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    SharedModule& s = w.sharedModule();
    s.PoolText = first + second + third;

    QVERIFY(pressAuthoringButton(w.Command3));
    QVERIFY(pressAuthoringButton(w.Command3));
    QCOMPARE(s.FoundPos, pos(s.PoolText, QStringLiteral("G9A02")));
    QVERIFY(pressAuthoringButton(w.Command3));
    QCOMPARE(s.FoundPos, pos(s.PoolText, QStringLiteral("G9A03")));
    QCOMPARE(w.Text2->toPlainText(), lf(third));

    // No further number: the cursor is shown, FoundPos is 0, the window and the cursor stay.
    QVERIFY(pressAuthoringButton(w.Command3));
    QCOMPARE(w.Text9->text(), QString::number(pos(s.PoolText, QStringLiteral("G9A03"))));
    QCOMPARE(s.FoundPos, qint16(0));
    QCOMPARE(s.ParsePos, pos(s.PoolText, QStringLiteral("G9A03")));
    QCOMPARE(w.Text2->toPlainText(), lf(third));
}

void TestPoolImport::positionsBeyond32767_data() {
    QTest::addColumn<QString>("poolText");
    QTest::addColumn<int>("foundPos"); // before the handler
    QTest::addColumn<int>("parsePos");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("foundAfter");
    QTest::addColumn<int>("parseAfter");
    QTest::addColumn<QString>("stemAfter");

    const QString filler(32767, QLatin1Char('x'));
    const QString nearEnd(32756, QLatin1Char('x'));
    // The number at 32757 can be found; its "?" lies at 32768.
    const QString late = nearEnd + QStringLiteral("G9C01\r\nWhy? 1\r\nA. a");
    const QString later = nearEnd + QStringLiteral("G9C01\r\nWhyy? 1\r\nA. a");
    const QString current = QStringLiteral("Stem of G0A01?");

    QTest::newRow("next number beyond 32767")
        << filler + second << 0 << 0 << "Command3" << 0 << 0 << current;
    QTest::newRow("cursor at 32767") << second << 5 << 32767 << "Command3" << 5 << 32767 << current;
    QTest::newRow("FoundPos + 7 beyond 32767")
        << second << 32761 << 32761 << "Command4" << 32761 << 32761 << "";
    QTest::newRow("question mark beyond 32767")
        << later << 32757 << 32757 << "Command4" << 32757 << 32764 << "";
    QTest::newRow("question mark at 32767, answer beyond")
        << late << 32757 << 32757 << "Command4" << 32767 << 32764 << "Why?";
}

void TestPoolImport::positionsBeyond32767() {
    QFETCH(QString, poolText);
    QFETCH(int, foundPos);
    QFETCH(int, parsePos);
    QFETCH(QString, handler);
    QFETCH(int, foundAfter);
    QFETCH(int, parseAfter);
    QFETCH(QString, stemAfter);

    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    SharedModule& s = w.sharedModule();
    s.PoolText = poolText;
    s.FoundPos = qint16(foundPos);
    s.ParsePos = qint16(parsePos);
    w.Text2->setPlainText(QStringLiteral("G9C01 window"));
    const QStringList before = fx.bank.numbers();

    QVERIFY(pressAuthoringButton(control<QPushButton>(&w, handler)));
    QCOMPARE(int(s.FoundPos), foundAfter);
    QCOMPARE(int(s.ParsePos), parseAfter);
    QCOMPARE(w.Text2->toPlainText(), QStringLiteral("G9C01 window"));
    QCOMPARE(w.Text3->toPlainText(), stemAfter);
    QCOMPARE(fx.bank.numbers(), before);
    QVERIFY(fx.dialogs.messages.isEmpty());
    if (handler == QLatin1String("Command4")) {
        QVERIFY(newRecordPending(w)); // New ran before the failure
        QCOMPARE(w.Text1->text(), QStringLiteral("G9C01"));
    } else {
        QCOMPARE(w.Text9->text(), QString::number(parsePos));
    }
}

void TestPoolImport::failuresOfNewAndUpdateAreSilent() {
    // Update refused by the database: Accept ends silently, the record waits, filled.
    {
        WindowFixture fx;
        QVERIFY(fx.bank.refuseNewQuestions());
        QVERIFY2(fx.open(), qPrintable(fx.lastError));
        FrmTheo& w = *fx.window;
        w.sharedModule().PoolText = first + second;
        const QStringList before = fx.bank.numbers();
        QVERIFY(pressAuthoringButton(w.Command3));
        QVERIFY(pressAuthoringButton(w.Command4));
        QVERIFY(fx.dialogs.messages.isEmpty());
        QVERIFY(newRecordPending(w));
        QCOMPARE(fx.bank.numbers(), before);
        QCOMPARE(w.Text8->toPlainText(), QStringLiteral(" four\n\n"));
        QCOMPARE(w.sharedModule().ParsePos, qint16(pos(w.sharedModule().PoolText, "G9A02") - 3));

        QVERIFY(fx.bank.acceptNewQuestions());
        QVERIFY(pressAuthoringButton(w.Command2));
        QCOMPARE(lastRow(fx).first(), QStringLiteral("G9A01"));
        QCOMPARE(lastRow(fx).last(), QStringLiteral(" four\n\n"));
    }
    // New on an empty table: Accept ends silently before touching anything.
    {
        WindowFixture fx({}, {});
        QVERIFY2(fx.open(), qPrintable(fx.lastError));
        FrmTheo& w = *fx.window;
        w.sharedModule().PoolText = first;
        QVERIFY(pressAuthoringButton(w.Command3));
        QVERIFY(pressAuthoringButton(w.Command4));
        QVERIFY(fx.dialogs.messages.isEmpty());
        QVERIFY(w.Command1->isEnabled());
        QVERIFY(!w.Data1->recordset().isNewPending());
        QVERIFY(w.Text1->text().isEmpty());
        QCOMPARE(w.sharedModule().ParsePos, qint16(1));
        QVERIFY(fx.bank.numbers().isEmpty());
    }
}

void TestPoolImport::transfer() {
    WindowFixture fx;
    FrmTheo& w = *fx.window;
    QCOMPARE(w.sharedModule().TransferFlag, flagFalse);
    QVERIFY(w.sharedModule().PoolText.isEmpty()); // nothing in the program fills it
    w.Command9->click();
    QCOMPARE(w.sharedModule().TransferFlag, flagTrue);
}

QTEST_MAIN(TestPoolImport)
#include "test_pool_import.moc"
