// One I/O error or full disk at every file operation of a note's save and of a bank build, as
// SQLite tests itself: a VFS around SQLite's own that fails the Nth open, read, write, sync,
// truncate or delete, for every N until the work runs through without meeting the fault.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/bank_writer.h"
#include "bank/field_binding.h"
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
FaultFile* asFault(sqlite3_file* file) {
    return reinterpret_cast<FaultFile*>(file);
}
sqlite3_file* real(sqlite3_file* file) {
    return asFault(file)->real();
}

// The result codes SQLite's unix VFS gives for a failed system call.
int readFile(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    if (failsNow("read"))
        return SQLITE_IOERR_READ;
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}
int writeFile(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    if (failsNow("write"))
        return fault.error == ENOSPC ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    return real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
}
int truncateFile(sqlite3_file* f, sqlite3_int64 size) {
    if (failsNow("truncate"))
        return SQLITE_IOERR_TRUNCATE;
    return real(f)->pMethods->xTruncate(real(f), size);
}
int syncFile(sqlite3_file* f, int flags) {
    if (failsNow("sync"))
        return SQLITE_IOERR_FSYNC;
    return real(f)->pMethods->xSync(real(f), flags);
}
int closeFile(sqlite3_file* f) {
    return real(f)->pMethods->xClose(real(f));
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) {
    return real(f)->pMethods->xFileSize(real(f), size);
}
int lockFile(sqlite3_file* f, int level) {
    return real(f)->pMethods->xLock(real(f), level);
}
int unlockFile(sqlite3_file* f, int level) {
    return real(f)->pMethods->xUnlock(real(f), level);
}
int checkReservedLock(sqlite3_file* f, int* out) {
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int fileControl(sqlite3_file* f, int op, void* arg) {
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}
int sectorSize(sqlite3_file* f) {
    return real(f)->pMethods->xSectorSize(real(f));
}
int deviceCharacteristics(sqlite3_file* f) {
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}
// Version 1: no shared memory (the bank keeps a rollback journal) and no memory mapping.
const sqlite3_io_methods faultMethods = {1,
                                         closeFile,
                                         readFile,
                                         writeFile,
                                         truncateFile,
                                         syncFile,
                                         fileSize,
                                         lockFile,
                                         unlockFile,
                                         checkReservedLock,
                                         fileControl,
                                         sectorSize,
                                         deviceCharacteristics,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr};

int openFile(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    file->pMethods = nullptr;
    if (failsNow("open"))
        return SQLITE_CANTOPEN;
    const int rc = realVfs->xOpen(realVfs, name, asFault(file)->real(), flags, outFlags);
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

class NoteBox : public FieldBinding {
public:
    bool fill(const QString& value) override {
        changed = false;
        return std::exchange(shown, value) != value;
    }
    void notifyChanged() override {}
    bool writesBack() const override { return true; }
    bool isChanged() const override { return changed; }
    QString text() const override { return shown; }
    QString shown;
    bool changed = false;
};

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
            NoteBox box;
            RecordSource hints(BankSchema::hintsTable, BankSchema::hintFields());
            hints.bind(QStringLiteral("hints"), &box);
            QVERIFY(hints.open(bank.filePath()));
            QVERIFY(hints.findFirst(QStringLiteral("GN = '%1'").arg(number), FindMode::LookUp));
            if (!hints.hasCurrentRow())
                QVERIFY(hints.addNew({{QStringLiteral("GN"), number}}));
            box.shown = note;
            box.changed = true;

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
