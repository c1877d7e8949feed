// The record source: one cursor over one table of the question bank, with its own connection.
// SPDX-License-Identifier: MIT
#include "bank/record_source.h"

#include "bank/bank_connection.h"
#include "bank/criterion.h"
#include "bank/field_binding.h"
#include "bank/sql_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>
#include <cerrno>
#include <sys/stat.h>

namespace {

QString quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The folder on the way to a file that the program may not enter, which hides the file
// whether it exists or not; empty when there is none. A link on the way is followed, so
// the folder named is the one that refuses, wherever the link leads.
QString unenterableFolder(const QString& absolutePath, int linksFollowed = 0) {
    const QStringList parts = absolutePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString reached; // the deepest folder seen so far; the root is always seen
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString next = reached + QLatin1Char('/') + parts.at(i);
        const QByteArray encoded = QFile::encodeName(next);
        struct stat status {};
        if (::stat(encoded.constData(), &status) == 0) {
            reached = next;
            continue;
        }
        if (errno != EACCES)
            return QString();
        constexpr int mostLinks = 40; // as the system's own limit, against loops
        if (::lstat(encoded.constData(), &status) == 0 && S_ISLNK(status.st_mode) &&
            linksFollowed < mostLinks) {
            QStringList rest = parts.mid(i + 1);
            rest.prepend(QFileInfo(next).symLinkTarget());
            return unenterableFolder(rest.join(QLatin1Char('/')), linksFollowed + 1);
        }
        return reached.isEmpty() ? QStringLiteral("/") : reached;
    }
    return QString();
}

QString unenterableReason(const QString& folder) {
    return QStringLiteral("the program may not enter the folder %1, so the file cannot be reached")
        .arg(QDir::toNativeSeparators(folder));
}

// Why the program cannot see a file, or an empty text when it can: the file does not
// exist, or a folder on its path may not be entered.
QString unseenFileReason(const QString& absolutePath) {
    struct stat file {};
    if (::stat(QFile::encodeName(absolutePath).constData(), &file) == 0)
        return QString();
    if (const QString folder = unenterableFolder(absolutePath); !folder.isEmpty())
        return unenterableReason(folder);
    return QStringLiteral("the file does not exist");
}

} // namespace

RecordSource::RecordSource(const QString& table, const QStringList& fields)
    : m_table(table), m_fields(fields) {}

RecordSource::~RecordSource() {
    close();
}

