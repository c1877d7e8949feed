// The record source: one cursor over one table of the question bank, with its own connection, its
// moves, searches, validate step and write-back.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_RECORD_SOURCE_H
#define VARNEL_BANK_RECORD_SOURCE_H

#include "bank/bank_connection.h"
#include "bank/bank_status.h"
#include "bank/criterion.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

class FieldBinding;
class QSqlError;

// What a record source is about to do when it asks whether the current row may be left.
enum class ValidateAction : qint16 {
    Cancel = 0,
    MoveFirst = 1,
    MovePrevious = 2,
    MoveNext = 3,
    MoveLast = 4,
    AddNew = 5,
    Update = 6,
    Delete = 7,
    Find = 8,
    Refresh = 10,
};

// How a search treats the row it leaves and a search that finds nothing.
enum class FindMode {
    // A miss keeps the current row; a refused write-back refuses the search and keeps
    // the row with its typed text, so the learner can try again.
    Search,
    // A look-up that follows another source (the hint of the question on screen): a miss
    // leaves no row current and the bound controls empty, so nothing typed there can
    // reach a row; a refused write-back is reported but the look-up still goes on, as
    // the row left belongs to a question that is no longer shown.
    LookUp,
};

// One cursor over one table of the question bank, with its own connection.
//
// The cursor holds the rowid of its current row, never a copy of the table, so
// every move and search is one indexed query whatever the size of the table. Rows
// are visited in rowid order. Controls bound to a field are filled on every change
// of row; a bound text box whose text changed after the fill is written back into
// the row being left or saved, inside a transaction. A failed write-back refuses
// the move, so typed text is never lost. A field is written back only while it
// still holds what this source showed: when another program changed it meanwhile,
// its change stays, the write-back fails as a conflict, and the typed text stays
// in the boxes, no longer counted as typed, so that leaving again writes nothing.
class RecordSource {
public:
    using ValidateHandler = std::function<void(qint16& action, qint16& save)>;

    RecordSource(const QString& table, const QStringList& fields);
    ~RecordSource();
    RecordSource(const RecordSource&) = delete;
    RecordSource& operator=(const RecordSource&) = delete;

    // How long a write waits for another program's lock before it gives up.
    void setBusyTimeout(int milliseconds) { m_busyTimeoutMs = milliseconds; }
    // Opens the file read-write without ever creating it, defensively (its triggers and
    // views do not run), and checks that the table, not a view, and its fields are
    // there. Nothing is written to the file. No row is current until the first move.
    BankStatus open(const QString& filePath);
    // Releases the file. A pending new row and changed boxes are dropped, not saved.
    void close();
    bool isOpen() const { return m_db.isOpen(); }

    // Binds a control to a field; the source does not own it.
    void bind(const QString& field, FieldBinding* binding);
    // Runs just before the current row is left; setting action to 0 cancels the move.
    void setValidateHandler(ValidateHandler handler) { m_validate = std::move(handler); }

    BankStatus moveFirst();
    // On the last row, the last row stays current.
    BankStatus moveNext();
    // On the first row, the first row stays current.
    BankStatus movePrevious();
    BankStatus moveLast();
    // Leaves the current row as any move does (validate, write back), then makes the
    // first row (in row order) matching "Field = 'value'" current. A criterion that
    // does not parse matches nothing. Check noMatch() afterwards.
    BankStatus findFirst(const QString& criterion, FindMode mode = FindMode::Search);
    bool noMatch() const { return m_noMatch; }
    // Starts a new row, empty but for the given values (shown, not counted as typed),
    // that is saved by update(), or by leaving it after text was typed into it. Given
    // values name the row's owner: should another program have added a row with them
    // meanwhile, saving it is refused as a conflict and that row becomes current.
    BankStatus addNew(const QHash<QString, QString>& given = {});
    // Saves the pending new row, or the changed boxes of the current row. A write that
    // was committed is never reported as failed: should reading the row back fail, the
    // boxes keep what was written.
    BankStatus update();
    // Writes back what was typed as leaving the row would, but stays on the row: the
    // changed boxes of the current row, or the pending new row when text was typed
    // into it. Runs no validate step; with nothing typed, nothing is written. A
    // committed write is success, as in update().
    BankStatus saveTyped();
    // Forgets what was typed: the boxes show the current row as stored (or the pending
    // row's given values) again, so leaving writes nothing.
    BankStatus dropTyped();
    // Keeps what the boxes show but no longer counts it as typed, so leaving writes
    // nothing: for text the learner may still copy after its save was refused for good.
    void settleTyped();
    // Deletes the current row; the controls keep showing it until the next move.
    BankStatus deleteCurrent();
    // Reopens the table and makes its first row current.
    BankStatus refresh();

