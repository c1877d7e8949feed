// The practice exam's rules: which rows the draw may take and in what order, the pass
// mark, and scoring with right, wrong and unanswered answers; the review's order and
// queue; where these windows open.
// SPDX-License-Identifier: MIT

#include "exam/exam_draw.h"
#include "exam/exam_score.h"
#include "exam/review_queue.h"
#include "main_window/random_draw.h"
#include "main_window/window_placement.h"

#include <QtTest>

namespace {

// Returns the given numbers in turn, then starts again.
class SequenceDraw : public RandomDraw {
public:
    explicit SequenceDraw(QVector<double> values) : m_values(std::move(values)) {}
    void randomize() override {}
    double rnd() override { return m_values.at(m_next++ % m_values.size()); }

private:
    QVector<double> m_values;
    qsizetype m_next = 0;
};

// Rows written "number|answer", their row ids counting from 1.
QVector<ExamCandidate> rows(const QStringList& written) {
    QVector<ExamCandidate> result;
    for (const QString& row : written) {
        const QStringList parts = row.split(QLatin1Char('|'));
        result << ExamCandidate{result.size() + 1, parts.at(0), parts.value(1)};
    }
    return result;
}

ExamQuestion question(const QString& number, int rightValue) {
    ExamQuestion q;
    q.number = number;
    q.rightValue = rightValue;
    return q;
}

} // namespace

class TestExamRules : public QObject {
    Q_OBJECT
private slots:
    void plan_data();
    void plan();
    void passMark_data();
    void passMark();
    void score_data();
    void score();
    void shuffledRowsArePermutations();
    void firstMisses_data();
    void firstMisses();
    void reviewQueue_data();
    void reviewQueue();
    void placement_data();
    void placement();
};

void TestExamRules::plan_data() {
    QTest::addColumn<QStringList>("bank");
    QTest::addColumn<double>("draw");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("drawn"); // numbers drawn, in order; empty when refused
    QTest::addColumn<QStringList>("emptyGroups");

    const QStringList mixed{"G1A01|1", "G0B01|2", "G0A01|3", "G0A02|4", "G1A02|1", "G0B02|2"};
    QTest::newRow("first of each group, groups in number order")
        << mixed << 0.0 << QStringList{"G0A", "G0B", "G1A"}
        << QStringList{"G0A01", "G0B01", "G1A01"} << QStringList{};
    QTest::newRow("last of each group") << mixed << 0.999 << QStringList{"G0A", "G0B", "G1A"}
                                        << QStringList{"G0A02", "G0B02", "G1A02"} << QStringList{};
    const QStringList broken{"G2A01|x",   "G2A1|1",  "G2A02 |2", "G2A03|5",   "G2A04|",
                             "G2A05|2.5", "G2AX1|1", "g2a06|1",  " G2A07|3 ", "E2A01|1"};
    for (double d : {0.0, 0.5, 0.999})
        QTest::addRow("only valid rows drawn, draw %g", d)
            << broken << d << QStringList{"G2A"}
            << (d < 0.5 ? QStringList{"G2A02 "} : QStringList{" G2A07"}) << QStringList{};
    QTest::newRow("group of only broken rows refuses")
        << QStringList{"G0A01|1", "G1B01|0", "G1B02|B", "G2C01|2"} << 0.0
        << QStringList{"G0A", "G1B", "G2C"} << QStringList{} << QStringList{"G1B"};
    QTest::newRow("no question of the pool letter")
        << QStringList{"T1A01|1", "E2B03|2"} << 0.0 << QStringList{} << QStringList{}
        << QStringList{};
    QTest::newRow("empty bank") << QStringList{} << 0.0 << QStringList{} << QStringList{}
                                << QStringList{};
}