BankStatus RecordSource::open(const QString& filePath) {
    close();
    const QFileInfo info(filePath);
    if (const QString unseen = unseenFileReason(info.absoluteFilePath()); !unseen.isEmpty())
        return BankStatus::failure(unseen);
    if (!info.isFile())
        return BankStatus::failure(QStringLiteral("it is not a file"));
    if (!info.isReadable())
        return BankStatus::failure(QStringLiteral("the file cannot be read"));
    // SQLite would take an empty file for an empty database.
    if (info.size() == 0)
        return BankStatus::failure(QStringLiteral("the file is empty"));

    m_path = info.absoluteFilePath();
    m_folder = QDir::toNativeSeparators(info.absolutePath());
    // mode=rw: a missing file is an error, never a new empty bank.
    m_connection = std::make_unique<BankConnection>(
        m_table,
        QUrl::fromLocalFile(info.absoluteFilePath()).toString() + QStringLiteral("?mode=rw"),
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (BankStatus opened = m_connection->open(); !opened) {
        close();
        return opened;
    }
    m_db = m_connection->db();
    // Nothing is added to the file, not even a look-up index: a bank without the
    // builder's indexes is searched without them.
    if (BankStatus status = checkTable(); !status) {
        close();
        return status;
    }
    return BankStatus::success();
}

void RecordSource::close() {
    qDeleteAll(m_queries);
    m_queries.clear();
    // This handle goes before the connection, which is removed with its last handle.
    m_db = QSqlDatabase();
    m_connection.reset();
    m_rowId = m_bookmark = 0;
    m_newPending = m_currentDeleted = false;
}

BankStatus RecordSource::checkTable() {
    // Reading the schema is also the first read of the file, so a file that is no
    // database at all is found out here, before anything could be written to it.
    QSqlQuery query(m_db);
    // Preparing reads the schema, so a lock or a file that is no database shows here.
    bool read = query.prepare(QStringLiteral("SELECT type FROM sqlite_master WHERE name = ? "
                                             "COLLATE NOCASE AND type IN ('table', 'view')"));
    if (read) {
        query.addBindValue(m_table);
        read = query.exec();
    }
    if (!read) {
        // A lock held by another program is no fault of the file.
        if (SqlFailure::isBusy(query.lastError()))
            return BankStatus::failure(SqlFailure::cause(query.lastError()));
        return failure(QStringLiteral("it cannot be read as a database"), query);
    }
    if (!query.next())
        return BankStatus::failure(QStringLiteral("it has no table \"%1\"").arg(m_table));
    // A view's rows come from a query stored in the file, which is never run.
    if (query.value(0).toString() == QLatin1String("view"))
        return BankStatus::failure(
            QStringLiteral("its \"%1\" is a view, not a table, and views stored in a bank are "
                           "not run")
                .arg(m_table));
    // Rows are found by their row numbers, which a WITHOUT ROWID table does not have.
    if (!query.prepare(QStringLiteral("SELECT rowid FROM %1 LIMIT 0").arg(quoted(m_table)))) {
        QSqlQuery sql(m_db);
        if (sql.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ? "
                                       "COLLATE NOCASE AND type = 'table'"))) {
            sql.addBindValue(m_table);
            if (sql.exec() && sql.next() &&
                sql.value(0).toString().contains(QStringLiteral("WITHOUT"), Qt::CaseInsensitive))
                return BankStatus::failure(
                    QStringLiteral("its table \"%1\" is a WITHOUT ROWID table, which the program "
                                   "does not support")
                        .arg(m_table));
        }
        return failure(QStringLiteral("it cannot be read as a database"), query);
    }
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(m_table))))
        return failure(QStringLiteral("it cannot be read as a database"), query);
    QStringList present;
    while (query.next())
        present << query.value(1).toString();
    QStringList missing;
    for (const QString& field : m_fields)
        if (!present.contains(field, Qt::CaseInsensitive))
            missing << field;
    if (!missing.isEmpty())
        return BankStatus::failure(QStringLiteral("its table \"%1\" lacks the field(s) %2")
                                       .arg(m_table, missing.join(QStringLiteral(", "))));
    return BankStatus::success();
}

bool RecordSource::hasTableNamed(const QString& name) {
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') "
                                 "AND name = ? COLLATE NOCASE"));
    query.addBindValue(name);
    if (!query.exec())
        return true;
    return query.next();
}

void RecordSource::bind(const QString& field, FieldBinding* binding) {
    m_bindings.append({field, binding});
}

BankStatus RecordSource::failure(const QString& what, const QSqlQuery& query) const {
    return failure(what, query.lastError());
}

BankStatus RecordSource::failure(const QString& what, const QSqlError& error) const {
    // SQLite takes a file it can no longer find at its path for one moved away; a folder
    // on the path that may no longer be entered hides it just the same.
    if (SqlFailure::isMoved(error))
        if (const QString folder = unenterableFolder(m_path); !folder.isEmpty())
            return BankStatus::failure(what + QStringLiteral(" because ") +
                                       unenterableReason(folder));
    return SqlFailure::checkedStatus(what, error, m_db, m_folder);
}

QSqlQuery& RecordSource::prepared(const QString& sql) {
    QSqlQuery*& query = m_queries[sql];
    if (!query) {
        query = new QSqlQuery(m_db);
        query->prepare(sql);
    }
    return *query;
}

BankStatus RecordSource::neighbour(const QString& sql, qint64 from, qint64& result) {
    result = 0;
    if (!m_db.isOpen())
        return BankStatus::failure(QStringLiteral("the question bank is not open"));
    QSqlQuery& query = prepared(sql.arg(quoted(m_table)));
    if (sql.contains(QLatin1Char('?')))
        query.bindValue(0, from);
    return firstRowId(query, QStringLiteral("the table could not be read"), result);
}

