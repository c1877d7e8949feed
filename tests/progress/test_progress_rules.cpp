// The progress rules: the pass estimate's arithmetic and figures per topic, CSV cutting, and the
// progress file written and read back with its bad rows counted.
// SPDX-License-Identifier: MIT

#include "progress/csv_text.h"
#include "progress/leitner_schedule.h"
#include "progress/pass_chance.h"
#include "progress/progress_figures.h"
#include "progress/progress_file.h"
#include "progress/progress_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

using State = QuestionStanding::State;

namespace {

QDateTime utc(const char* text) {
    QDateTime time = QDateTime::fromString(QLatin1String(text), Qt::ISODateWithMs);
    time.setTimeSpec(Qt::UTC);
    return time;
}

} // namespace

class TestProgressRules : public QObject {
    Q_OBJECT
private slots:
    void atLeast_data();
    void atLeast();
    void figures();
    void csvRows_data();
    void csvRows();
    void fileRoundTrip();
    void fileBadRows();
    void schedule_data();
    void schedule();
    void storeKeepsAnswersAcrossRuns();
    void storeRefusesFilesNotItsOwn();
    void storeSurvivesAKillWhileRecording();
};

void TestProgressRules::atLeast_data() {
    QTest::addColumn<QVector<double>>("chances");
    QTest::addColumn<int>("needed");
    QTest::addColumn<double>("expected");
    QTest::newRow("nothing needed") << QVector<double>{0.0, 0.0} << 0 << 1.0;
    QTest::newRow("more needed than asked") << QVector<double>{1.0} << 2 << 0.0;
    QTest::newRow("two coins, one head") << QVector<double>{0.5, 0.5} << 1 << 0.75;
    QTest::newRow("two coins, two heads") << QVector<double>{0.5, 0.5} << 2 << 0.25;
    QTest::newRow("unequal") << QVector<double>{0.9, 0.2, 0.5} << 2
                             << 0.9 * 0.2 + 0.9 * 0.5 * 0.8 + 0.1 * 0.2 * 0.5;
    // The binomial tails: 35 guesses among four reaching 26, 50 known ones reaching 37.
    QTest::newRow("guessing the whole exam") << QVector<double>(35, 0.25) << 26 << 1.3215054559e-9;
    QTest::newRow("all known") << QVector<double>(50, 0.95) << 37 << 0.99999989681;
}

void TestProgressRules::atLeast() {
    QFETCH(QVector<double>, chances);
    QFETCH(int, needed);
    QFETCH(double, expected);
    const double got = PassChance::atLeast(chances, needed);
    QVERIFY2(std::abs(got - expected) <= expected * 1e-9 + 1e-15,
             qPrintable(QStringLiteral("%1 instead of %2").arg(got).arg(expected)));
}

void TestProgressRules::figures() {
    // Two groups of G1, one of G0, a broken row, another pool's row.
    const QVector<PaperRow> bank{{1, "G1A01", "1"}, {2, "G1A02", "2"}, {3, " G1B01 ", "3"},
                                 {4, "G0A01", "4"}, {5, "G1A03", "x"}, {6, "T1A01", "1"},
                                 {7, "G1A01", "1"}};
    const QHash<QString, QuestionStanding> standings{{"G1A01", {State::Known, true}},
                                                     {"G1A02", {State::Learning, true}},
                                                     {"G0A01", {State::Learning, false}}};
    const ProgressFigures f = ProgressRules::figures(bank, QLatin1Char('G'), standings);
    QCOMPARE(f.topics.size(), 2);
    QCOMPARE(f.topics.at(0).code, QStringLiteral("G1")); // syllabus order: G0 comes last
    QCOMPARE(f.topics.at(1).name, QStringLiteral("RF Safety"));
    const TopicFigures& g1 = f.topics.at(0);
    QCOMPARE((QVector<int>{g1.questions, g1.fresh, g1.learning, g1.known, g1.rightAtLastTry}),
             (QVector<int>{3, 1, 1, 1, 2}));
    // G1A: (0.95 + 0.7) / 2; G1B: 0.25; the topic's readiness is the mean of its groups.
    QCOMPARE(g1.readiness, (0.825 + 0.25) / 2);
    QCOMPARE(f.examQuestions, 3);
    QCOMPARE(f.passMark, 3);
    QCOMPARE(f.passChance, 0.825 * 0.25 * 0.4);
    QCOMPARE(ProgressRules::percentText(f.passChance), QStringLiteral("8%"));
    QCOMPARE(ProgressRules::percentText(0.996), QStringLiteral("over 99%"));
    QCOMPARE(ProgressRules::syllabusCodes(QLatin1Char('N')).last(), QStringLiteral("N9"));
}

