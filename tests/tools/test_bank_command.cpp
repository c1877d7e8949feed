// The varnel-bank command line: a round trip from pool text, one-question folders, replacing a
// bank, bad input, the arguments (odd sources among them), the pool check and the figure
// conversion.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank_command.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>
#include <sys/stat.h>

namespace {

QByteArray question(const QByteArray& number, const QByteArray& answer = "A",
                    const QByteArray& reference = {}) {
    QByteArray text = number + " (" + answer + ")";
    if (!reference.isEmpty())
        text += " [" + reference + "]";
    return text + "\nQuestion " + number + "?\nA. a " + number + "\nB. b\nC. c\nD. d\n~~\n";
}

// A small pool in the published layout, subelement G0 last as the committee prints it.
QByteArray samplePool() {
    return "Errata: G1A02 (B) was changed\nFCC Element 3 Question Pool\n" +
           question("G1A01", "C", "97.301(d)") + question("G1A02", "B") +
           "G1A03 Question Deleted (section not renumbered)\n~~\n" +
           question("G0A02", "D", "97.13(c)(1)") + question("G0A01", "A") +
           "~~~end of question pool text~~~\n";
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct RunResult {
    int status = -1;
    QString out;
    QString err;
};

RunResult runTool(const QStringList& arguments) {
    RunResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = BankCommand::run(arguments, out, err);
    return result;
}

// Reads one column of a table in row order, as the program's cursor sees it.
QStringList column(const QString& path, const QString& table, const QString& field) {
    const QString name = QUuid::createUuid().toString();
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(field, table)))
                while (q.next())
                    values << q.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

} // namespace