BankStatus RecordSource::firstRowId(QSqlQuery& query, const QString& what, qint64& result) {
    result = 0;
    if (!query.exec())
        return failure(what, query);
    if (query.next())
        result = query.value(0).toLongLong();
    query.finish();
    return BankStatus::success();
}

namespace {
const QString firstRowSql = QStringLiteral("SELECT min(rowid) FROM %1");
const QString lastRowSql = QStringLiteral("SELECT max(rowid) FROM %1");
const QString nextRowSql =
    QStringLiteral("SELECT rowid FROM %1 WHERE rowid > ? ORDER BY rowid LIMIT 1");
const QString previousRowSql =
    QStringLiteral("SELECT rowid FROM %1 WHERE rowid < ? ORDER BY rowid DESC LIMIT 1");
} // namespace

BankStatus RecordSource::moveFirst() {
    return moveBy(firstRowSql, ValidateAction::MoveFirst);
}
BankStatus RecordSource::moveLast() {
    return moveBy(lastRowSql, ValidateAction::MoveLast);
}
BankStatus RecordSource::moveNext() {
    return moveBy(nextRowSql, ValidateAction::MoveNext);
}
BankStatus RecordSource::movePrevious() {
    return moveBy(previousRowSql, ValidateAction::MovePrevious);
}

BankStatus RecordSource::moveBy(const QString& targetSql, ValidateAction action) {
    const bool stepping =
        action == ValidateAction::MoveNext || action == ValidateAction::MovePrevious;
    qint64 target = 0;
    if (!m_newPending) {
        if (stepping && m_rowId == 0)
            return moveFirst(); // no row yet: a step lands on the first
        if (BankStatus s = neighbour(targetSql, m_rowId, target); !s)
            return s;
        // Stepping past either end keeps the current row, untouched.
        if (stepping && target == 0)
            return BankStatus::success();
    }
    const bool wasPending = m_newPending;
    bool cancelled = false;
    if (BankStatus s = leaveRow(action, cancelled); !s || cancelled)
        return s;
    if (wasPending) {
        // The pending row was saved or dropped on leaving; step from where that left us.
        if (BankStatus s = neighbour(targetSql, m_rowId, target); !s)
            return s;
        if (target == 0)
            target = m_rowId;
    }
    m_currentDeleted = false;
    return show(target);
}

BankStatus RecordSource::findFirst(const QString& text, FindMode mode) {
    m_noMatch = true;
    if (!m_db.isOpen())
        return BankStatus::failure(QStringLiteral("the question bank is not open"));
    // The row is left before the search, found or not, so text typed into it is saved
    // even when no row matches (and a pending new row can be the one found).
    bool cancelled = false;
    BankStatus left = leaveRow(ValidateAction::Find, cancelled);
    if (cancelled)
        m_noMatch = false; // nothing was searched for, so nothing was missed
    if (cancelled || (!left && mode == FindMode::Search))
        return left;
    if (!left && m_newPending) {
        // A look-up goes on without the refused new row; the row before it is current.
        m_newPending = false;
        m_rowId = m_bookmark;
    }
    qint64 target = 0;
    if (BankStatus s = findRow(parseCriterion(text, m_fields), target); !s)
        return left ? s : left;
    m_noMatch = target == 0;
    if (m_noMatch && mode == FindMode::Search) {
        // The row stays current; showing it again clears what was just written back.
        if (!hasCurrentRow())
            return left;
        target = m_rowId;
    }
    m_currentDeleted = false;
    // A look-up that misses shows no row (target 0): empty controls, nothing to write.
    BankStatus shown = show(target);
    return left ? shown : left;
}

BankStatus RecordSource::findRow(const std::optional<Criterion>& criterion, qint64& result) {
    result = 0;
    if (!criterion)
        return BankStatus::success();
    QSqlQuery& query = prepared(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? COLLATE NOCASE "
                                               "ORDER BY rowid LIMIT 1")
                                    .arg(quoted(m_table), quoted(criterion->field)));
    query.bindValue(0, criterion->value);
    return firstRowId(query, QStringLiteral("the search could not be run"), result);
}