void TestProgressRules::csvRows_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<QStringList>>("rows");
    QTest::newRow("plain, CR LF, no final break")
        << "a,b\r\nc" << QVector<QStringList>{{"a", "b"}, {"c"}};
    QTest::newRow("quoted comma, quote and line break")
        << "\"x,y\",\"say \"\"hi\"\"\",\"two\nlines\"\n"
        << QVector<QStringList>{{"x,y", "say \"hi\"", "two\nlines"}};
    QTest::newRow("byte-order mark, padded rows, blank row")
        << "\xEF\xBB\xBFq,r,,\n,,,\n\nlast" << QVector<QStringList>{{"q", "r"}, {}, {}, {"last"}};
    QTest::newRow("quoted empty field keeps the row's width")
        << "\"\",a" << QVector<QStringList>{{"", "a"}};
}

void TestProgressRules::csvRows() {
    QFETCH(QString, text);
    QFETCH(QVector<QStringList>, rows);
    QCOMPARE(CsvText::rows(text), rows);
    // What row() writes, rows() reads back.
    for (const QStringList& row : rows)
        if (!row.isEmpty())
            QCOMPARE(CsvText::rows(CsvText::row(row)), QVector<QStringList>{row});
}

void TestProgressRules::fileRoundTrip() {
    const QVector<FileAnswer> answers{{"G1A01", utc("2026-12-01T10:00:00.123"), true, "study"},
                                      {"G1A01", utc("2026-12-01T10:00:00.124"), false, "exam"},
                                      {"G0A01", utc("2026-11-30T23:59:59.000"), true, "review"}};
    const QVector<FileExam> exams{{utc("2026-12-02T08:00:00.500"), 30, 35, true, "G1 4/5; G0 2/2"}};
    const QVector<FileQuestion> questions{
        {"G1A01", "learning", utc("2026-12-02T10:00:00"), 1, 1, utc("2026-12-01T10:00:00")}};
    const QString text = ProgressFile::write(questions, exams, answers, utc("2026-12-03T00:00:00"));
    const ProgressFileContents read =
        ProgressFile::read(text, {"G1A01", "G0A01"}, utc("2026-12-03T00:00:00"));
    QVERIFY(read.refusal.isNull());
    QCOMPARE(read.answers, answers);
    QCOMPARE(read.exams, exams);
    QCOMPARE(read.skipped(), 0);
}