void TestExamRules::plan() {
    QFETCH(QStringList, bank);
    QFETCH(double, draw);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, drawn);
    QFETCH(QStringList, emptyGroups);
    const QVector<ExamCandidate> candidates = rows(bank);
    SequenceDraw random({draw});
    const ExamPlan result = ExamDraw::plan(candidates, QLatin1Char('G'), random);
    QCOMPARE(result.groups, groups);
    QCOMPARE(result.emptyGroups, emptyGroups);
    QStringList numbers;
    for (qint64 id : result.rowIds)
        numbers << candidates.at(id - 1).number;
    QCOMPARE(numbers, drawn);
    QCOMPARE(result.refused(), drawn.isEmpty());
    if (result.refused())
        QVERIFY(!ExamDraw::refusalMessage(result, QLatin1Char('G')).isEmpty());
    if (!emptyGroups.isEmpty())
        QVERIFY(
            ExamDraw::refusalMessage(result, QLatin1Char('G')).contains(emptyGroups.join(", ")));
}

void TestExamRules::passMark_data() {
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("mark");
    QTest::newRow("General exam") << 35 << 26;
    QTest::newRow("74 % exactly") << 50 << 37;
    QTest::newRow("hundred") << 100 << 74;
    QTest::newRow("just above a whole number") << 34 << 26;
    QTest::newRow("ten") << 10 << 8;
    QTest::newRow("four") << 4 << 3;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("none") << 0 << 0;
}

void TestExamRules::passMark() {
    QFETCH(int, questions);
    QFETCH(int, mark);
    QCOMPARE(ExamScore::passMark(questions), mark);
}

void TestExamRules::score_data() {
    QTest::addColumn<QVector<int>>("chosen");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QStringList>("missed");
    QTest::addColumn<QString>("topicTallies"); // right/asked of topics 0, 1 and 9

    // Paper: G0A03 (1), G0B01 (2), G1A05 (3), G9D11 (4); pass mark 3 of 4.
    QTest::newRow("all right") << QVector<int>{1, 2, 3, 4} << "4 of 4 right: passed"
                               << QStringList{} << "2/2 1/1 1/1";
    QTest::newRow("one wrong passes") << QVector<int>{1, 2, 1, 4} << "3 of 4 right: passed"
                                      << QStringList{"G1A05"} << "2/2 0/1 1/1";
    QTest::newRow("wrong and unanswered")
        << QVector<int>{0, 2, 4, 0} << "1 of 4 right: not passed (3 needed)"
        << QStringList{"G0A03", "G1A05", "G9D11"} << "1/2 0/1 0/1";
    QTest::newRow("nothing answered")
        << QVector<int>{0, 0, 0, 0} << "0 of 4 right: not passed (3 needed)"
        << QStringList{"G0A03", "G0B01", "G1A05", "G9D11"} << "0/2 0/1 0/1";
}

void TestExamRules::score() {
    QFETCH(QVector<int>, chosen);
    QFETCH(QString, verdict);
    QFETCH(QStringList, missed);
    QFETCH(QString, topicTallies);
    const QVector<ExamQuestion> paper{question("G0A03", 1), question("G0B01", 2),
                                      question("G1A05", 3), question("G9D11", 4)};
    const ExamResult result = ExamScore::score(paper, chosen);
    QCOMPARE(ExamScore::verdict(result), verdict);
    QCOMPARE(ExamScore::missedNumbers(paper, result), missed);
    QCOMPARE(result.topics.size(), 10);
    QCOMPARE(result.topics.at(5).asked, 0);
    QStringList tallies;
    for (int digit : {0, 1, 9})
        tallies << QStringLiteral("%1/%2")
                       .arg(result.topics.at(digit).right)
                       .arg(result.topics.at(digit).asked);
    QCOMPARE(tallies.join(' '), topicTallies);
}

void TestExamRules::shuffledRowsArePermutations() {
    // Every order of the four choices can come up, and each is a permutation.
    QSet<QString> seen;
    for (double a : {0.0, 0.3, 0.6, 0.9})
        for (double b : {0.0, 0.4, 0.8})
            for (double c : {0.0, 0.7}) {
                SequenceDraw random({a, b, c});
                std::array<int, 4> rows = ExamDraw::shuffledRows(random);
                QString order;
                for (int v : rows)
                    order += QString::number(v);
                std::sort(rows.begin(), rows.end());
                QCOMPARE(rows, (std::array<int, 4>{1, 2, 3, 4}));
                seen.insert(order);
            }
    QCOMPARE(seen.size(), 24);
}

