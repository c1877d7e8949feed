// One I/O error or full disk at every file operation of a note's save and of a bank build, as
// SQLite tests itself: a VFS around SQLite's own that fails the Nth open, read, write, sync,
// truncate or delete, for every N until the work runs through without meeting the fault.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/bank_writer.h"
#include "bank/record_source.h"
#include "bank_fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <cerrno>
#include <sqlite3.h>

namespace {

// The fault to come: which counted call fails, and as which system error.
struct Fault {
    int countdown = 0; // calls left before the failing one; 0: none armed
    int error = EIO;
    bool fired = false;
    const char* where = "";
};
Fault fault;
sqlite3_vfs* realVfs = nullptr;

// True when this call is the one to fail; what says which call it is.
bool failsNow(const char* what) {
    if (fault.countdown == 0 || --fault.countdown != 0)
        return false;
    fault.fired = true;
    fault.where = what;
    return true;
}

// A file of the wrapping VFS: the real file of SQLite's VFS follows it in memory.
struct FaultFile {
    sqlite3_file base;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

// A method of the real file, called with the real file.
template <auto Method> struct Pass;
template <typename... Args, int (*sqlite3_io_methods::*Method)(sqlite3_file*, Args...)>
struct Pass<Method> {
    static int to(sqlite3_file* file, Args... args) {
        sqlite3_file* real = reinterpret_cast<FaultFile*>(file)->real();
        return (real->pMethods->*Method)(real, args...);
    }
};

// A failing call returns what SQLite's unix VFS returns when that system call fails.
int readFile(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return failsNow("read") ? SQLITE_IOERR_READ
                            : Pass<&sqlite3_io_methods::xRead>::to(f, buffer, amount, offset);
}
int writeFile(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    if (failsNow("write"))
        return fault.error == ENOSPC ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    return Pass<&sqlite3_io_methods::xWrite>::to(f, buffer, amount, offset);
}
int truncateFile(sqlite3_file* f, sqlite3_int64 size) {
    return failsNow("truncate") ? SQLITE_IOERR_TRUNCATE
                                : Pass<&sqlite3_io_methods::xTruncate>::to(f, size);
}
int syncFile(sqlite3_file* f, int flags) {
    return failsNow("sync") ? SQLITE_IOERR_FSYNC : Pass<&sqlite3_io_methods::xSync>::to(f, flags);
}
// Version 1: no shared memory (the bank keeps a rollback journal) and no memory mapping.
// clang-format off
const sqlite3_io_methods faultMethods = {
    1, Pass<&sqlite3_io_methods::xClose>::to, readFile, writeFile, truncateFile, syncFile,
    Pass<&sqlite3_io_methods::xFileSize>::to, Pass<&sqlite3_io_methods::xLock>::to,
    Pass<&sqlite3_io_methods::xUnlock>::to, Pass<&sqlite3_io_methods::xCheckReservedLock>::to,
    Pass<&sqlite3_io_methods::xFileControl>::to, Pass<&sqlite3_io_methods::xSectorSize>::to,
    Pass<&sqlite3_io_methods::xDeviceCharacteristics>::to,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
// clang-format on

int openFile(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    file->pMethods = nullptr;
    if (failsNow("open"))
        return SQLITE_CANTOPEN;
    const int rc =
        realVfs->xOpen(realVfs, name, reinterpret_cast<FaultFile*>(file)->real(), flags, outFlags);
    if (rc == SQLITE_OK)
        file->pMethods = &faultMethods;
    return rc;
}
int deleteFile(sqlite3_vfs*, const char* name, int syncDir) {
    if (failsNow("delete"))
        return SQLITE_IOERR_DELETE;
    return realVfs->xDelete(realVfs, name, syncDir);
}

// The wrapper becomes the default VFS, so every connection the program opens uses it.
sqlite3_vfs faultVfs;
void registerFaultVfs() {
    realVfs = sqlite3_vfs_find(nullptr);
    faultVfs = *realVfs;
    faultVfs.zName = "fault";
    faultVfs.szOsFile = int(sizeof(FaultFile)) + realVfs->szOsFile;
    faultVfs.xOpen = openFile;
    faultVfs.xDelete = deleteFile;
    sqlite3_vfs_register(&faultVfs, 1);
}

// The state of a file as a fresh connection finds it.
struct Found {
    bool whole = false;
    QStringList notes; // the hints of one question, in row order
    int questions = 0;
};
Found inspect(const QString& path, const QString& number) {
    Found found;
    const QString name = QStringLiteral("inspect");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        QSqlQuery q(db);
        found.whole = db.open() && q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() &&
                      q.value(0).toString() == QLatin1String("ok");
        q.prepare(QStringLiteral("SELECT hints FROM Hints WHERE GN = ? ORDER BY rowid"));
        q.addBindValue(number);
        if (q.exec())
            while (q.next())
                found.notes << q.value(0).toString();
        if (q.exec(QStringLiteral("SELECT count(*) FROM pool")) && q.next())
            found.questions = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(name);
    return found;
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// What the points found; every figure but the points must stay 0.
struct Figures {
    int points = 0, damaged = 0, lost = 0, untrue = 0;
    QStringList faults;
    void add(int& figure, const QString& what) {
        ++figure;
        faults << what;
    }
};

const char* errorName(int error) {
    return error == ENOSPC ? "ENOSPC" : "EIO";
}

} // namespace

class TestFaultInjection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerFaultVfs();
        QVERIFY(bank.write(TestBank::sampleQuestions(), TestBank::sampleHints()));
        pristine = bank.filePath() + QStringLiteral(".pristine");
        QVERIFY(QFile::copy(bank.filePath(), pristine));
    }

