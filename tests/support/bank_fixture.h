// The bank fixture: test questions and hints written into a question bank file in a fresh temporary
// working folder.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TESTS_SUPPORT_BANK_FIXTURE_H
#define VARNEL_TESTS_SUPPORT_BANK_FIXTURE_H

#include "bank/field_binding.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <utility>

// One question as the tests write it into a bank: number, stem, answer, choices A to D.
struct TestQuestion {
    QString number;
    QString stem;
    QString answer;
    QString a, b, c, d;
};

struct TestHint {
    QString number;
    QString text;
};

// A question bank file written into a fresh temporary folder, the folder the
// program under test treats as its working directory.
class TestBank {
public:
    TestBank();
    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path(); }
    QString filePath() const;

    // Writes newgen2.mdb with both tables (and their indexes) and the given rows, in order.
    bool write(const QVector<TestQuestion>& questions, const QVector<TestHint>& hints = {});
    // Runs SQL statements on the written file (for fixtures the writer does not cover).
    bool exec(const QStringList& statements);
    // Reads one column of a table in row order, straight from the file.
    QStringList column(const QString& table, const QString& field) const;
    // The question numbers of table pool in row order.
    QStringList numbers() const;
    // Makes the database refuse every new pool row, as a full disk or a lock would, with
    // a constraint whose failure names "refused"; acceptNewQuestions() lifts it.
    bool refuseNewQuestions();
    bool acceptNewQuestions();
    // Overwrites the header of the last leaf page of table pool, as a failing disk
    // would: the rows before it still read. False when pool fills only one page.
    bool damageLastPoolPage();
    // Overwrites the first page, after the header page, whose content begins with marker
    // (an overflow page of a long text, past its 4-byte link), as a failing disk would.
    bool damagePageHolding(const QByteArray& marker);

    // A small General-class bank: a few questions of several topics with some hints.
    static QVector<TestQuestion> sampleQuestions();
    static QVector<TestHint> sampleHints();

private:
    QTemporaryDir m_dir;
};

// A bound box that a test types into.
class FakeBox : public FieldBinding {
public:
    bool fill(const QString& value) override {
        ++fills;
        changed = false;
        const bool differs = value != shown;
        shown = value;
        return differs;
    }
    void notifyChanged() override { ++notifications; }
    bool writesBack() const override { return true; }
    bool isChanged() const override { return changed; }
    QString text() const override { return shown; }
    void type(const QString& value) {
        shown = value;
        changed = true;
    }

    QString shown;
    bool changed = false;
    int fills = 0;
    int notifications = 0;
};

// Questions given as number and answer field; stems and choices name their number
// ("Stem of G1A01?", "G1A01 A").
QVector<TestQuestion> questions(const QVector<std::pair<QString, QString>>& numbersAndAnswers);
// Questions given by number alone, each answered by choice 1.
QVector<TestQuestion> plainQuestions(const QStringList& numbers);

#endif
