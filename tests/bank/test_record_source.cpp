// The record source: row order, moves at both ends, searches, write-back of changed
// boxes, new and deleted rows, refused saves, files that are not a question bank, banks
// that hold triggers or lack indexes, a damaged row, and folders the program may not write
// or enter.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/criterion.h"
#include "bank/field_binding.h"
#include "bank/paper_reader.h"
#include "bank/record_source.h"
#include "bank_fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Lets permission bits bind this thread even when it runs as root (as the tests do in
// CI) by dropping, or giving back, the capabilities that override them.
bool obeyPermissions(bool obey) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const unsigned bit = 1u << (cap % 32);
        data[cap / 32].effective =
            obey ? data[cap / 32].effective & ~bit
                 : data[cap / 32].effective | (data[cap / 32].permitted & bit);
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A pool cursor with a box on every field.
struct PoolCursor {
    PoolCursor() : source(BankSchema::poolTable, BankSchema::poolFields()) {
        for (const QString& field : BankSchema::poolFields())
            source.bind(field, &boxes[field]);
    }
    QString number() const { return boxes.value(QStringLiteral("GNumber")).shown; }
    FakeBox& box(const char* field) { return boxes[QLatin1String(field)]; }

    QHash<QString, FakeBox> boxes;
    RecordSource source;
};

} // namespace

class TestRecordSource : public QObject {
    Q_OBJECT

private slots:
    void init() {
        bank = std::make_unique<TestBank>();
        QVERIFY(bank->write(TestBank::sampleQuestions(), TestBank::sampleHints()));
    }

