#include "bank/bank_writer.h"

#include "bank/bank_schema.h"
#include "bank/rule_hint.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

QString connectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("varnel-bank-writer-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

// Fills the empty database file at path; fails when any statement fails.
BankStatus fill(const QString& path, const QVector<PoolQuestion>& questions, const BankInfo* info,
                BankWriter::Counts* counts) {
    const QString name = connectionName();
    BankStatus status = BankStatus::success();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            status = BankStatus::failure(QStringLiteral("cannot open the new bank: ") +
                                         db.lastError().text());
        } else {
            auto cannotWrite = [](const QString& why) {
                return BankStatus::failure(QStringLiteral("cannot write the new bank: ") + why);
            };
            status = [&] {
                QSqlQuery q(db);
                auto failed = [&](const QSqlQuery& query) {
                    return cannotWrite(query.lastError().text());
                };
                if (!db.transaction())
                    return cannotWrite(db.lastError().text());
                for (const QString& sql : BankSchema::createStatements())
                    if (!q.exec(sql))
                        return failed(q);

                const QStringList poolFields = BankSchema::poolFields();
                if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(BankSchema::poolTable,
                                        poolFields.join(QStringLiteral(", ")),
                                        placeholders(int(poolFields.size())))))
                    return failed(q);
                for (const PoolQuestion& question : questions) {
                    q.addBindValue(question.number);
                    q.addBindValue(question.stem);
                    q.addBindValue(question.answer);
                    for (const QString& choice : question.choices)
                        q.addBindValue(choice);
                    if (!q.exec())
                        return failed(q);
                    ++counts->questions;
                }

                const QStringList hintFields = BankSchema::hintFields();
                QSqlQuery h(db);
                if (!h.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(BankSchema::hintsTable,
                                        hintFields.join(QStringLiteral(", ")),
                                        placeholders(int(hintFields.size())))))
                    return failed(h);
                for (const PoolQuestion& question : questions) {
                    const QString hint = RuleHint::forReference(question.reference);
                    if (hint.isEmpty())
                        continue;
                    h.addBindValue(question.number);
                    h.addBindValue(hint);
                    if (!h.exec())
                        return failed(h);
                    ++counts->hints;
                }
                if (info) {
                    if (BankStatus recorded = info->write(db); !recorded)
                        return cannotWrite(recorded.reason());
                }
                if (!db.commit())
                    return cannotWrite(db.lastError().text());
                return BankStatus::success();
            }();
            if (!status)
                db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return status;
}

} // namespace

BankStatus BankWriter::write(const QString& path, QVector<PoolQuestion> questions, bool replace,
                             Counts* counts, const BankInfo* info) {
    Counts written;
    const QFileInfo target(path);
    if (target.exists() && target.isDir())
        return BankStatus::failure(
            QStringLiteral("%1 is a folder; give the path of the bank file").arg(path));
    if (target.exists() && !replace)
        return BankStatus::failure(
            QStringLiteral("%1 already exists; give --replace to replace it").arg(path));
    if (!target.absoluteDir().exists())
        return BankStatus::failure(
            QStringLiteral("the folder %1 does not exist").arg(target.absolutePath()));

    std::stable_sort(
        questions.begin(), questions.end(),
        [](const PoolQuestion& a, const PoolQuestion& b) { return a.number < b.number; });

    // Beside the target, so the final rename stays on one file system and is atomic.
    QTemporaryFile temp(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!temp.open())
        return BankStatus::failure(QStringLiteral("cannot create a temporary file beside %1: %2")
                                       .arg(path, temp.errorString()));
    temp.close();
    const QString tempPath = temp.fileName();
    if (BankStatus filled = fill(tempPath, questions, info, &written); !filled)
        return filled;

    const QFileDevice::Permissions permissions =
        target.exists()
            ? target.permissions()
            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(tempPath, permissions);

    const auto notInPlace = [&](const QString& why) {
        return BankStatus::failure(
            QStringLiteral("cannot put the new bank in place at %1: %2").arg(path, why));
    };
    if (replace) {
        if (std::rename(QFile::encodeName(tempPath).constData(),
                        QFile::encodeName(path).constData()) != 0)
            return notInPlace(qt_error_string(errno));
    } else if (!QFile::rename(tempPath, path)) {
        // QFile::rename never overwrites, so a file that appeared meanwhile survives.
        return notInPlace(QFileInfo::exists(path) ? QStringLiteral("the file exists now")
                                                  : QStringLiteral("rename failed"));
    }
    temp.setAutoRemove(false);
    if (counts)
        *counts = written;
    return BankStatus::success();
}