void TestExamRules::firstMisses_data() {
    QTest::addColumn<QStringList>("missedList");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("each once, in the order of its first miss")
        << QStringList{"G1A01", "G0A02", "G1A01", "G7A01", "G0A02"}
        << QStringList{"G1A01", "G0A02", "G7A01"};
    QTest::newRow("spaces and letter case ignored, empty entries dropped")
        << QStringList{" g1a01 ", "G1A01", "", "  "} << QStringList{"g1a01"};
    QTest::newRow("empty list") << QStringList{} << QStringList{};
}

void TestExamRules::firstMisses() {
    QFETCH(QStringList, missedList);
    QFETCH(QStringList, numbers);
    QCOMPARE(ReviewQueue::firstMisses(missedList), numbers);
}

void TestExamRules::reviewQueue_data() {
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("answers"); // r right, w wrong, in turn
    QTest::addColumn<QString>("asked");   // the questions asked, in turn
    QTest::addColumn<QString>("progress");
    QTest::addColumn<QString>("retried"); // empty while the review goes on
    QTest::newRow("all right at once") << 3 << "rrr"
                                       << "0 1 2"
                                       << "0 of 3 left"
                                       << "";
    QTest::newRow("a wrong one comes back after the others") << 3 << "wrrr"
                                                             << "0 1 2 0"
                                                             << "0 of 3 left"
                                                             << "0";
    QTest::newRow("wrong twice, the last one alone again") << 2 << "wwrwr"
                                                           << "0 1 0 1 1"
                                                           << "0 of 2 left"
                                                           << "0 1";
    QTest::newRow("part way") << 12 << "rwrrrrrr"
                              << "0 1 2 3 4 5 6 7"
                              << "5 of 12 left"
                              << "";
    QTest::newRow("nothing to ask") << 0 << ""
                                    << ""
                                    << "0 of 0 left"
                                    << "";
}

void TestExamRules::reviewQueue() {
    QFETCH(int, questions);
    QFETCH(QString, answers);
    QFETCH(QString, asked);
    QFETCH(QString, progress);
    QFETCH(QString, retried);
    ReviewQueue queue(questions);
    QStringList seen;
    for (QChar answer : answers) {
        seen << QString::number(queue.current());
        queue.answer(answer == QLatin1Char('r'));
    }
    QCOMPARE(seen.join(' '), asked);
    QCOMPARE(queue.progress(), progress);
    QCOMPARE(queue.isDone(), queue.left() == 0);
    QStringList again;
    for (int i : queue.retried())
        again << QString::number(i);
    QCOMPARE(queue.isDone() ? again.join(' ') : QString(), retried);
}

void TestExamRules::placement_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("keepClear");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("placed"); // of a window 600 by 400
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("right of the window")
        << QRect(0, 0, 500, 400) << QRect(0, 200, 500, 200) << screen << QPoint(508, 0);
    QTest::newRow("left when the right is full")
        << QRect(700, 0, 500, 400) << QRect(700, 200, 500, 200) << screen << QPoint(92, 0);
    QTest::newRow("below when neither side has room")
        << QRect(300, 0, 600, 400) << QRect(300, 200, 600, 200) << screen << QPoint(300, 408);
    QTest::newRow("over the window, clear of its answers")
        << QRect(200, 100, 800, 800) << QRect(200, 500, 800, 300) << screen << QPoint(200, 92);
    QTest::newRow("no room: covers least of the answers")
        << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 300) << QRect(0, 0, 800, 600)
        << QPoint(0, 200);
}

void TestExamRules::placement() {
    QFETCH(QRect, window);
    QFETCH(QRect, keepClear);
    QFETCH(QRect, screen);
    QFETCH(QPoint, placed);
    QCOMPARE(WindowPlacement::beside(window, keepClear, QSize(600, 400), screen), placed);
}

QTEST_APPLESS_MAIN(TestExamRules)
#include "test_exam_rules.moc"
