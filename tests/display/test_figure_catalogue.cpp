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

QTEST_APPLESS_MAIN(TestFigureCatalogue)
#include "test_figure_catalogue.moc"