BankStatus RecordSource::addNew(const QHash<QString, QString>& given) {
    if (!m_db.isOpen())
        return BankStatus::failure(QStringLiteral("the question bank is not open"));
    bool cancelled = false;
    if (BankStatus s = leaveRow(ValidateAction::AddNew, cancelled); !s || cancelled)
        return s;
    m_bookmark = m_rowId;
    m_newPending = true;
    m_given = given;
    m_currentDeleted = false;
    showEmpty(given);
    return BankStatus::success();
}

BankStatus RecordSource::update() {
    if (!m_db.isOpen())
        return BankStatus::failure(QStringLiteral("the question bank is not open"));
    if (!m_newPending && !hasCurrentRow())
        return BankStatus::failure(QStringLiteral("there is no current record to save"));
    if (!validateAllows(ValidateAction::Update, anyBindingChanged()))
        return BankStatus::success();
    if (BankStatus s = m_newPending ? insertPending() : writeBack(); !s)
        return s;
    return showAfterWrite();
}

BankStatus RecordSource::saveTyped() {
    if (!m_db.isOpen())
        return BankStatus::success();
    if (m_newPending) {
        if (!anyTextTyped())
            return BankStatus::success();
        if (BankStatus s = insertPending(); !s)
            return s;
    } else if (!hasCurrentRow() || !anyBindingChanged()) {
        return BankStatus::success();
    } else if (BankStatus s = updateChangedFields(); !s) {
        return s;
    }
    return showAfterWrite();
}

BankStatus RecordSource::showAfterWrite() {
    // What was written is in the file and already shown; reading it back only brings
    // in how the file stored it, so a failed read tells of no lost change.
    static_cast<void>(show(m_rowId));
    return BankStatus::success();
}

BankStatus RecordSource::dropTyped() {
    if (m_newPending) {
        fillBindings(m_shown);
        return BankStatus::success();
    }
    return hasCurrentRow() ? show(m_rowId) : BankStatus::success();
}

void RecordSource::settleTyped() {
    for (const Bound& bound : m_bindings)
        if (bound.binding->writesBack() && bound.binding->isChanged())
            bound.binding->fill(bound.binding->text());
}

bool RecordSource::holdsText(const QString& field) const {
    const QVariant value = m_shown.value(m_fields.indexOf(field));
    return value.isNull() || value.typeId() == QMetaType::QString;
}

BankStatus RecordSource::deleteCurrent() {
    if (m_newPending)
        return BankStatus::failure(QStringLiteral("the new record has not been saved yet"));
    if (!hasCurrentRow())
        return BankStatus::failure(QStringLiteral("there is no current record to delete"));
    // Nothing typed is saved by a deletion, so none is offered.
    if (!validateAllows(ValidateAction::Delete, false))
        return BankStatus::success();
    return runInTransaction([this] {
        QSqlQuery& query =
            prepared(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_table)));
        query.bindValue(0, m_rowId);
        if (!query.exec())
            return failure(QStringLiteral("the record could not be deleted"), query);
        m_currentDeleted = true;
        return BankStatus::success();
    });
}

BankStatus RecordSource::refresh() {
    bool cancelled = false;
    if (BankStatus s = leaveRow(ValidateAction::Refresh, cancelled); !s || cancelled)
        return s;
    m_newPending = m_currentDeleted = false;
    qint64 first = 0;
    if (BankStatus s = neighbour(firstRowSql, 0, first); !s)
        return s;
    return show(first);
}

BankStatus RecordSource::leaveRow(ValidateAction action, bool& cancelled) {
    cancelled = false;
    if (!hasCurrentRow() && !m_newPending)
        return BankStatus::success();
    if (!validateAllows(action, anyBindingChanged())) {
        cancelled = true;
        return BankStatus::success();
    }
    return writeBack();
}

bool RecordSource::validateAllows(ValidateAction action, bool offerSave) {
    if (!m_validate)
        return true;
    qint16 code = static_cast<qint16>(action);
    qint16 save = offerSave ? -1 : 0;
    m_validate(code, save);
    return code != 0;
}

BankStatus RecordSource::writeBack() {
    if (m_newPending) {
        // Leaving a new row saves it only when text was typed into it; a new row
        // left empty is dropped, and the row before it is current again.
        if (anyTextTyped())
            return insertPending();
        m_newPending = false;
        m_rowId = m_bookmark;
        return BankStatus::success();
    }
    if (m_currentDeleted || !anyBindingChanged())
        return BankStatus::success();
    return updateChangedFields();
}