    void browsesInRowOrderAndStopsAtBothEnds() {
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveFirst());
        QCOMPARE(c.number(), QStringLiteral("G0A01"));
        QStringList seen{c.number()};
        for (int i = 0; i < 10; ++i) {
            QVERIFY(c.source.moveNext());
            if (seen.last() != c.number())
                seen << c.number();
        }
        QCOMPARE(seen, bank->column(QStringLiteral("pool"), QStringLiteral("GNumber")));
        QCOMPARE(c.number(), QStringLiteral("G9D11"));
        QVERIFY(c.source.movePrevious());
        QCOMPARE(c.number(), QStringLiteral("G9D10"));
        QVERIFY(c.source.moveFirst());
        QVERIFY(c.source.movePrevious());
        QCOMPARE(c.number(), QStringLiteral("G0A01"));
        QVERIFY(c.source.moveLast());
        QCOMPARE(c.number(), QStringLiteral("G9D11"));
    }

    void findFirst_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<bool>("matches");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact") << "GNumber = 'G5A01'" << true << "G5A01";
        QTest::newRow("lower case") << "GNumber = 'g1a01'" << true << "G1A01";
        QTest::newRow("field name in other case") << "gnumber = 'G1A02'" << true << "G1A02";
        QTest::newRow("prefix") << "GNumber = 'G1A0'" << false << "G0A02";
        QTest::newRow("missing") << "GNumber = 'G3A01'" << false << "G0A02";
        QTest::newRow("apostrophe") << "GNumber = 'G1A'01'" << false << "G0A02";
        QTest::newRow("injection") << "GNumber = 'G1A01' OR '1'='1'" << false << "G0A02";
        QTest::newRow("unknown field") << "Foo = 'G1A01'" << false << "G0A02";
        QTest::newRow("no quotes") << "GNumber = G1A01" << false << "G0A02";
        QTest::newRow("empty value") << "GNumber = ''" << false << "G0A02";
        QTest::newRow("spaces kept") << "GNumber = ' G1A01 '" << false << "G0A02";
    }
    void findFirst() {
        QFETCH(QString, criterion);
        QFETCH(bool, matches);
        QFETCH(QString, expected);
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveNext()); // from no row: the first
        QVERIFY(c.source.moveNext());
        const QByteArray before = fileHash(bank->filePath());
        QVERIFY(c.source.findFirst(criterion));
        QCOMPARE(c.source.noMatch(), !matches);
        QCOMPARE(c.number(), expected);
        c.source.close();
        QCOMPARE(fileHash(bank->filePath()), before);
    }

    void criterionParsing() {
        const QStringList fields{QStringLiteral("GN"), QStringLiteral("hints")};
        const auto parsed = parseCriterion(QStringLiteral("GN = 'G1A01'"), fields);
        QVERIFY(parsed);
        QCOMPARE(parsed->field, QStringLiteral("GN"));
        QCOMPARE(parsed->value, QStringLiteral("G1A01"));
        QVERIFY(!parseCriterion(QStringLiteral("GNumber = 'G1A01'"), fields));
        QCOMPARE(parseCriterion(QStringLiteral("GN = ' G5A01 '"), fields)->value,
                 QStringLiteral(" G5A01 "));
    }

    void findsTheFirstOfEqualNumbersInRowOrder() {
        QVERIFY(bank->exec(
            {QStringLiteral("INSERT INTO Hints (GN, hints) VALUES ('g1a01', 'second')")}));
        RecordSource hints(BankSchema::hintsTable, BankSchema::hintFields());
        FakeBox gn, text;
        hints.bind(QStringLiteral("GN"), &gn);
        hints.bind(QStringLiteral("hints"), &text);
        QVERIFY(hints.open(bank->filePath()));
        QVERIFY(hints.findFirst(QStringLiteral("GN = 'G1A01'")));
        QCOMPARE(text.shown, QStringLiteral("See section 97.301(d)."));
    }

    void lookUpThatMissesLeavesNoRowToWriteInto() {
        RecordSource hints(BankSchema::hintsTable, BankSchema::hintFields());
        FakeBox gn, text;
        hints.bind(QStringLiteral("GN"), &gn);
        hints.bind(QStringLiteral("hints"), &text);
        QVERIFY(hints.open(bank->filePath()));
        QVERIFY(hints.findFirst(QStringLiteral("GN = 'G1A01'"), FindMode::LookUp));
        text.type(QStringLiteral("Saved on leaving"));
        QVERIFY(hints.findFirst(QStringLiteral("GN = 'G1A02'"), FindMode::LookUp));
        QVERIFY(hints.noMatch());
        QVERIFY(!hints.hasCurrentRow());
        QCOMPARE(text.shown, QString());
        QCOMPARE(gn.shown, QString());
        const QStringList saved = bank->column(QStringLiteral("Hints"), QStringLiteral("hints"));
        QCOMPARE(saved.at(1), QStringLiteral("Saved on leaving"));
        // Text put into the empty boxes belongs to no row and is dropped on the next look-up.
        text.type(QStringLiteral("Belongs to no row"));
        QVERIFY(hints.findFirst(QStringLiteral("GN = 'G5A01'"), FindMode::LookUp));
        QCOMPARE(text.shown, QStringLiteral("Ohm's law"));
        QVERIFY(hints.findFirst(QStringLiteral("GN = 'G1A02'"), FindMode::LookUp));
        QCOMPARE(bank->column(QStringLiteral("Hints"), QStringLiteral("hints")), saved);
    }

    void changedBoxesAreWrittenBackWhenTheRowIsLeft() {
        {
            PoolCursor c;
            QVERIFY(c.source.open(bank->filePath()));
            QVERIFY(c.source.moveFirst());
            c.box("Question").type(QStringLiteral("Edited stem, with 'quotes'?"));
            QVERIFY(c.source.moveNext());
            // A box that was only filled is not written back.
            QVERIFY(c.source.moveNext());
            // A search that finds nothing still leaves the row, and the row stays.
            c.box("Question").type(QStringLiteral("Typed before a search"));
            QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'nothing'")));
            QVERIFY(c.source.noMatch());
            QCOMPARE(c.number(), QStringLiteral("G1A01"));
            QVERIFY(!c.box("Question").isChanged());
        }
        const QStringList stems = bank->column(QStringLiteral("pool"), QStringLiteral("Question"));
        QCOMPARE(stems.at(0), QStringLiteral("Edited stem, with 'quotes'?"));
        QCOMPARE(stems.at(1), QStringLiteral("Stem of G0A02?"));
        QCOMPARE(stems.at(2), QStringLiteral("Typed before a search"));

        // A restart shows the change.
        PoolCursor again;
        QVERIFY(again.source.open(bank->filePath()));
        QVERIFY(again.source.moveFirst());
        QCOMPARE(again.box("Question").shown, QStringLiteral("Edited stem, with 'quotes'?"));
    }

    void fillsEveryControlBeforeAnyChangeHandler() {
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveFirst());
        const int before = c.box("GNumber").notifications;
        QVERIFY(c.source.moveNext());
        QCOMPARE(c.box("GNumber").notifications, before + 1);
        // Same answer text on both rows? No: G0A01 has 1, G0A02 has 2, so it changed too.
        QCOMPARE(c.box("answer").shown, QStringLiteral("2"));
        // Moving to the row that is current refills nothing and notifies nothing.
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'G0A02'")));
        QCOMPARE(c.box("GNumber").notifications, before + 1);
    }

    void newRowIsSavedByUpdateAndDroppedWhenLeftUntouched() {
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveLast());
        QVERIFY(c.source.addNew());
        QVERIFY(c.source.isNewPending());
        QCOMPARE(c.number(), QString());
        QVERIFY(c.source.moveFirst()); // nothing typed: dropped
        QVERIFY(c.source.addNew());
        c.box("Question").type(QStringLiteral(" \n ")); // only blanks typed: dropped too
        QVERIFY(c.source.moveFirst());
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("GNumber")).size(), 8);

        QVERIFY(c.source.addNew());
        c.box("GNumber").type(QStringLiteral("G9D12"));
        c.box("answer").type(QStringLiteral("4"));
        QVERIFY(c.source.update());
        QVERIFY(!c.source.isNewPending());
        QCOMPARE(c.number(), QStringLiteral("G9D12"));
        QVERIFY(c.source.moveLast());
        QCOMPARE(c.number(), QStringLiteral("G9D12"));
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("GNumber")).last(),
                 QStringLiteral("G9D12"));
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("Question")).last(),
                 QString());

        // Typed into and then left: saved, as the learner's text must not be lost.
        QVERIFY(c.source.addNew());
        c.box("GNumber").type(QStringLiteral("G9D13"));
        QVERIFY(c.source.movePrevious());
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("GNumber")).last(),
                 QStringLiteral("G9D13"));
    }

    void deleteRemovesTheRowAndRefreshStartsOver() {
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'G1A01'")));
        QVERIFY(c.source.deleteCurrent());
        QVERIFY(!c.source.hasCurrentRow());
        QCOMPARE(c.number(), QStringLiteral("G1A01")); // still shown until the next move
        QVERIFY(!c.source.deleteCurrent());            // nothing current to delete
        QVERIFY(c.source.moveNext());
        QCOMPARE(c.number(), QStringLiteral("G1A02"));
        QVERIFY(c.source.refresh());
        QCOMPARE(c.number(), QStringLiteral("G0A01"));
        QVERIFY(!bank->column(QStringLiteral("pool"), QStringLiteral("GNumber"))
                     .contains(QStringLiteral("G1A01")));
    }

    void validateRunsBeforeLeavingAndCanKeepTheRow() {
        PoolCursor c;
        QVector<qint16> actions;
        bool refuse = false;
        c.source.setValidateHandler([&](qint16& action, qint16& save) {
            Q_UNUSED(save);
            actions << action;
            if (refuse)
                action = 0;
        });
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveFirst()); // no row to leave yet
        QVERIFY(actions.isEmpty());
        QVERIFY(c.source.moveNext());
        QVERIFY(c.source.moveLast());
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'G1A01'")));
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'nothing'")));
        QCOMPARE(actions, (QVector<qint16>{3, 4, 8, 8})); // a search leaves the row, found or not
        refuse = true;
        QVERIFY(c.source.moveNext());
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'G1A02'")));
        QVERIFY(!c.source.noMatch()); // a search kept from running has missed nothing
        QCOMPARE(c.number(), QStringLiteral("G1A01"));
    }

    void refusedSaveKeepsRowAndTypedText_data() {
        QTest::addColumn<bool>("useLock");
        QTest::addColumn<bool>("bySearch"); // a search that finds nothing instead of a move
        QTest::newRow("a constraint refuses") << false << false;
        QTest::newRow("another program holds a lock") << true << false;
        QTest::newRow("search, another program holds a lock") << true << true;
    }
    void refusedSaveKeepsRowAndTypedText() {
        QFETCH(bool, useLock);
        QFETCH(bool, bySearch);
        PoolCursor c;
        c.source.setBusyTimeout(50);
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveFirst());

        const QString other = QStringLiteral("refusing-connection");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), other);
            db.setDatabaseName(bank->filePath());
            QVERIFY(db.open());
            QSqlQuery q(db);
            if (useLock)
                QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            else
                QVERIFY(q.exec(QStringLiteral("ALTER TABLE pool ADD COLUMN refuse "
                                              "CHECK (Question <> 'Typed text')")));

            c.box("Question").type(QStringLiteral("Typed text"));
            const BankStatus refused = bySearch
                                           ? c.source.findFirst(QStringLiteral("GNumber = 'none'"))
                                           : c.source.moveNext();
            QVERIFY(!refused);
            if (useLock)
                QVERIFY2(
                    refused.reason().contains(QStringLiteral("another program is using the file")),
                    qPrintable(refused.reason()));
            QCOMPARE(c.number(), QStringLiteral("G0A01"));
            QCOMPARE(c.box("Question").shown, QStringLiteral("Typed text"));
            QVERIFY(c.box("Question").isChanged());

            QVERIFY(q.exec(useLock ? QStringLiteral("ROLLBACK")
                                   : QStringLiteral("ALTER TABLE pool DROP COLUMN refuse")));
            db.close();
        }
        QSqlDatabase::removeDatabase(other);

        QVERIFY(c.source.moveNext());
        QCOMPARE(c.number(), QStringLiteral("G0A02"));
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("Question")).first(),
                 QStringLiteral("Typed text"));
    }

    void emptyTablesAreHarmless() {
        QVERIFY(bank->write({}, {}));
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveFirst());
        QVERIFY(c.source.moveNext());
        QVERIFY(c.source.movePrevious());
        QVERIFY(c.source.moveLast());
        QVERIFY(c.source.refresh());
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = 'G1A01'")));
        QVERIFY(c.source.noMatch());
        QVERIFY(!c.source.hasCurrentRow());
        QCOMPARE(c.number(), QString());
        QVERIFY(!c.source.deleteCurrent());
        QVERIFY(!c.source.update());
    }

    void closingDropsAPendingRow() {
        {
            PoolCursor c;
            QVERIFY(c.source.open(bank->filePath()));
            QVERIFY(c.source.moveLast());
            QVERIFY(c.source.addNew());
            c.box("GNumber").type(QStringLiteral("G9D12"));
            c.box("Question").type(QStringLiteral("Never saved"));
        }
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("GNumber")).size(), 8);
    }

    void refusesFilesThatAreNoQuestionBank_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QStringList>("setup");  // SQL run on an empty database first
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << QStringList() << "does not exist";
        QTest::newRow("not a database") << QByteArray("Standard Jet DB\0\0\0 not really", 30)
                                        << QStringList() << "cannot be read as a database";
        QTest::newRow("empty file") << QByteArray("") << QStringList() << "the file is empty";
        QTest::newRow("no pool table")
            << QByteArray("sql") << QStringList{QStringLiteral("CREATE TABLE Hints (GN, hints)")}
            << "no table \"pool\"";
        QTest::newRow("field missing")
            << QByteArray("sql")
            << QStringList{QStringLiteral("CREATE TABLE pool (GNumber, Question, answer, A, B, C)")}
            << "lacks the field(s) D";
        QTest::newRow("pool is a view")
            << QByteArray("sql")
            << QStringList{QStringLiteral("CREATE TABLE q (GNumber, Question, answer, A, B, C, D)"),
                           QStringLiteral("CREATE VIEW pool AS SELECT * FROM q")}
            << "its \"pool\" is a view, not a table";
        QTest::newRow("pool without row numbers")
            << QByteArray("sql")
            << QStringList{QStringLiteral("CREATE TABLE pool (GNumber PRIMARY KEY, Question, "
                                          "answer, A, B, C, D) WITHOUT ROWID")}
            << "its table \"pool\" is a WITHOUT ROWID table, which the program does not support";
    }
    void refusesFilesThatAreNoQuestionBank() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, setup);
        QFETCH(QString, reason);
        QFile::remove(bank->filePath());
        if (!setup.isEmpty()) {
            QVERIFY(bank->exec(setup));
        } else if (!content.isNull()) {
            QFile file(bank->filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QByteArray before = fileHash(bank->filePath());
        PoolCursor c;
        const BankStatus status = c.source.open(bank->filePath());
        QVERIFY(!status);
        QVERIFY2(status.reason().contains(reason), qPrintable(status.reason()));
        QVERIFY(!c.source.isOpen());
        QCOMPARE(QFile::exists(bank->filePath()), !content.isNull());
        QCOMPARE(fileHash(bank->filePath()), before);
    }

    void opensFromAFolderWithSpacesAndUrlCharacters() {
        const QString folder = QDir(bank->folder()).filePath(QStringLiteral("My Bank #2? 50%"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(BankSchema::fileName);
        QVERIFY(QFile::copy(bank->filePath(), path));
        PoolCursor c;
        QVERIFY(c.source.open(path));
        QVERIFY(c.source.moveLast());
        QCOMPARE(c.number(), QStringLiteral("G9D11"));
        // Nothing was created beside it under a mangled name.
        QCOMPARE(QDir(bank->folder()).entryList(QDir::Files).size(), 1);
    }

    void bankFromElsewhereCannotMakeTheProgramWrite() {
        // No look-up index, and a trigger that would rewrite the answers and add hints.
        QVERIFY(bank->exec({QStringLiteral("DROP INDEX pool_GNumber_nocase"),
                            QStringLiteral("CREATE TRIGGER rewrite AFTER UPDATE ON pool BEGIN "
                                           "UPDATE pool SET answer = '9'; "
                                           "INSERT INTO Hints (GN) VALUES ('G9Z99'); END")}));
        const QByteArray before = fileHash(bank->filePath());
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        // Studying without typing writes nothing.
        for (const char* number : {"G1A01", "G9D11", "G0A02"})
            QVERIFY(c.source.findFirst(QStringLiteral("GNumber = '%1'").arg(number)));
        QVERIFY(c.source.moveNext());
        QCOMPARE(fileHash(bank->filePath()), before);
        // Typed text is saved, and nothing else is.
        c.box("Question").type(QStringLiteral("Typed"));
        QVERIFY(c.source.moveNext());
        c.source.close();
        QCOMPARE(bank->column(QStringLiteral("pool"), QStringLiteral("Question")).at(2),
                 QStringLiteral("Typed"));
        QVERIFY(!bank->column(QStringLiteral("pool"), QStringLiteral("answer")).contains("9"));
        QCOMPARE(bank->column(QStringLiteral("Hints"), QStringLiteral("GN")).size(), 3);
    }

    void damagedRowIsToldByEveryReader() {
        // Only one question's long choice reaches the damaged page.
        QVector<TestQuestion> qs = TestBank::sampleQuestions();
        qs[4].d = QString(20000, QLatin1Char('Z'));
        QVERIFY(bank->write(qs, TestBank::sampleHints()));
        QVERIFY(bank->damagePageHolding(QByteArray(40, 'Z')));
        const QString damaged = QStringLiteral("because the file is damaged");
        PaperReader reader(bank->filePath());
        QVector<PaperRow> rows;
        QVERIFY(reader.open() && reader.rows(rows));
        for (const PaperRow& row : rows) {
            PaperRecord record;
            const BankStatus read = reader.record(row.rowId, record);
            QCOMPARE(read.reason().contains(damaged), row.number == qs[4].number);
        }
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.findFirst(QStringLiteral("GNumber = '%1'").arg(qs[3].number)));
        const BankStatus moved = c.source.moveNext();
        QVERIFY2(moved.reason().contains(damaged), qPrintable(moved.reason()));
    }
    void folderPermissionsAreNamedTruly() {
        const QString folder = bank->folder();
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            obeyPermissions(false);
        });
        if (!obeyPermissions(true))
            QSKIP("the permission bits cannot be made to bind this test");
        // A writable bank in a folder that cannot be written: SQLite cannot make its journal.
        PoolCursor c;
        QVERIFY(c.source.open(bank->filePath()));
        QVERIFY(c.source.moveFirst());
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        c.box("Question").type(QStringLiteral("Typed"));
        const BankStatus refused = c.source.moveNext();
        QVERIFY2(refused.reason().contains(QStringLiteral("the folder %1 cannot be written")
                                               .arg(QDir::toNativeSeparators(folder))),
                 qPrintable(refused.reason()));
        c.source.close();
        // A folder that cannot be entered hides the file, which may well exist: so too
        // while the file is open, and behind a link from a folder that can be entered.
        const QString notEnter = QStringLiteral("may not enter the folder %1");
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(c.source.open(bank->filePath()) && c.source.moveFirst());
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner));
        c.box("Question").type(QStringLiteral("Typed"));
        const BankStatus hiddenOpen = c.source.moveNext();
        QVERIFY2(hiddenOpen.reason().contains(notEnter.arg(QDir::toNativeSeparators(folder))),
                 qPrintable(hiddenOpen.reason()));
        c.source.close();
        const BankStatus hidden = c.source.open(bank->filePath());
        QVERIFY2(hidden.reason().contains(notEnter.arg(QDir::toNativeSeparators(folder))),
                 qPrintable(hidden.reason()));
        QTemporaryDir working;
        const QString link = QDir(working.path()).filePath(BankSchema::fileName);
        QVERIFY(QFile::link(bank->filePath(), link));
        const BankStatus linked = c.source.open(link);
        QVERIFY2(linked.reason().contains(notEnter.arg(QDir::toNativeSeparators(folder))),
                 qPrintable(linked.reason()));
    }

private:
    std::unique_ptr<TestBank> bank;
};

QTEST_GUILESS_MAIN(TestRecordSource)
#include "test_record_source.moc"
