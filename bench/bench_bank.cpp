// Record source costs at two bank sizes, with and without the look-up indexes: opening
// and showing the first row, the moves, and the two look-ups of every question change.
// The cursor holds a rowid, never the table, so with its indexes the large bank should
// cost about what the small one does.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/field_binding.h"
#include "bank/record_source.h"
#include "synthetic_bank.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class Sink : public FieldBinding {
public:
    bool fill(const QString& value) override {
        const bool changed = value != m_text;
        m_text = value;
        return changed;
    }
    void notifyChanged() override {}
    bool writesBack() const override { return true; }
    bool isChanged() const override { return false; }
    QString text() const override { return m_text; }

private:
    QString m_text;
};

struct Cursor {
    Cursor(const QString& table, const QStringList& fields)
        : source(table, fields), sinks(fields.size()) {
        for (int i = 0; i < fields.size(); ++i)
            source.bind(fields.at(i), &sinks[static_cast<std::size_t>(i)]);
    }
    RecordSource source;
    std::vector<Sink> sinks;
};

void measure(int rows, bool indexed) {
    QTemporaryDir dir;
    if (!writeSyntheticBank(dir.path(), rows) || (!indexed && !dropLookUpIndexes(dir.path()))) {
        std::fprintf(stderr, "could not write a bank of %d rows\n", rows);
        return;
    }
    const QString path = QDir(dir.path()).filePath(BankSchema::fileName);
    const int runs = 2001;
    // Without an index a look-up reads the table up to its row: fewer runs suffice, and
    // the rows looked up are spread over the whole table.
    const int findRuns = indexed ? runs : 101;
    const qint64 stride = indexed ? 7919 : rows / findRuns + 1;

    const double open = medianMicroseconds(51, [&](int) {
        Cursor c(BankSchema::poolTable, BankSchema::poolFields());
        c.source.open(path);
        c.source.moveFirst();
    });

    Cursor pool(BankSchema::poolTable, BankSchema::poolFields());
    Cursor hints(BankSchema::hintsTable, BankSchema::hintFields());
    pool.source.open(path);
    hints.source.open(path);
    pool.source.moveFirst();
    const double next = medianMicroseconds(runs, [&](int) { pool.source.moveNext(); });
    const double last = medianMicroseconds(runs, [&](int i) {
        if (i % 2)
            pool.source.moveFirst();
        else
            pool.source.moveLast();
    });
    const double findNumber = medianMicroseconds(findRuns, [&](int i) {
        pool.source.findFirst(
            QStringLiteral("GNumber = '%1'").arg(syntheticNumber((i * stride) % rows)));
    });
    const double findHint = medianMicroseconds(findRuns, [&](int i) {
        hints.source.findFirst(
            QStringLiteral("GN = '%1'").arg(syntheticNumber((i * stride) % rows)));
    });
    // A question without a hint: the look-up that finds nothing.
    const double missHint = medianMicroseconds(
        findRuns, [&](int) { hints.source.findFirst(QStringLiteral("GN = 'none'")); });
    std::printf(
        "%9d rows, %s | open+first %8.1f us | MoveNext %6.1f us | MoveLast/First "
        "%6.1f us | FindFirst GNumber %9.1f us | FindFirst GN %9.1f us, none found %9.1f us\n",
        rows, indexed ? "indexed  " : "no index ", open, next, last, findNumber, findHint,
        missHint);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::printf("median of many runs, microseconds\n");
    // Banks from the builder have look-up indexes; a bank made otherwise may not, and
    // the program never adds them.
    for (const int rows : {1000, 1000000})
        for (const bool indexed : {true, false})
            measure(rows, indexed);
    return 0;
}