class TestBankCommand : public QObject {
    Q_OBJECT
private slots:
    void init();
    void roundTrip();
    void oneQuestionFolder();
    void replace();
    void badInput_data();
    void badInput();
    void arguments_data();
    void arguments();
    void check_data();
    void check();
    void figure_data();
    void figure();

private:
    QString path(const QString& name) const { return QDir(m_dir->path()).filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBankCommand::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestBankCommand::roundTrip() {
    QVERIFY(writeFile(path("pool.txt"), samplePool()));
    QVERIFY(writeFile(path(".other.mdb.x1Y2z3.part"), "left by a run that was killed"));
    QVERIFY(writeFile(path(".other.mdb.x1Y2z3.part-journal"), "and its journal"));
    QVERIFY(writeFile(path(".other.mdb.a1B2c3.part-journal"), "a journal left alone"));
    const QString bank = path(BankSchema::fileName);
    const RunResult run = runTool({"--out", bank, path("pool.txt")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY(run.out.contains("4 questions and 2 hints"));

    QCOMPARE(column(bank, "pool", "GNumber"), (QStringList{"G0A01", "G0A02", "G1A01", "G1A02"}));
    QCOMPARE(column(bank, "pool", "answer"), (QStringList{"1", "4", "3", "2"}));
    QCOMPARE(column(bank, "pool", "Question").first(), QStringLiteral("Question G0A01?"));
    QCOMPARE(column(bank, "pool", "A").first(), QStringLiteral("a G0A01"));
    QCOMPARE(column(bank, "Hints", "GN"), (QStringList{"G0A02", "G1A01"}));
    QCOMPARE(column(bank, "Hints", "hints"),
             (QStringList{"See section 97.13(c)(1) of the amateur service rules.",
                          "See section 97.301(d) of the amateur service rules."}));
    QCOMPARE(column(bank, "sqlite_master WHERE type = 'index'", "name").size(), 2);
    QCOMPARE(column(bank, "bank_info WHERE key = 'withdrawn'", "value"), QStringList{"G1A03"});
    // Only the bank and its source are left in the folder: no temporary files, not even
    // those an earlier run left.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestBankCommand::oneQuestionFolder() {
    QVERIFY(QDir(m_dir->path()).mkdir("G"));
    QVERIFY(writeFile(path("G/G1A01"), "G1A01 (C) [97.301(d)] \nWhich?\nA. a\nB. b\nC. c\nD. d\n"));
    QVERIFY(writeFile(path("G/G0A01"), "G0A01 (A)\nWhat?\nA. a\nB. b\nC. c\nD. d\n"));
    QVERIFY(writeFile(path("G/README"), "not a question\n"));
    const QString bank = path(BankSchema::fileName);
    const RunResult run = runTool({"--out", bank, path("G")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(column(bank, "pool", "GNumber"), (QStringList{"G0A01", "G1A01"}));
    QCOMPARE(column(bank, "Hints", "GN"), QStringList{"G1A01"});
}

void TestBankCommand::replace() {
    const QString bank = path(BankSchema::fileName);
    QVERIFY(writeFile(bank, "a learner's bank"));
    QVERIFY(writeFile(path("pool.txt"), samplePool()));

    const RunResult refused = runTool({"--out", bank, path("pool.txt")});
    QCOMPARE(refused.status, 1);
    QVERIFY(refused.err.contains("--replace"));
    QCOMPARE(readAll(bank), QByteArray("a learner's bank"));

    const RunResult replaced = runTool({"--replace", "--out", bank, path("pool.txt")});
    QVERIFY2(replaced.status == 0, qPrintable(replaced.err));
    QCOMPARE(column(bank, "pool", "GNumber").first(), QStringLiteral("G0A01"));
}

void TestBankCommand::badInput_data() {
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QString>("message");

    const QByteArray head = "FCC Element 3 Question Pool\n";
    QTest::newRow("missing choice")
        << QByteArray(head + question("G1A01") + "G1A02 (B)\nWhich?\nA. a\nB. b\nC. c\n~~\n")
        << QByteArray() << "pool.txt:9: question G1A02: choice D is missing";
    QTest::newRow("two answer letters") << QByteArray(head + question("G1A01", "A, C"))
                                        << QByteArray() << "pool.txt:2: question G1A01: two";
    QTest::newRow("answer letter outside A-D")
        << QByteArray(head + question("G1A01", "F")) << QByteArray()
        << "pool.txt:2: question G1A01: answer letter F";
    QTest::newRow("duplicate number in one file")
        << QByteArray(head + question("G1A01") + question("G1A01", "B")) << QByteArray()
        << "pool.txt:9: question G1A01: the number appears twice";
    QTest::newRow("duplicate number across sources")
        << QByteArray(head + question("G1A01")) << QByteArray(head + question("G1A01"))
        << "extra.txt:2: question G1A01: the number appears twice";
    QTest::newRow("not UTF-8") << QByteArray(head + question("G1A01") + "G1A02 (B)\nWhy\xE9?\n")
                               << QByteArray()
                               << "pool.txt:10: question G1A02: the text is not UTF-8";
    QTest::newRow("damaged second source")
        << QByteArray(head + question("G1A01")) << QByteArray("no heading here\n")
        << "extra.txt: no pool heading";
}

void TestBankCommand::badInput() {
    QFETCH(QByteArray, pool);
    QFETCH(QByteArray, extra);
    QFETCH(QString, message);
    QVERIFY(writeFile(path("pool.txt"), pool));
    QStringList sources{path("pool.txt")};
    if (!extra.isEmpty()) {
        QVERIFY(writeFile(path("extra.txt"), extra));
        sources << path("extra.txt");
    }

    // A new bank is never started, and an existing one is left as it was even with --replace.
    const QString fresh = path("fresh.mdb");
    const RunResult first = runTool(QStringList{"--out", fresh} + sources);
    QCOMPARE(first.status, 1);
    QVERIFY2(first.err.contains(message), qPrintable(first.err));
    QVERIFY(first.err.contains("Nothing was written"));
    QVERIFY(!QFileInfo::exists(fresh));

    const QString existing = path(BankSchema::fileName);
    QVERIFY(writeFile(existing, "a learner's bank"));
    const RunResult second = runTool(QStringList{"--replace", "--out", existing} + sources);
    QCOMPARE(second.status, 1);
    QCOMPARE(readAll(existing), QByteArray("a learner's bank"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), sources.size() + 1);
}

void TestBankCommand::arguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "";
    QTest::newRow("nothing") << QStringList{} << 2 << "no --out";
    QTest::newRow("no source") << QStringList{"--out", "x.mdb"} << 2 << "no SOURCE";
    QTest::newRow("out without name") << QStringList{"pool.txt", "--out"} << 2 << "needs a file";
    QTest::newRow("unknown option")
        << QStringList{"--force", "--out", "x.mdb", "p"} << 2 << "unknown option --force";
    QTest::newRow("missing source")
        << QStringList{"--out=NEW", "no-such.txt"} << 1 << "no-such.txt: no such file or folder";
    QTest::newRow("folder without questions")
        << QStringList{"--out=NEW", "."} << 1 << "holds no one-question files";
    QTest::newRow("target is a folder")
        << QStringList{"--replace", "--out", ".", "POOL"} << 1 << "is a folder";
    QTest::newRow("target is a pipe")
        << QStringList{"--replace", "--out", "PIPE", "POOL"} << 1 << "is not a regular file";
    // Neither is opened: the device never ends, the pipe has no writer.
    QTest::newRow("device") << QStringList{"--out=NEW", "/dev/zero"} << 1
                            << "/dev/zero: not a regular file or folder";
    QTest::newRow("pipe") << QStringList{"--out=NEW", "PIPE"} << 1
                          << "pipe: not a regular file or folder";
    QTest::newRow("larger than any pool")
        << QStringList{"--out=NEW", "LARGE"} << 1 << "large.txt: larger than 64 MiB";
}

void TestBankCommand::arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QVERIFY(writeFile(path("pool.txt"), samplePool()));
    if (arguments.contains("PIPE"))
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    if (QFile large(path("large.txt")); arguments.contains("LARGE")) // sparse: takes no room
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(64 * 1024 * 1024 + 1));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    for (QString& arg : arguments)
        arg.replace("NEW", path("new.mdb"))
            .replace("POOL", path("pool.txt"))
            .replace("PIPE", path("pipe"))
            .replace("LARGE", path("large.txt"));
    const RunResult run = runTool(arguments);
    QDir::setCurrent(previous);
    QCOMPARE(run.status, status);
    QVERIFY2((status == 0 ? run.out : run.err).contains(message), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(path("new.mdb")));
}

void TestBankCommand::check_data() {
    QTest::addColumn<QByteArray>("title"); // the pool text's first line; "-" for no bank
    QTest::addColumn<bool>("dropRecord");  // a bank made before pools were recorded
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("expired") << QByteArray("2019-2023 General Class Question Pool\n") << false << 3
                             << "holds the 2019-2023 General Class Question Pool, which "
                                "expired on June 30, 2023";
    QTest::newRow("valid") << QByteArray("2090-2094 General Class Question Pool\n") << false << 0
                           << "";
    QTest::newRow("no years named") << QByteArray() << false << 0 << "";
    QTest::newRow("no record") << QByteArray() << true << 3 << "records no pool";
    QTest::newRow("not a bank") << QByteArray("-") << false << 1 << "not a question bank";
}

void TestBankCommand::check() {
    QFETCH(QByteArray, title);
    QFETCH(bool, dropRecord);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString bank = path(BankSchema::fileName);
    if (title == "-") {
        QVERIFY(writeFile(bank, "a learner's notes"));
    } else {
        QVERIFY(writeFile(path("pool.txt"), title + samplePool()));
        QCOMPARE(runTool({"--out", bank, path("pool.txt")}).status, 0);
    }
    if (dropRecord) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "drop");
        db.setDatabaseName(bank);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("DROP TABLE bank_info"));
        db.close();
    }
    QSqlDatabase::removeDatabase("drop");
    const QByteArray before = readAll(bank);
    const RunResult run = runTool({"--check", bank});
    QCOMPARE(run.status, status);
    QVERIFY2((status == 1 ? run.err : run.out).contains(message), qPrintable(run.out + run.err));
    QCOMPARE(readAll(bank), before); // judged, never changed
}

