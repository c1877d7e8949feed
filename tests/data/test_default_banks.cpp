// The default banks the build makes from the shipped pools: each holds its pool whole and
// current, every question that names a figure finds its bitmap in the folder, and the
// practice exam drawn from it has the real exam's size and pass mark.
// SPDX-License-Identifier: MIT
#include "bank/bank_info.h"
#include "bank/paper_reader.h"
#include "display/figure_catalogue.h"
#include "drill/random_draw.h"
#include "exam/exam_bank.h"
#include "exam/exam_score.h"
#include "widgets/examination.h"

#include <QDate>
#include <QDir>
#include <QSet>
#include <QtTest>

namespace {

class FirstDraw : public RandomDraw {
public:
    void randomize() override {}
    double rnd() override { return 0.0; }
};

} // namespace

class TestDefaultBanks : public QObject {
    Q_OBJECT
private slots:
    void bank_data();
    void bank();
};

void TestDefaultBanks::bank_data() {
    QTest::addColumn<QString>("exam");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("figureQuestions");
    QTest::addColumn<int>("bitmaps");
    QTest::addColumn<int>("examSize");
    QTest::addColumn<int>("passMark");
    QTest::newRow("technician") << "technician" << 409 << 12 << 3 << 35 << 26;
    QTest::newRow("general") << "general" << 423 << 5 << 1 << 35 << 26;
    // Four questions withdrawn by the errata, though the syllabus still counts them;
    // E7G07 and E9B04 write the figure's hyphen as U+2011, E7G02 leaves out "Figure".
    QTest::newRow("extra") << "extra" << 599 << 28 << 10 << 50 << 37;
}

void TestDefaultBanks::bank() {
    QFETCH(QString, exam);
    QFETCH(int, questions);
    QFETCH(int, figureQuestions);
    QFETCH(int, bitmaps);
    QFETCH(int, examSize);
    QFETCH(int, passMark);
    const QDir folder(QStringLiteral(VARNEL_DEFAULT_BANK_ROOT "/") + exam);
    const QString file = folder.filePath(QStringLiteral("newgen2.mdb"));

    BankInfo info;
    bool found = false;
    QVERIFY(BankInfo::read(file, &info, &found).ok());
    QCOMPARE(info.age(QDate::currentDate(), found), BankInfo::Age::Current);
    QVERIFY(Examinations::aboutLine(Examination::General, info.validFrom, info.validUntil)
                .contains(QStringLiteral("; pool valid July 1, ")));

    PaperReader reader(file);
    QVERIFY(reader.open().ok());
    QVector<PaperRow> rows;
    QVERIFY(reader.rows(rows).ok());
    QCOMPARE(rows.size(), questions);
    QVERIFY(FigureCatalogue::bankNamesFigures(file));
    int withFigure = 0;
    QSet<QString> named;
    for (const PaperRow& row : rows) {
        PaperRecord record;
        QVERIFY(reader.record(row.rowId, record).ok());
        if (const auto figure =
                FigureCatalogue::figureFor(record.number, record.stem, [] { return true; })) {
            ++withFigure;
            named << figure->bitmapFile;
            QVERIFY2(folder.exists(figure->bitmapFile), qPrintable(record.number));
        }
    }
    QCOMPARE(withFigure, figureQuestions);
    QCOMPARE(named.size(), bitmaps);

    FirstDraw draw;
    const ExamDrawOutcome outcome = ExamBank::draw(file, rows.first().number.at(0), draw);
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.paper.size(), examSize);
    QCOMPARE(ExamScore::passMark(int(outcome.paper.size())), passMark);
}

QTEST_GUILESS_MAIN(TestDefaultBanks)
#include "test_default_banks.moc"
