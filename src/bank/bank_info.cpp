// Where a bank came from: reading the pool's validity from its text, writing and reading it in the
// bank, and judging the pool's age.
// SPDX-License-Identifier: MIT
#include "bank/bank_info.h"

#include "bank/bank_connection.h"
#include "bank/sql_failure.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

const QString poolKey = QStringLiteral("pool");
const QString sourcesKey = QStringLiteral("sources");
const QString fromKey = QStringLiteral("valid_from");
const QString untilKey = QStringLiteral("valid_until");
const QString builtKey = QStringLiteral("built_with");
const QString withdrawnKey = QStringLiteral("withdrawn");
const QString cannotRecord = QStringLiteral("the pool's record cannot be written");

} // namespace

BankInfo BankInfo::fromPoolText(const QByteArray& bytes) {
    BankInfo info;
    // The title stands above the syllabus; the pool proper, with its own heading,
    // comes later and names no years.
    static const QRegularExpression title(QStringLiteral("^\\s*((\\d{4})-(\\d{4})\\s.*\\S)\\s*$"));
    const QStringList lines = QString::fromUtf8(bytes.left(4096)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = title.match(line);
        if (!match.hasMatch())
            continue;
        const int first = match.captured(2).toInt();
        const int last = match.captured(3).toInt();
        if (last <= first || last - first > 8)
            continue;
        info.pool = match.captured(1);
        info.validFrom = QDate(first, 7, 1);
        info.validUntil = QDate(last, 6, 30);
        break;
    }
    return info;
}

BankStatus BankInfo::write(QSqlDatabase& db) const {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE %1 (key TEXT, value TEXT)").arg(table)))
        return SqlFailure::status(cannotRecord, q.lastError());
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (key, value) VALUES (?, ?)").arg(table)))
        return SqlFailure::status(cannotRecord, q.lastError());
    const QList<std::pair<QString, QString>> rows{
        {poolKey, pool},
        {sourcesKey, sources},
        {fromKey, validFrom.isValid() ? validFrom.toString(Qt::ISODate) : QString()},
        {untilKey, validUntil.isValid() ? validUntil.toString(Qt::ISODate) : QString()},
        {builtKey, builtWith},
        {withdrawnKey, withdrawn.join(QLatin1Char(' '))}};
    for (const auto& [key, value] : rows) {
        if (value.isEmpty())
            continue;
        q.addBindValue(key);
        q.addBindValue(value);
        if (!q.exec())
            return SqlFailure::status(cannotRecord, q.lastError());
    }
    return BankStatus::success();
}

BankStatus BankInfo::read(const QString& path, BankInfo* info, bool* found) {
    *info = BankInfo{};
    *found = false;
    if (const QFileInfo file(path); !file.isFile())
        return BankStatus::failure((file.exists() ? QStringLiteral("%1: not a regular file")
                                                  : QStringLiteral("%1: no such file"))
                                       .arg(path));
    BankConnection connection(QStringLiteral("bank-info"), path,
                              QStringLiteral("QSQLITE_OPEN_READONLY"));
    BankStatus status = connection.open();
    QSqlDatabase& db = connection.db();
    QSqlQuery q(db);
    if (!status) {
        status =
            BankStatus::failure(QStringLiteral("%1: cannot open: %2").arg(path, status.reason()));
    } else if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        status = SqlFailure::status(path + QStringLiteral(": not a question bank"), q.lastError());
    } else {
        QStringList tables;
        while (q.next())
            tables << q.value(0).toString();
        if (!tables.contains(QStringLiteral("pool"), Qt::CaseInsensitive)) {
            status = BankStatus::failure(
                QStringLiteral("%1: not a question bank (no table pool)").arg(path));
        } else if (tables.contains(table) &&
                   q.exec(QStringLiteral("SELECT key, value FROM %1").arg(table))) {
            *found = true;
            while (q.next()) {
                const QString key = q.value(0).toString();
                const QString value = q.value(1).toString();
                if (key == poolKey)
                    info->pool = value;
                else if (key == sourcesKey)
                    info->sources = value;
                else if (key == fromKey)
                    info->validFrom = QDate::fromString(value, Qt::ISODate);
                else if (key == untilKey)
                    info->validUntil = QDate::fromString(value, Qt::ISODate);
                else if (key == builtKey)
                    info->builtWith = value;
                else if (key == withdrawnKey)
                    info->withdrawn = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            }
        }
    }
    return status;
}

BankInfo::Age BankInfo::age(const QDate& today, bool found) const {
    if (!found)
        return Age::Unrecorded;
    if (!validUntil.isValid())
        return Age::Undated;
    return today > validUntil ? Age::Expired : Age::Current;
}

bool BankInfo::withdrew(const QString& number) const {
    return !number.isEmpty() && withdrawn.contains(number, Qt::CaseInsensitive);
}