void TestBankCommand::figure_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawing"); // dark, on a transparent ground
    QTest::addColumn<QSize>("bitmap");
    QTest::addColumn<QRect>("drawingThere");
    // The published G7-1's size; its drawing halved fills the picture box's width.
    QTest::newRow("larger: trimmed, halved") << QSize(1845, 1455) << QRect(300, 200, 1152, 576)
                                             << QSize(588, 300) << QRect(6, 6, 576, 288);
    QTest::newRow("larger: trimmed, fits")
        << QSize(900, 700) << QRect(400, 300, 100, 50) << QSize(112, 62) << QRect(6, 6, 100, 50);
    QTest::newRow("fits: unchanged")
        << QSize(588, 360) << QRect(5, 5, 10, 10) << QSize(588, 360) << QRect(5, 5, 10, 10);
}

void TestBankCommand::figure() {
    QFETCH(QSize, picture);
    QFETCH(QRect, drawing);
    QFETCH(QSize, bitmap);
    QFETCH(QRect, drawingThere);
    QImage image(picture, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(drawing, QColor(0, 0, 128));
    QVERIFY(image.save(path("figure.png")));

    QCOMPARE(runTool({"--figure", path("figure.png"), path("figure.bmp")}).status, 0);
    const QImage out(path("figure.bmp"));
    QCOMPARE(out.size(), bitmap);
    // The drawing is whole, with white (the transparent ground) just around it.
    QCOMPARE(out.pixel(drawingThere.topLeft()), qRgb(0, 0, 128));
    QCOMPARE(out.pixel(drawingThere.bottomRight()), qRgb(0, 0, 128));
    QCOMPARE(out.pixel(drawingThere.topLeft() - QPoint(1, 1)), qRgb(255, 255, 255));
    QCOMPARE(out.pixel(drawingThere.bottomRight() + QPoint(1, 1)), qRgb(255, 255, 255));
}

QTEST_GUILESS_MAIN(TestBankCommand)
#include "test_bank_command.moc"
