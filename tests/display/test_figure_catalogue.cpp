// The figure catalogue: which question numbers have a figure, in which bitmap, sized how.
// SPDX-License-Identifier: MIT

#include "display/figure_catalogue.h"

#include <QSet>
#include <QtTest>

class TestFigureCatalogue : public QObject {
    Q_OBJECT
private slots:
    void sizeOfTheTable();
    void lookup_data();
    void lookup();
    void figureFor_data();
    void figureFor();
};

void TestFigureCatalogue::sizeOfTheTable() {
    const QStringList numbers = FigureCatalogue::numbers();
    QCOMPARE(numbers.size(), 64);
    QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), 64); // one row per number
    const QStringList files = FigureCatalogue::bitmapFiles();
    QCOMPARE(files.size(), 25);
    QCOMPARE(QSet<QString>(files.begin(), files.end()).size(), 25);

    // Only the two fit-to-picture files; every number finds its own row.
    QSet<QString> fitted;
    for (const QString& number : numbers) {
        const auto entry = FigureCatalogue::lookup(number);
        QVERIFY2(entry, qPrintable(number));
        if (entry->sizing == FigureSizing::FitToPicture)
            fitted << entry->bitmapFile;
    }
    QCOMPARE(fitted, (QSet<QString>{QStringLiteral("A5-1.bmp"), QStringLiteral("A6-1.bmp")}));
}

void TestFigureCatalogue::lookup_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("file"); // empty: no figure
    QTest::addColumn<bool>("fit");

    QTest::newRow("E7B09") << "E7B09"
                           << "A7-1.bmp" << false;
    QTest::newRow("E7B10") << "E7B10"
                           << "A7-1.bmp" << false;
    QTest::newRow("E7B11") << "E7B11"
                           << "A7-1.bmp" << false;
    QTest::newRow("first A5-1") << "E5H01"
                                << "A5-1.bmp" << true;
    QTest::newRow("last A5-1") << "E5H10"
                               << "A5-1.bmp" << true;
    QTest::newRow("A6-1") << "E6B06"
                          << "A6-1.bmp" << true;
    QTest::newRow("E6B12 is in E7-1") << "E6B12"
                                      << "E7-1.bmp" << false;
    QTest::newRow("E6B15 is in E7-1") << "E6B15"
                                      << "E7-1.bmp" << false;
    QTest::newRow("E5C12") << "E5C12"
                           << "E5-2.bmp" << false;
    QTest::newRow("T6A02") << "T6A02"
                           << "T6-1.bmp" << false;
    QTest::newRow("T7B06") << "T7B06"
                           << "T7-3.bmp" << false;
    QTest::newRow("lower case") << "e5c12"
                                << "" << false;
    QTest::newRow("trailing space") << "E5C12 "
                                    << "" << false;
    QTest::newRow("first G7-1") << "G7A09"
                                << "G7-1.bmp" << false;
    QTest::newRow("last G7-1") << "G7A13"
                               << "G7-1.bmp" << false;
    QTest::newRow("general class") << "G7A01"
                                   << "" << false;
    QTest::newRow("after G7-1") << "G7A14"
                                << "" << false;
    QTest::newRow("in the gap") << "E7B08"
                                << "" << false;
    QTest::newRow("longer") << "E5H010"
                            << "" << false;
    QTest::newRow("prefix") << "E5H0"
                            << "" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void TestFigureCatalogue::lookup() {
    QFETCH(QString, number);
    QFETCH(QString, file);
    QFETCH(bool, fit);
    const auto entry = FigureCatalogue::lookup(number);
    QCOMPARE(entry.has_value(), !file.isEmpty());
    if (entry) {
        QCOMPARE(entry->bitmapFile, file);
        QCOMPARE(entry->sizing == FigureSizing::FitToPicture, fit);
    }
}

void TestFigureCatalogue::figureFor_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("file"); // empty: no figure
    QTest::addColumn<bool>("fit");
    QTest::addColumn<bool>("poolNames"); // whether the bank's pool names its figures

    QTest::newRow("named") << "E9G06"
                           << "Which point on Figure E9-3 is ...?"
                           << "E9-3.bmp" << false << true;
    QTest::newRow("lower case, no digit") << "T6C02"
                                          << "What is component 1 in figure T-1?"
                                          << "T-1.bmp" << false << true;
    QTest::newRow("non-breaking hyphen") << "E7G07"
                                         << QString::fromUtf8("in Figure E7\u2011"
                                                              "3 when")
                                         << "E7-3.bmp" << false << true;
    QTest::newRow("en dash") << "E7G09"
                             << QString::fromUtf8("Figure E7\u2013"
                                                  "3?")
                             << "E7-3.bmp" << false << true;
    QTest::newRow("without the word") << "E7G02"
                                      << "the circuit in E7-3 if"
                                      << "E7-3.bmp" << false << true;
    QTest::newRow("G7-1 as catalogued") << "G7A09"
                                        << "in Figure G7-1?"
                                        << "G7-1.bmp" << false << true;
    QTest::newRow("named over the row") << "E6C08"
                                        << "in Figure E6-3?"
                                        << "E6-3.bmp" << false << true;
    QTest::newRow("row of an older pool") << "E5H01"
                                          << "Stem of E5H01?"
                                          << "A5-1.bmp" << true << false;
    QTest::newRow("named in an older pool") << "G7A10"
                                            << "Figure G7-1"
                                            << "G7-1.bmp" << false << false;
    QTest::newRow("same number, no figure") << "E5C05"
                                            << "What kind of diagram is used?"
                                            << "" << false << true;
    QTest::newRow("noise figure") << "E4C04"
                                  << "What is the noise figure of a receiver?"
                                  << "" << false << true;
    QTest::newRow("figure-eight") << "E9C03"
                                  << "A figure-eight end-fire"
                                  << "" << false << true;
    QTest::newRow("no number after") << "E9C04"
                                     << "Figure E9-"
                                     << "" << false << true;
}

void TestFigureCatalogue::figureFor() {
    QFETCH(QString, number);
    QFETCH(QString, text);
    QFETCH(QString, file);
    QFETCH(bool, fit);
    QFETCH(bool, poolNames);
    const auto entry = FigureCatalogue::figureFor(number, text, [&] { return poolNames; });
    QCOMPARE(entry.has_value(), !file.isEmpty());
    if (entry) {
        QCOMPARE(entry->bitmapFile, file);
        QCOMPARE(entry->sizing == FigureSizing::FitToPicture, fit);
    }
}

QTEST_APPLESS_MAIN(TestFigureCatalogue)
#include "test_figure_catalogue.moc"