BankStatus RecordSource::insertPending() {
    QStringList names, marks;
    QVector<QVariant> written;
    for (const QString& field : m_fields) {
        names << quoted(field);
        marks << QStringLiteral("?");
        written << textFor(field);
    }
    qint64 added = 0;
    qint64 inserted = 0;
    BankStatus status = runInTransaction([&] {
        // Checked inside the write, so no other program can add the row in between.
        if (BankStatus s = givenRowAdded(added); !s || added != 0)
            return s;
        QSqlQuery& query = prepared(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(m_table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (int i = 0; i < m_fields.size(); ++i)
            query.bindValue(i, written.at(i));
        if (!query.exec())
            return failure(QStringLiteral("the new record could not be saved"), query);
        inserted = query.lastInsertId().toLongLong();
        return BankStatus::success();
    });
    if (status && added != 0) {
        // Another program's row is kept as it wrote it and becomes current; the typed
        // text stays in the boxes, no longer counted as typed.
        m_newPending = false;
        m_rowId = added;
        takeStoredAsShown();
        return BankStatus::failure(
            QStringLiteral("the new record was not saved because another program added one for "
                           "it since it was started here"),
            BankStatus::Kind::Conflict);
    }
    if (status) {
        m_rowId = inserted;
        m_newPending = false;
        takeWrittenAsShown(written);
    }
    return status;
}

BankStatus RecordSource::givenRowAdded(qint64& result) {
    result = 0;
    if (m_given.isEmpty())
        return BankStatus::success();
    QStringList conditions;
    QVector<QString> values;
    for (auto it = m_given.cbegin(); it != m_given.cend(); ++it) {
        conditions << quoted(it.key()) + QStringLiteral(" = ? COLLATE NOCASE");
        values << it.value();
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY rowid LIMIT 1")
                      .arg(quoted(m_table), conditions.join(QStringLiteral(" AND "))));
    for (const QString& value : values)
        query.addBindValue(value);
    return firstRowId(query, QStringLiteral("the new record could not be saved"), result);
}

void RecordSource::takeWrittenAsShown(const QVector<QVariant>& written) {
    m_shown = written;
    settleTyped();
}

BankStatus RecordSource::updateChangedFields() {
    const QHash<QString, QString> changed = changedValues();
    QStringList assignments, unchanged;
    QVector<QString> values;
    QVector<QVariant> shown;
    QVector<QVariant> written = m_shown;
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const QString& field = m_fields.at(i);
        if (!changed.contains(field))
            continue;
        written[i] = changed.value(field);
        assignments << quoted(field) + QStringLiteral(" = ?");
        values << changed.value(field);
        // IS compares NULL too; the value is bound as it was read, type and all.
        unchanged << quoted(field) + QStringLiteral(" IS ?");
        shown << m_shown.value(i);
    }
    // The comparison is part of the write, so no other program can change the row
    // between the two.
    BankStatus status = runInTransaction([&] {
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ? AND %3")
                          .arg(quoted(m_table), assignments.join(QStringLiteral(", ")),
                               unchanged.join(QStringLiteral(" AND "))));
        for (const QString& value : values)
            query.addBindValue(value);
        query.addBindValue(m_rowId);
        for (const QVariant& value : shown)
            query.addBindValue(value);
        if (!query.exec())
            return failure(QStringLiteral("the record could not be saved"), query);
        if (query.numRowsAffected() == 0)
            return BankStatus::failure(
                QStringLiteral("the record was not saved because another program changed or "
                               "removed it since it was shown here"),
                BankStatus::Kind::Conflict);
        return BankStatus::success();
    });
    if (!status && status.kind() == BankStatus::Kind::Conflict)
        takeStoredAsShown();
    else if (status)
        takeWrittenAsShown(written);
    return status;
}

void RecordSource::takeStoredAsShown() {
    QVector<QVariant> stored;
    bool found = false;
    if (!readRow(m_rowId, stored, found))
        return; // the next write-back compares with the old values and is refused again
    if (found)
        m_shown = stored;
    else
        m_currentDeleted = true;
    for (const Bound& bound : m_bindings)
        if (bound.binding->writesBack() && bound.binding->isChanged())
            bound.binding->fill(bound.binding->text());
}

