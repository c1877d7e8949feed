// The progress window and the progress file from the File menu: topics in syllabus order with
// their figures, export then import into an empty store, refusals that keep files whole, and a
// reset after its confirmation.
// SPDX-License-Identifier: MIT

#include "exam/frm_review.h"
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "progress/frm_progress.h"
#include "progress/progress_records.h"
#include "widgets/click_label.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QCryptographicHash>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

namespace {

// Records kept in memory, with a plain stand-in for the schedule: answered means
// learning, the last two answers right means known, due a day after the last answer.
class MemoryRecords : public ProgressRecords {
public:
    QString filePath() const override { return path; }
    BankStatus answers(QVector<FileAnswer>& out) override {
        out = recorded;
        return BankStatus::success();
    }
    BankStatus exams(QVector<FileExam>& out) override {
        out = taken;
        return BankStatus::success();
    }
    BankStatus questions(QVector<FileQuestion>& out) override {
        QMap<QString, FileQuestion> byNumber;
        for (const FileAnswer& a : recorded) {
            FileQuestion& q = byNumber[a.number];
            const bool twiceRight = a.right && q.lastRight;
            q.number = a.number;
            q.state = twiceRight ? "known" : "learning";
            (a.right ? q.right : q.wrong)++;
            q.lastAnswered = a.answered;
            q.lastRight = a.right;
            q.due = a.answered.addDays(1);
        }
        out = byNumber.values().toVector();
        return BankStatus::success();
    }
    BankStatus merge(const QVector<FileAnswer>& answers, const QVector<FileExam>& exams,
                     int& answersAdded, int& examsAdded) override {
        answersAdded = examsAdded = 0;
        for (const FileAnswer& a : answers)
            if (!recorded.contains(a)) {
                recorded << a;
                ++answersAdded;
            }
        for (const FileExam& e : exams)
            if (std::none_of(taken.cbegin(), taken.cend(),
                             [&](const FileExam& t) { return t.taken == e.taken; })) {
                taken << e;
                ++examsAdded;
            }
        std::sort(recorded.begin(), recorded.end(),
                  [](const FileAnswer& x, const FileAnswer& y) { return x.answered < y.answered; });
        return BankStatus::success();
    }
    BankStatus reset(const QString& code) override {
        recorded.removeIf([&](const FileAnswer& a) { return a.number.startsWith(code); });
        if (code.isEmpty())
            taken.clear();
        return BankStatus::success();
    }

