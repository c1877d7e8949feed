// The progress store: every judged answer and every finished practice exam, kept in a SQLite
// file of its own beside the question bank, never in the bank.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_PROGRESS_STORE_H
#define VARNEL_PROGRESS_PROGRESS_STORE_H

#include "bank/bank_connection.h"
#include "progress/progress_records.h"

#include <QStringList>
#include <memory>

// The learner's answers in "progress.sqlite" in the exam's folder. The file is made at the
// first thing to record, never before; one that is there but is not this program's progress
// file (another program's, damaged, empty) is refused with its name and reason and never
// written. Each answer is one transaction, and another program may record into the same file
// meanwhile (it waits for the other's lock as the bank does).
class ProgressStore : public ProgressRecords {
public:
    static constexpr const char* fileName = "progress.sqlite";

    explicit ProgressStore(const QString& folder);
    ~ProgressStore() override;
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    QString filePath() const override;
    BankStatus answers(QVector<FileAnswer>& answers) override;
    BankStatus exams(QVector<FileExam>& exams) override;
    BankStatus questions(QVector<FileQuestion>& questions) override;
    BankStatus merge(const QVector<FileAnswer>& answers, const QVector<FileExam>& exams,
                     int& answersAdded, int& examsAdded) override;
    BankStatus reset(const QString& topicCode) override;

    // Records one judged answer; where is "study", "exam" or "review".
    BankStatus record(const QString& number, const QDateTime& when, bool right,
                      const QString& where);
    // Records a finished exam and its answers in one transaction.
    BankStatus recordExam(const FileExam& exam, const QVector<FileAnswer>& answers);
    // The question last answered in the study window; empty when none was.
    BankStatus lastStudyQuestion(QString& number);
    // The questions whose last answer was wrong, oldest miss first.
    BankStatus missedSinceRight(QStringList& numbers);
    // The answered questions due at now, most overdue first (at most limit), and when the
    // next of the others falls due (null when none will).
    BankStatus due(const QDateTime& now, int limit, QStringList& numbers, QDateTime& next);

private:
    // Opens the file when it is there (or makes it when create is set); false in
    // present when there is no file and none was to be made.
    BankStatus connect(bool create, bool& present);
    BankStatus makeSchema();
    BankStatus insertAnswers(const QVector<FileAnswer>& answers, int& added);

    QString m_folder;
    std::unique_ptr<BankConnection> m_connection;
    BankStatus m_refusal = BankStatus::success(); // a file found not ours stays refused
};

#endif
