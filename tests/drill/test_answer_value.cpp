// The answer value: which answer fields read as which number, and which choice each matches.
// SPDX-License-Identifier: MIT
#include "drill/answer_value.h"

#include <QtTest>

class TestAnswerValue : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void matches_data();
    void matches();
};

void TestAnswerValue::read_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "2" << true << 2.0;
    QTest::newRow("decimal zero") << "2.0" << true << 2.0;
    QTest::newRow("spaces around") << " 2 " << true << 2.0;
    QTest::newRow("tab and newline around") << "\t3\n" << true << 3.0;
    QTest::newRow("plus sign") << "+2" << true << 2.0;
    QTest::newRow("minus sign") << "-1" << true << -1.0;
    QTest::newRow("trailing point") << "2." << true << 2.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("leading zeros") << "004" << true << 4.0;
    QTest::newRow("fraction") << "2.5" << true << 2.5;
    QTest::newRow("out of range value") << "7" << true << 7.0;

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("letter answer") << "B" << false << 0.0;
    QTest::newRow("text after number") << "2abc" << false << 0.0;
    QTest::newRow("two numbers") << "2 3" << false << 0.0;
    QTest::newRow("decimal comma") << "2,0" << false << 0.0;
    QTest::newRow("exponent") << "2e0" << false << 0.0;
    QTest::newRow("hex") << "0x2" << false << 0.0;
    QTest::newRow("VB hex") << "&H2" << false << 0.0;
    QTest::newRow("sign only") << "+" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("two points") << "2.0.0" << false << 0.0;
    QTest::newRow("double sign") << "--2" << false << 0.0;
    QTest::newRow("space after sign") << "+ 2" << false << 0.0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0662)) << false << 0.0;
    QTest::newRow("fullwidth digit") << QString(QChar(0xFF12)) << false << 0.0;
    QTest::newRow("too large") << QString(400, QLatin1Char('9')) << false << 0.0;
}

void TestAnswerValue::read() {
    QFETCH(QString, field);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> result = AnswerValue::read(field);
    QCOMPARE(result.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*result, value);
}

void TestAnswerValue::matches_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("right");

    QTest::newRow("same value") << "3" << 3 << true;
    QTest::newRow("other value") << "3" << 2 << false;
    QTest::newRow("2.0 is choice B") << "2.0" << 2 << true;
    QTest::newRow("spaced 4 is choice D") << " 4 " << 4 << true;
    QTest::newRow("fraction matches none") << "2.5" << 2 << false;
    QTest::newRow("nearly 2 is not 2") << "2.0000001" << 2 << false;
    QTest::newRow("empty matches none") << "" << 1 << false;
    QTest::newRow("text matches none") << "2abc" << 2 << false;
    QTest::newRow("zero matches none") << "0" << 1 << false;
    QTest::newRow("five matches none") << "5" << 4 << false;
}

void TestAnswerValue::matches() {
    QFETCH(QString, field);
    QFETCH(int, choice);
    QFETCH(bool, right);
    QCOMPARE(AnswerValue::matches(field, choice), right);
}

QTEST_APPLESS_MAIN(TestAnswerValue)
#include "test_answer_value.moc"