    QString path;
    QVector<FileAnswer> recorded;
    QVector<FileExam> taken;
};

QDateTime daysAgo(int days, int ms = 0) {
    return QDateTime::currentDateTimeUtc().addDays(-days).addMSecs(ms);
}

// A learner's records: G1A01 known, G5A01 learning after a wrong answer, G0A01 right
// once, and two practice exams.
void fill(MemoryRecords& records) {
    records.recorded = {{"G1A01", daysAgo(3), true, "study"},
                        {"G1A01", daysAgo(2), true, "review"},
                        {"G5A01", daysAgo(2, 5), false, "exam"},
                        {"G0A01", daysAgo(0), true, "study"}};
    records.taken = {{daysAgo(5), 20, 35, false, "G1 3/4; G0 2/2"},
                     {daysAgo(1), 27, 35, true, "G1 4/4; G0 1/2"}};
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

QStringList column(QTableWidget* table, int column) {
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells;
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT
private slots:
    void showsTopicsInSyllabusOrder();
    void exportThenImportIntoAnEmptyStore();
    void refusesToOverwriteBankOrStore();
    void resetsATopicAfterConfirmation();
    void answersComeBackInLaterRuns();
};

void TestProgressWindow::showsTopicsInSyllabusOrder() {
    WindowFixture f;
    QVERIFY2(f.open(Shown::active), qPrintable(f.lastError));
    MemoryRecords records;
    fill(records);
    f.window->setProgressRecords(&records);
    QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
    FrmProgress* progress = f.window->existingFrmProgress();
    QVERIFY(progress && progress->isVisible());
    QCOMPARE(column(progress->tblTopics, FrmProgress::topicName),
             (QStringList{"Commission's Rules", "Electrical Principles", "Practical Circuits",
                          "Antennas And Feed Lines", "RF Safety"}));
    // G1: G1A01 known (right at its last try), G1A02 new; G5: one learning.
    QCOMPARE(progress->tblTopics->item(0, FrmProgress::topicKnown)->text(), QStringLiteral("1"));
    QCOMPARE(progress->tblTopics->item(0, FrmProgress::topicNew)->text(), QStringLiteral("1"));
    QCOMPARE(progress->tblTopics->item(0, FrmProgress::topicRightLastTry)->text(),
             QStringLiteral("1"));
    QCOMPARE(progress->tblTopics->item(1, FrmProgress::topicLearning)->text(), QStringLiteral("1"));
    QCOMPARE(progress->tblTopics->item(0, FrmProgress::topicShares)->data(Qt::AccessibleTextRole),
             QVariant(QStringLiteral("1 known, 0 learning, 1 new")));
    QCOMPARE(column(progress->tblExams, 2), (QStringList{"yes", "no"})); // newest first
    QVERIFY(progress->lblPassChance->text().startsWith("Chance to pass the exam now: "));
    QVERIFY(progress->lblDue->text().startsWith("Due today: 2 questions"));
}

void TestProgressWindow::exportThenImportIntoAnEmptyStore() {
    WindowFixture f;
    QVERIFY2(f.open(), qPrintable(f.lastError));
    MemoryRecords records;
    fill(records);
    records.recorded << FileAnswer{"G9Z99", daysAgo(4), true, "study"}; // no longer in the bank
    f.window->setProgressRecords(&records);
    const QString path = QDir(f.bank.folder()).filePath("progress.csv");
    f.dialogs.fileAnswers << path;
    f.window->mnuFileExportProgress->trigger();
    QVERIFY(f.dialogs.messages.last().startsWith("Progress exported to"));

    MemoryRecords empty;
    f.window->setProgressRecords(&empty);
    f.dialogs.fileAnswers << path << path;
    f.window->mnuFileImportProgress->trigger();
    records.recorded.removeLast();
    QVector<FileQuestion> before, after;
    QVERIFY(records.questions(before) && empty.questions(after));
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        QCOMPARE(std::tie(after[i].number, after[i].state, after[i].due, after[i].right),
                 std::tie(before[i].number, before[i].state, before[i].due, before[i].right));
    QCOMPARE(empty.taken, records.taken);
    QVERIFY2(f.dialogs.messages.last().contains("Skipped 1 row: 1 with a number this bank"),
             qPrintable(f.dialogs.messages.last()));
    // A second import adds nothing: every row is recorded already.
    f.window->mnuFileImportProgress->trigger();
    QVERIFY2(f.dialogs.messages.last().contains("0 answers and 0 practice exams. Already "
                                                "recorded, so not added again: 4 answers and 2"),
             qPrintable(f.dialogs.messages.last()));
}

void TestProgressWindow::refusesToOverwriteBankOrStore() {
    WindowFixture f;
    QVERIFY2(f.open(), qPrintable(f.lastError));
    MemoryRecords records;
    fill(records);
    records.path = QDir(f.bank.folder()).filePath("progress.sqlite");
    QFile store(records.path);
    QVERIFY(store.open(QIODevice::WriteOnly) && store.write("store") == 5);
    store.close();
    f.window->setProgressRecords(&records);
    const QByteArray bank = bytesOf(f.bank.filePath());
    // The bank through another spelling of its folder, then the store.
    f.dialogs.fileAnswers << f.bank.folder() + "/./newgen2.mdb" << records.path;
    f.window->mnuFileExportProgress->trigger();
    f.window->mnuFileExportProgress->trigger();
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY(f.dialogs.messages.at(0).contains("is the question bank itself"));
    QVERIFY(f.dialogs.messages.at(1).contains("is the progress store itself"));
    QCOMPARE(bytesOf(f.bank.filePath()), bank);
    QVERIFY(store.open(QIODevice::ReadOnly));
    QCOMPARE(store.readAll(), QByteArray("store"));
    // Importing the bank is refused before anything is read into the store.
    f.dialogs.fileAnswers << f.bank.filePath();
    f.window->mnuFileImportProgress->trigger();
    QVERIFY(f.dialogs.messages.last().startsWith("Nothing was imported from"));
    QCOMPARE(records.recorded.size(), 4);
}

void TestProgressWindow::resetsATopicAfterConfirmation() {
    WindowFixture f;
    QVERIFY2(f.open(), qPrintable(f.lastError));
    MemoryRecords records;
    fill(records);
    f.window->setProgressRecords(&records);
    // Item 1 is the first topic in syllabus order, G1; No keeps everything.
    f.dialogs.itemAnswers << 1 << 1;
    f.dialogs.yesNoAnswers << false << true;
    f.window->mnuFileResetProgress->trigger();
    QVERIFY(f.dialogs.itemLists.last().contains("|Commission's Rules (G1): 2 answers|"));
    QCOMPARE(f.dialogs.questions.last(),
             QStringLiteral("Reset the progress of Commission's Rules (G1)? Its 2 recorded "
                            "answers will be lost; its questions start again as new. The "
                            "practice exam history stays. This cannot be undone (Export keeps a "
                            "copy first)."));
    QCOMPARE(records.recorded.size(), 4);
    f.window->mnuFileResetProgress->trigger();
    QCOMPARE(records.recorded.size(), 2);
    QCOMPARE(records.taken.size(), 2);
}

// Answers of one run are recorded beside the bank, never in it, and come back in the
// next: the miss is due and offered again by Review Missed; Continue goes back to it.
void TestProgressWindow::answersComeBackInLaterRuns() {
    WindowFixture f;
    QVERIFY2(f.open(Shown::active), qPrintable(f.lastError));
    const QByteArray bankBefore = bytesOf(f.bank.filePath());
    QVERIFY(goTo(*f.window, "G0A02"));
    f.window->Text5_Click(); // wrong: G0A02's answer is 2
    QVERIFY(goTo(*f.window, "G1A01"));
    f.window->Text7_Click(); // right
    QVERIFY(f.restart());
    QCOMPARE(bytesOf(f.bank.filePath()), bankBefore);
    QCOMPARE(f.window->Combo2->count(), 0); // the missed list starts empty in every run
    f.window->mnuFileDue_Click(); // the miss is due at once, the right one tomorrow
    FrmReview* review = f.window->existingFrmReview();
    QVERIFY(review && review->isVisible());
    QCOMPARE(review->questions().size(), 1);
    QCOMPARE(review->questions().first().number, QStringLiteral("G0A02"));
    QVERIFY(review->lblJudgement->text().startsWith("Due again: 1 "));
    QCOMPARE(review->windowTitle(), QStringLiteral("Varnel Theory - Due Questions"));
    QVERIFY(f.restart());
    f.window->mnuFileReview_Click();
    review = f.window->existingFrmReview();
    QVERIFY(review && review->isVisible());
    QCOMPARE(review->questions().size(), 1);
    QVERIFY(review->lblJudgement->text().contains("missed in earlier runs"));
    f.window->mnuFileContinue_Click();
    QCOMPARE(f.window->Text1->text().trimmed(), QStringLiteral("G1A01"));
    QVERIFY2(f.dialogs.messages.filter("not being kept").isEmpty(),
             qPrintable(f.dialogs.messages.join('|')));
}

QTEST_MAIN(TestProgressWindow)
#include "test_progress_window.moc"