void TestProgressRules::fileBadRows() {
    const QString text = QStringLiteral(
        "Varnel Theory progress,format 1\n\nAnswers\nQuestion,Answered (UTC),Result,Where\n"
        "G1A01,2026-12-01 10:00:00.000,right,study\n" // kept
        "G9Z99,2026-12-01 10:00:00.000,right,study\n" // not in this bank
        "hello,2026-12-01 10:00:00.000,right,study\n" // no number at all
        "T1A01,2026-12-01 10:00:00.000,right,study\n" // another exam
        "G1A01,yesterday,wrong,study\n"               // no date
        "G1A01,2031-01-01 00:00:00.000,wrong,study\n" // from the future
        "G1A01,2026-12-01 10:00:01.000,maybe,study\n" // no result
        "G1A01,2026-12-01T11:00:00Z,wrong,review,,\n" // kept: ISO time, padded row
        "\nPractice exams\nTaken (UTC),Right,Questions,Passed,By topic\n"
        "2026-12-01 12:00:00.000,20,35,no,T1 3/6\n"   // another exam
        "2026-12-01 12:00:00.000,40,35,no,G1 3/6\n"); // more right than asked
    const ProgressFileContents read =
        ProgressFile::read(text, {"G1A01", "G1A02"}, utc("2026-12-03T00:00:00"));
    QCOMPARE(read.answers.size(), 2);
    QCOMPARE(read.answers.at(1).answered, utc("2026-12-01T11:00:00.000"));
    QCOMPARE((QVector<int>{read.unknownNumbers, read.otherExam, read.badDates, read.unreadable}),
             (QVector<int>{2, 2, 2, 2}));
    QCOMPARE(ProgressFile::importMessage("p.csv", read, 1, 0),
             QStringLiteral("Imported from p.csv: 1 answer and 0 practice exams. Already "
                            "recorded, so not added again: 1 answer and 0 practice exams. "
                            "Skipped 8 rows: 2 with a number this bank does not hold, 2 of "
                            "another exam, 2 with a date that is no real time, 2 not "
                            "understood."));
    QVERIFY(!ProgressFile::read(QStringLiteral("Question,State\nG1A01,new\n"), {"G1A01"},
                                QDateTime::currentDateTimeUtc())
                 .refusal.isEmpty());
}

QTEST_GUILESS_MAIN(TestProgressRules)
#include "test_progress_rules.moc"

void TestProgressRules::schedule_data() {
    // Answers as "day:R" or "day:W" (days after the first), then the state, the box and
    // the day the question is due again.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("dueDay");
    QTest::newRow("new") << QStringList{} << "new" << 0 << -1;
    QTest::newRow("right once") << QStringList{"0:R"} << "learning" << 1 << 1;
    QTest::newRow("wrong: due at once") << QStringList{"0:W"} << "learning" << 0 << 0;
    QTest::newRow("cramming does not move up") << QStringList{"0:R", "0:R"} << "learning" << 1 << 1;
    QTest::newRow("three due rights: known")
        << QStringList{"0:R", "1:R", "3:R"} << "known" << 3 << 7;
    QTest::newRow("wrong sends a known one back")
        << QStringList{"0:R", "1:R", "3:R", "5:W"} << "learning" << 0 << 5;
    QTest::newRow("late right still moves up one")
        << QStringList{"0:R", "30:R"} << "learning" << 2 << 32;
    QTest::newRow("the last box keeps its interval")
        << QStringList{"0:R", "1:R", "3:R", "7:R", "15:R", "31:R"} << "known" << 5 << 47;
}

void TestProgressRules::schedule() {
    QFETCH(QStringList, answers);
    const QDateTime start = utc("2026-12-01T10:00:00.000");
    LeitnerCard card;
    for (const QString& answer : answers) {
        const QStringList parts = answer.split(':');
        LeitnerSchedule::answer(card, start.addDays(parts[0].toInt()), parts[1] == "R");
    }
    QFETCH(QString, state);
    QFETCH(int, box);
    QFETCH(int, dueDay);
    QCOMPARE(LeitnerSchedule::state(card), state);
    QCOMPARE(card.box, box);
    QCOMPARE(card.due, dueDay < 0 ? QDateTime() : start.addDays(dueDay));
}