    bool hasCurrentRow() const { return m_rowId != 0 && !m_currentDeleted; }
    bool isNewPending() const { return m_newPending; }
    // Whether the field of the row shown holds text or nothing. A value stored as a
    // number or as raw bytes would come back altered from a box, so it is not for typing.
    bool holdsText(const QString& field) const;
    const QString& table() const { return m_table; }
    const QStringList& fields() const { return m_fields; }
    // Whether the open file has a table or view of that name, in any letter case; true
    // when the file cannot tell, so that only a name surely absent counts as absent.
    bool hasTableNamed(const QString& name);

private:
    struct Bound {
        QString field;
        FieldBinding* binding;
    };

    BankStatus moveBy(const QString& targetSql, ValidateAction action);
    BankStatus leaveRow(ValidateAction action, bool& cancelled);
    // Asks the validate handler whether action may go ahead; offerSave tells it that
    // typed text would be saved. True without a handler.
    bool validateAllows(ValidateAction action, bool offerSave);
    BankStatus writeBack();
    BankStatus insertPending();
    // Inside the insert's transaction: the first row with the pending row's given values.
    BankStatus givenRowAdded(qint64& result);
    BankStatus updateChangedFields();
    // After a committed write of these values: the boxes show them, no longer counted as typed.
    void takeWrittenAsShown(const QVector<QVariant>& written);
    // Reads the current row back after a committed write; a failure leaves the written
    // values shown and is no failure of the write.
    BankStatus showAfterWrite();
    // After a conflict: the row as stored now is what was shown, and the boxes keep
    // their text without counting it as typed.
    void takeStoredAsShown();
    BankStatus readRow(qint64 rowId, QVector<QVariant>& values, bool& found);
    BankStatus show(qint64 rowId);
    void showEmpty(const QHash<QString, QString>& given = {});
    void fillBindings(const QVector<QVariant>& values);
    bool anyBindingChanged() const;
    // Whether a changed box holds more than spaces and line breaks.
    bool anyTextTyped() const;
    QHash<QString, QString> changedValues() const;
    QString textFor(const QString& field) const;
    BankStatus neighbour(const QString& sql, qint64 from, qint64& result);
    BankStatus runInTransaction(const std::function<BankStatus()>& work);
    BankStatus checkTable();
    BankStatus findRow(const std::optional<Criterion>& criterion, qint64& result);
    // Runs a prepared query whose first column is a rowid; result is 0 when no row comes.
    BankStatus firstRowId(QSqlQuery& query, const QString& what, qint64& result);
    BankStatus failure(const QString& what, const QSqlQuery& query) const;
    BankStatus failure(const QString& what, const QSqlError& error) const;
    QSqlQuery& prepared(const QString& sql);

    QString m_table;
    QStringList m_fields;
    std::unique_ptr<BankConnection> m_connection; // named after the table
    QString m_path;                               // the file, as an absolute path
    QString m_folder;                             // the file's folder, named when it refuses a save
    QSqlDatabase m_db;
    int m_busyTimeoutMs = busyTimeoutMs;
    QVector<Bound> m_bindings;
    ValidateHandler m_validate;
    QHash<QString, QSqlQuery*> m_queries;
    // The fields as this source last read or set them, in field order: what the boxes
    // were filled with, and what a write-back expects still to find in the file.
    QVector<QVariant> m_shown;

    qint64 m_rowId = 0;    // 0: no current row
    qint64 m_bookmark = 0; // the row that was current when a new row was started
    bool m_newPending = false;
    QHash<QString, QString> m_given; // the values the pending new row was started with
    bool m_currentDeleted = false;
    bool m_noMatch = false;
};

#endif
