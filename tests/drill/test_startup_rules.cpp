// The widget-free rules of start-up: the answer placement and the topic catalogue.
// SPDX-License-Identifier: MIT
#include "bank/text_rules.h"
#include "drill/answer_placement.h"
#include "drill/topic_catalogue.h"
#include "widgets/examination.h"

#include <QtTest>
#include <set>

class TestStartupRules : public QObject {
    Q_OBJECT

private slots:
    void placementNumberCoversSixEqualParts_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("k");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("just below 1/6") << std::nextafter(1.0 / 6, 0.0) << 1;
        QTest::newRow("1/6") << 1.0 / 6 << 2;
        QTest::newRow("0.5") << 0.5 << 4;
        QTest::newRow("just below 1") << std::nextafter(1.0, 0.0) << 6;
        QTest::newRow("1 from a faulty generator") << 1.0 << 6;
        QTest::newRow("negative from a faulty generator") << -0.5 << 1;
    }
    void placementNumberCoversSixEqualParts() {
        QFETCH(double, r);
        QFETCH(int, k);
        QCOMPARE(AnswerPlacement::placementNumber(r), k);
    }

    void everyPlacementEquallyLikely() {
        int counts[7] = {};
        const int draws = 6000;
        for (int i = 0; i < draws; ++i)
            ++counts[AnswerPlacement::placementNumber((i + 0.5) / draws)];
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(counts[k], draws / 6);
    }

    void placementsAreSixDistinctOrdersOfTheFourRows() {
        const std::set<int> rows(AnswerPlacement::rowTops.begin(), AnswerPlacement::rowTops.end());
        std::set<std::array<int, 4>> orders;
        for (int k = 1; k <= 6; ++k) {
            const std::array<int, 4> tops = AnswerPlacement::boxTops(k);
            QCOMPARE(std::set<int>(tops.begin(), tops.end()), rows);
            orders.insert(tops);
        }
        QCOMPARE(orders.size(), std::size_t(6));
        QCOMPARE(AnswerPlacement::boxTops(1), (std::array<int, 4>{2520, 3120, 3720, 4320}));
        QCOMPARE(AnswerPlacement::boxTops(6), (std::array<int, 4>{3720, 4320, 3120, 2520}));
    }

    void topicNamesInCatalogueOrder() {
        const QStringList& names = TopicCatalogue::names();
        QCOMPARE(names.size(), 10);
        QCOMPARE(names.first(), QStringLiteral("RF Safety"));
        QCOMPARE(names.at(1), QStringLiteral("Commission's Rules"));
        QCOMPARE(names.last(), QStringLiteral("Antennas And Feed Lines"));
    }

    void fortyEightCodesAreRecognised() {
        int recognised = 0;
        for (QChar letter : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
            for (int digit = 0; digit <= 9; ++digit) {
                const QString code = QString(letter) + QString::number(digit);
                if (const auto name = TopicCatalogue::nameForCode(code)) {
                    ++recognised;
                    QCOMPARE(*name, TopicCatalogue::names().at(digit));
                }
            }
        QCOMPARE(recognised, 48);
        QCOMPARE(*TopicCatalogue::nameForCode(QStringLiteral("T0")), QStringLiteral("RF Safety"));
        QVERIFY(!TopicCatalogue::nameForCode(QStringLiteral("N0")));
        // Subelement 0 comes last, as the pools print it.
        QCOMPARE(TopicCatalogue::syllabusCodes(QChar('E')).join(' '),
                 QStringLiteral("E1 E2 E3 E4 E5 E6 E7 E8 E9 E0"));
        QCOMPARE(TopicCatalogue::syllabusCodes(QChar('N')).size(), 9);
        QVERIFY(TopicCatalogue::syllabusCodes(QChar('g')).isEmpty());
        QVERIFY(!TopicCatalogue::nameForCode(QStringLiteral("G")));
        QVERIFY(!TopicCatalogue::nameForCode(QStringLiteral("G5A")));
    }

    void startCodes_data() {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("code"); // empty: refused
        QTest::newRow("G RF Safety") << QChar('G') << "RF Safety"
                                     << "G0A01";
        QTest::newRow("T RF Safety") << QChar('T') << "RF Safety"
                                     << "T0A01";
        QTest::newRow("N RF Safety") << QChar('N') << "RF Safety"
                                     << "";
        QTest::newRow("E RF Safety") << QChar('E') << "RF Safety"
                                     << "E0A01";
        QTest::newRow("A RF Safety") << QChar('A') << "RF Safety"
                                     << "";
        QTest::newRow("N Practical Circuits") << QChar('N') << "Practical Circuits"
                                              << "N7A01";
        QTest::newRow("E last topic") << QChar('E') << "Antennas And Feed Lines"
                                      << "E9A01";
        QTest::newRow("not a topic") << QChar('G') << "Commission's rules"
                                     << "";
        QTest::newRow("lower-case letter") << QChar('g') << "RF Safety"
                                           << "";
    }
    void startCodes() {
        QFETCH(QChar, letter);
        QFETCH(QString, topic);
        QFETCH(QString, code);
        const auto result = TopicCatalogue::startCode(letter, topic);
        QCOMPARE(result.value_or(QString()), code);
    }

    void examOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("exam"); // empty: refused
        QTest::newRow("none") << QStringList{} << "general";
        QTest::newRow("technician") << QStringList{"--exam", "technician"} << "technician";
        QTest::newRow("joined") << QStringList{"--exam=extra"} << "extra";
        QTest::newRow("Qt's own") << QStringList{"-platform", "xcb", "--exam", "extra"} << "extra";
        QTest::newRow("capital") << QStringList{"--exam", "Extra"} << "";
        QTest::newRow("no value") << QStringList{"--exam"} << "";
        QTest::newRow("empty") << QStringList{"--exam="} << "";
    }
    void examOption() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, exam);
        const auto options = Examinations::parseArguments(arguments);
        QCOMPARE(options.error.isEmpty(), !exam.isEmpty());
        if (exam.isEmpty())
            QVERIFY(options.error.contains(QStringLiteral("technician, general or extra")));
        else
            QCOMPARE(Examinations::optionValue(options.exam), exam);
    }

    void trimRemovesOnlySpaces() {
        QCOMPARE(trimSpaces(QStringLiteral("  G9D11 ")), QStringLiteral("G9D11"));
        QCOMPARE(trimSpaces(QStringLiteral("\tG9D11\n")), QStringLiteral("\tG9D11\n"));
        QCOMPARE(trimSpaces(QStringLiteral("   ")), QString());
    }
};

QTEST_GUILESS_MAIN(TestStartupRules)
#include "test_startup_rules.moc"