BankStatus RecordSource::runInTransaction(const std::function<BankStatus()>& work) {
    // The statements are run here rather than through the driver's transaction calls,
    // whose errors lose SQLite's result code: a lock or a full disk at the commit is a
    // passing refusal like one at any other step. IMMEDIATE takes the write lock at
    // once, so what the work reads first cannot change before it writes.
    QSqlQuery control(m_db);
    if (!control.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failure(QStringLiteral("the question bank cannot be written"), control);
    BankStatus status = work();
    if (status && !control.exec(QStringLiteral("COMMIT")))
        status = failure(QStringLiteral("the change could not be saved"), control);
    // SQLite may have ended the transaction itself after a failure; then there is
    // nothing to roll back, and the refusal says so harmlessly.
    if (!status)
        static_cast<void>(control.exec(QStringLiteral("ROLLBACK")));
    return status;
}

bool RecordSource::anyBindingChanged() const {
    for (const Bound& bound : m_bindings)
        if (bound.binding->writesBack() && bound.binding->isChanged())
            return true;
    return false;
}

QHash<QString, QString> RecordSource::changedValues() const {
    QHash<QString, QString> values;
    for (const Bound& bound : m_bindings)
        if (bound.binding->writesBack() && bound.binding->isChanged() &&
            !values.contains(bound.field))
            values.insert(bound.field, bound.binding->text());
    return values;
}

bool RecordSource::anyTextTyped() const {
    for (const Bound& bound : m_bindings)
        if (bound.binding->writesBack() && bound.binding->isChanged() &&
            !bound.binding->text().trimmed().isEmpty())
            return true;
    return false;
}

QString RecordSource::textFor(const QString& field) const {
    const QHash<QString, QString> changed = changedValues();
    if (changed.contains(field))
        return changed.value(field);
    // An unchanged box shows what it was filled with: the given value or nothing.
    const QString shown = m_shown.value(m_fields.indexOf(field)).toString();
    return shown.isNull() ? QString(QLatin1String("")) : shown;
}

BankStatus RecordSource::readRow(qint64 rowId, QVector<QVariant>& values, bool& found) {
    QStringList names;
    for (const QString& field : m_fields)
        names << quoted(field);
    QSqlQuery& query = prepared(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                    .arg(names.join(QLatin1Char(',')), quoted(m_table)));
    query.bindValue(0, rowId);
    if (!query.exec())
        return failure(QStringLiteral("the record could not be read"), query);
    values = QVector<QVariant>(m_fields.size());
    found = query.next();
    if (found)
        for (int i = 0; i < m_fields.size(); ++i)
            values[i] = query.value(i);
    query.finish();
    return BankStatus::success();
}

BankStatus RecordSource::show(qint64 rowId) {
    m_rowId = rowId;
    if (rowId == 0) {
        showEmpty();
        return BankStatus::success();
    }
    QVector<QVariant> values;
    bool found = false;
    if (BankStatus s = readRow(rowId, values, found); !s)
        return s;
    if (!found)
        m_currentDeleted = true; // removed by another program meanwhile
    m_shown = values;
    fillBindings(values);
    return BankStatus::success();
}

void RecordSource::showEmpty(const QHash<QString, QString>& given) {
    QVector<QVariant> values(m_fields.size());
    for (auto it = given.cbegin(); it != given.cend(); ++it)
        if (const qsizetype column = m_fields.indexOf(it.key()); column >= 0)
            values[column] = it.value();
    m_shown = values;
    fillBindings(values);
}

void RecordSource::fillBindings(const QVector<QVariant>& values) {
    // Every control is filled before any change handler runs, so a handler always
    // sees the whole new row.
    QVector<FieldBinding*> changed;
    for (const Bound& bound : m_bindings) {
        const qsizetype column = m_fields.indexOf(bound.field);
        if (bound.binding->fill(column >= 0 ? values.at(column).toString() : QString()))
            changed << bound.binding;
    }
    for (FieldBinding* binding : changed)
        binding->notifyChanged();
}