void TestProgressRules::storeKeepsAnswersAcrossRuns() {
    QTemporaryDir folder;
    const QDateTime now = utc("2026-12-10T08:00:00.000");
    {
        ProgressStore store(folder.path());
        QVector<FileAnswer> none;
        QVERIFY(store.answers(none).ok()); // reading makes no file
        QVERIFY(!QFile::exists(store.filePath()));
        QVERIFY(store.record("G1A01", now.addDays(-3).addSecs(3600), true, "study").ok());
        QVERIFY(store.record("G1A02", now.addDays(-2), false, "review").ok());
        QVERIFY(store.record("G1A03", now.addSecs(-60), false, "study").ok());
        QVERIFY(store.record("G1A03", now.addSecs(-60), false, "study").ok()); // same answer: once
        QVERIFY(store.recordExam(FileExam{now, 26, 35, true, "G1 5/6"},
                                 {FileAnswer{"G2A01", now, true, "exam"}})
                    .ok());
    }
    ProgressStore store(folder.path()); // the next run
    QVector<FileAnswer> answers;
    QVERIFY(store.answers(answers).ok());
    QCOMPARE(answers.size(), 4);
    QVector<FileExam> exams;
    QVERIFY(store.exams(exams).ok());
    QCOMPARE(exams, (QVector<FileExam>{FileExam{now, 26, 35, true, "G1 5/6"}}));
    // Due: the misses, the oldest first; G1A01 (due a day after) and G2A01 come later.
    QStringList due;
    QDateTime next;
    QVERIFY(store.due(now, 25, due, next).ok());
    QCOMPARE(due, (QStringList{"G1A02", "G1A01", "G1A03"}));
    QVERIFY(store.due(now.addDays(-2).addSecs(60), 25, due, next).ok());
    QCOMPARE(due, (QStringList{"G1A02"}));
    QCOMPARE(next, now.addDays(-2).addSecs(3600));
    QStringList missed;
    QVERIFY(store.missedSinceRight(missed).ok());
    QCOMPARE(missed, (QStringList{"G1A02", "G1A03"}));
    QString last;
    QVERIFY(store.lastStudyQuestion(last).ok());
    QCOMPARE(last, QStringLiteral("G1A03"));
    // A topic's reset leaves the others.
    QVERIFY(store.reset("g1").ok());
    QVERIFY(store.answers(answers).ok());
    QCOMPARE(answers.size(), 1);
}

void TestProgressRules::storeRefusesFilesNotItsOwn() {
    QTemporaryDir folder;
    const QString path = folder.filePath(ProgressStore::fileName);
    const QDateTime now = utc("2026-12-10T08:00:00.000");
    // Another program's database, a damaged file and an empty one: refused with their
    // name and reason, and left byte for byte as they were.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("CREATE TABLE notes(text)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    QFile foreign(path);
    QVERIFY(foreign.open(QIODevice::ReadOnly));
    const QByteArray foreignBytes = foreign.readAll();
    foreign.close();
    const QList<QByteArray> contents{foreignBytes, QByteArray("not a database at all, ").repeated(300),
                                     QByteArray()};
    for (const QByteArray& bytes : contents) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        ProgressStore store(folder.path());
        const BankStatus s = store.record("G1A01", now, true, "study");
        QVERIFY(!s.ok());
        QVERIFY2(s.reason().contains(QDir::toNativeSeparators(path)), qPrintable(s.reason()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        file.close();
    }
}

void TestProgressRules::storeSurvivesAKillWhileRecording() {
    QTemporaryDir folder;
    {
        ProgressStore store(folder.path()); // made before, so the child only records
        QVERIFY(store.record("G1A01", utc("2026-12-01T00:00:00.000"), true, "study").ok());
    }
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ProgressStore store(folder.path());
        QDateTime when = utc("2026-12-02T00:00:00.000");
        for (;;) {
            when = when.addMSecs(1);
            (void)store.record("G1A02", when, false, "study");
        }
    }
    usleep(300 * 1000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ProgressStore store(folder.path());
    QVector<FileAnswer> answers;
    QVERIFY(store.answers(answers).ok());
    QVERIFY(answers.size() > 1);
    QVERIFY(store.record("G1A03", utc("2026-12-03T00:00:00.000"), true, "study").ok());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(store.filePath());
        QVERIFY(db.open());
        QSqlQuery check(db);
        QVERIFY(check.exec("PRAGMA integrity_check") && check.next());
        QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
    }
    QSqlDatabase::removeDatabase("check");
}