    void cleanupTestCase() {
        sqlite3_vfs_unregister(&faultVfs);
        qInfo("fault points tried: %d; crashes: 0; damaged banks: %d; lost notes: %d; untrue "
              "messages: %d",
              figures.points, figures.damaged, figures.lost, figures.untrue);
    }

    // G1A01 has a hint row the note replaces; G1A02 has none, so the note adds one.
    void noteSave_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("error");
        for (const char* number : {"G1A01", "G1A02"})
            for (const int error : {EIO, ENOSPC})
                QTest::addRow("%s, %s", number, errorName(error)) << number << error;
    }
    void noteSave() {
        QFETCH(QString, number);
        QFETCH(int, error);
        const QString note = QStringLiteral("Typed at fault point");
        const int before = figures.faults.size();
        for (int n = 1;; ++n) {
            for (const QString& file : {bank.filePath(), bank.filePath() + "-journal"})
                QFile::remove(file);
            QVERIFY(QFile::copy(pristine, bank.filePath()));
            const QStringList stored = inspect(bank.filePath(), number).notes;
            FakeBox box;
            RecordSource hints(BankSchema::hintsTable, BankSchema::hintFields());
            hints.bind(QStringLiteral("hints"), &box);
            QVERIFY(hints.open(bank.filePath()));
            QVERIFY(hints.findFirst(QStringLiteral("GN = '%1'").arg(number), FindMode::LookUp));
            if (!hints.hasCurrentRow())
                QVERIFY(hints.addNew({{QStringLiteral("GN"), number}}));
            box.type(note);

            fault = Fault{n, error};
            const BankStatus saved = hints.saveTyped();
            const Fault met = std::exchange(fault, Fault{});
            if (!met.fired) {
                QVERIFY2(saved, qPrintable(saved.reason()));
                break;
            }
            ++figures.points;
            const QString point =
                QStringLiteral("%1 at call %2 (%3)").arg(errorName(error)).arg(n).arg(met.where);
            const Found found = inspect(bank.filePath(), number);
            const bool committed = found.notes == QStringList{note};
            if (!found.whole)
                figures.add(figures.damaged, point + QStringLiteral(": the bank is damaged"));
            if (!committed && found.notes != stored)
                figures.add(figures.damaged, point + QStringLiteral(": a half-written note: ") +
                                                 found.notes.join(QLatin1Char('|')));
            if (committed && !saved)
                figures.add(figures.untrue,
                            point + QStringLiteral(": a saved note reported: ") + saved.reason());
            if (!saved && (saved.kind() != BankStatus::Kind::Passing ||
                           saved.reason().contains(QStringLiteral("damaged"))))
                figures.add(figures.untrue, point + QStringLiteral(": ") + saved.reason());
            // The text stays, and saving again once the disk is well keeps it.
            if (!committed && !(box.shown == note && box.isChanged() && hints.saveTyped() &&
                                inspect(bank.filePath(), number).notes == QStringList{note}))
                figures.add(figures.lost, point + QStringLiteral(": the note is lost"));
        }
        QVERIFY2(figures.faults.size() == before,
                 qPrintable(figures.faults.mid(before).join(QLatin1Char('\n'))));
    }

    void bankBuild_data() {
        QTest::addColumn<int>("error");
        QTest::newRow("EIO") << EIO;
        QTest::newRow("ENOSPC") << ENOSPC;
    }
    void bankBuild() {
        QFETCH(int, error);
        QVector<PoolQuestion> questions;
        for (const char* number : {"G1A01", "G1A02", "G2B03"})
            questions << PoolQuestion{QString::fromLatin1(number),
                                      QStringLiteral("Stem?"),
                                      QStringLiteral("1"),
                                      {QStringLiteral("a"), QStringLiteral("b"),
                                       QStringLiteral("c"), QStringLiteral("d")},
                                      QStringLiteral("97.1"),
                                      QString(),
                                      0};
        const QByteArray old = fileHash(pristine);
        const int before = figures.faults.size();
        for (int n = 1;; ++n) {
            for (const QString& file : {bank.filePath(), bank.filePath() + "-journal"})
                QFile::remove(file);
            QVERIFY(QFile::copy(pristine, bank.filePath()));
            fault = Fault{n, error};
            const BankStatus built =
                BankWriter::write(bank.filePath(), questions, true, nullptr, nullptr);
            const Fault met = std::exchange(fault, Fault{});
            if (!met.fired) {
                QVERIFY2(built, qPrintable(built.reason()));
                QCOMPARE(inspect(bank.filePath(), QString()).questions, 3);
                break;
            }
            ++figures.points;
            const QString point = QStringLiteral("build, %1 at call %2 (%3)")
                                      .arg(errorName(error))
                                      .arg(n)
                                      .arg(met.where);
            const bool kept = fileHash(bank.filePath()) == old;
            const Found found = inspect(bank.filePath(), QString());
            if (built ? !found.whole || found.questions != 3 : !kept)
                figures.add(figures.damaged, point + QStringLiteral(": neither the old nor a "
                                                                    "whole new bank"));
            const QStringList left =
                QDir(bank.folder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
            if (left.size() != 2) // the bank and the pristine copy
                figures.add(figures.damaged,
                            point + QStringLiteral(": left ") + left.join(QLatin1Char(' ')));
        }
        QVERIFY2(figures.faults.size() == before,
                 qPrintable(figures.faults.mid(before).join(QLatin1Char('\n'))));
    }

private:
    TestBank bank;
    QString pristine;
    Figures figures;
};

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "test_fault_injection.moc"
