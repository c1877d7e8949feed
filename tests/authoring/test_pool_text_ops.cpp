// The text operations of the pool import: 16-bit arithmetic, find, cut and mid, and reading and
// writing numbers.
// SPDX-License-Identifier: MIT
#include "authoring/pool_text_ops.h"

#include <QtTest>

using namespace PoolTextOps;

namespace {

// A failure is written as this value in the tables below.
constexpr int failed = std::numeric_limits<int>::min();

int positionOrFailed(const std::optional<qint16>& value) {
    return value ? int(*value) : failed;
}

// Text whose first occurrence of "G9" starts at the given position.
QString markerAt(int position) {
    return QString(position - 1, QLatin1Char('x')) + QStringLiteral("G9 rest");
}

} // namespace

class TestPoolTextOps : public QObject {
    Q_OBJECT
private slots:
    void arithmetic_data();
    void arithmetic();
    void find_data();
    void find();
    void cutAndMid_data();
    void cutAndMid();
    void readNumber_data();
    void readNumber();
    void numberText_data();
    void numberText();
};

void TestPoolTextOps::arithmetic_data() {
    QTest::addColumn<bool>("subtraction");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("add small") << false << 5 << 7 << 12;
    QTest::newRow("add to the top") << false << 32760 << 7 << 32767;
    QTest::newRow("add past the top") << false << 32761 << 7 << failed;
    QTest::newRow("add below the bottom") << false << -32768 << -1 << failed;
    QTest::newRow("add negative") << false << 0 << -1 << -1;
    QTest::newRow("subtract small") << true << 5 << 2 << 3;
    QTest::newRow("subtract to negative") << true << 0 << 1 << -1;
    QTest::newRow("subtract to the bottom") << true << -32766 << 2 << -32768;
    QTest::newRow("subtract past the bottom") << true << -32767 << 2 << failed;
    QTest::newRow("subtract past the top") << true << 32767 << -1 << failed;
}

void TestPoolTextOps::arithmetic() {
    QFETCH(bool, subtraction);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expected);
    const auto result = subtraction ? subtract(qint16(a), qint16(b)) : add(qint16(a), qint16(b));
    QCOMPARE(positionOrFailed(result), expected);
}

void TestPoolTextOps::find_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");

    QTest::newRow("at the start") << "G9A01 Why?"
                                  << "G9" << 1 << 1;
    QTest::newRow("skips one before from") << "G9A01 G9A02"
                                           << "G9" << 2 << 7;
    QTest::newRow("at from itself") << "G9A01 G9A02"
                                    << "G9" << 7 << 7;
    QTest::newRow("none after from") << "G9A01 G9A02"
                                     << "G9" << 8 << 0;
    QTest::newRow("none at all") << "What?"
                                 << "A." << 1 << 0;
    QTest::newRow("from just past the end") << "abc"
                                            << "c" << 4 << 0;
    QTest::newRow("from far past the end") << "abc"
                                           << "c" << 300 << 0;
    QTest::newRow("empty text") << ""
                                << "G9" << 1 << 0;
    QTest::newRow("letter case counts") << "g9a01 G9A02"
                                        << "G9" << 1 << 7;
    QTest::newRow("only lower case") << "a. b. c."
                                     << "A." << 1 << 0;
    QTest::newRow("from zero") << "G9A01"
                               << "G9" << 0 << failed;
    QTest::newRow("from negative") << "G9A01"
                                   << "G9" << -3 << failed;
    QTest::newRow("found at 32767") << markerAt(32767) << "G9" << 1 << 32767;
    QTest::newRow("found at 32768") << markerAt(32768) << "G9" << 1 << failed;
    QTest::newRow("none in a long text") << QString(40000, QLatin1Char('x')) << "G9" << 1 << 0;
}

void TestPoolTextOps::find() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(int, from);
    QFETCH(int, expected);
    QCOMPARE(positionOrFailed(PoolTextOps::find(text, marker, qint16(from))), expected);
}

void TestPoolTextOps::cutAndMid_data() {
    QTest::addColumn<bool>("byLength"); // mid(start, length) instead of cut(start, end)
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");

    // Text: "abcdef"
    QTest::newRow("cut first three") << false << 1 << 3 << true << "abc";
    QTest::newRow("cut one") << false << 3 << 3 << true << "c";
    QTest::newRow("cut nothing (end before start)") << false << 3 << 2 << true << "";
    QTest::newRow("cut negative length") << false << 3 << 1 << false << "";
    QTest::newRow("cut to before a missing marker") << false << 8 << -1 << false << "";
    QTest::newRow("cut past the end") << false << 5 << 40 << true << "ef";
    QTest::newRow("cut starting past the end") << false << 10 << 12 << true << "";
    QTest::newRow("cut from zero") << false << 0 << 3 << false << "";
    QTest::newRow("cut length past 32767") << false << 0 << 32767 << false << "";
    QTest::newRow("cut span past -32768") << false << 1 << -32768 << false << "";
    QTest::newRow("mid within") << true << 2 << 3 << true << "bcd";
    QTest::newRow("mid fewer at the end") << true << 5 << 1000 << true << "ef";
    QTest::newRow("mid just past the end") << true << 7 << 3 << true << "";
    QTest::newRow("mid zero length") << true << 2 << 0 << true << "";
    QTest::newRow("mid from zero") << true << 0 << 1000 << false << "";
    QTest::newRow("mid negative length") << true << 2 << -1 << false << "";
}

void TestPoolTextOps::cutAndMid() {
    QFETCH(bool, byLength);
    QFETCH(int, start);
    QFETCH(int, second);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    const QString text = QStringLiteral("abcdef");
    const std::optional<QString> result = byLength ? mid(text, qint16(start), qint16(second))
                                                   : cut(text, qint16(start), qint16(second));
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, expected);
}

void TestPoolTextOps::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("blank then digit") << " 2 " << 2.0;
    QTest::newRow("digit then line feed") << "2\nA" << 2.0;
    QTest::newRow("line feed then digit") << "\n3A" << 3.0;
    QTest::newRow("tab then digit") << "\t4." << 4.0;
    QTest::newRow("blanks inside are skipped") << "1 2" << 12.0;
    QTest::newRow("stops at a letter") << "12A" << 12.0;
    QTest::newRow("stops at a bracket") << "3)" << 3.0;
    QTest::newRow("carriage return stops") << "\r\n2" << 0.0;
    QTest::newRow("digit before carriage return") << "2\r\n" << 2.0;
    QTest::newRow("no number") << "A. " << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("negative") << "-1 " << -1.0;
    QTest::newRow("sign then blank") << "- 1" << -1.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("exponent letter D") << "1d2" << 100.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
}

void TestPoolTextOps::readNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(PoolTextOps::readNumber(text), expected);
}

void TestPoolTextOps::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 2.0 << "2";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("fraction") << 1.5 << "1.5";
    QTest::newRow("below one") << 0.5 << "0.5";
    QTest::newRow("negative") << -1.0 << "-1";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("large") << 9e9 << "9000000000";
}

void TestPoolTextOps::numberText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(PoolTextOps::numberText(value), expected);
}

QTEST_APPLESS_MAIN(TestPoolTextOps)
#include "test_pool_text_ops.moc"
