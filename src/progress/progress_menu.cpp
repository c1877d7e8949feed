// FrmTheo's handlers of what the learner knows: the progress window, and exporting, importing and
// resetting progress; none of them touches the question bank.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/paper_reader.h"
#include "bank/pool_text_parser.h"
#include "bank/text_rules.h"
#include "drill/topic_catalogue.h"
#include "main_window/frm_theo.h"
#include "progress/frm_progress.h"
#include "progress/progress_figures.h"
#include "progress/progress_file.h"
#include "progress/progress_records.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>
#include <QSet>

namespace {

// A progress file is a few megabytes for years of study; anything far larger is not one.
constexpr qint64 largestProgressFile = 256LL * 1024 * 1024;
// How many practice exams the window lists.
constexpr int recentExamCount = 10;

const QString csvFilter = QStringLiteral("Progress files (*.csv);;All files (*)");

// The same file, also under another name (a link, "..").
bool sameFile(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty())
        return canonicalA == canonicalB;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString plural(qsizetype n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The bank's questions as the figures and the import need them, read-only.
BankStatus readBankRows(const QString& bankFile, QVector<PaperRow>& rows) {
    PaperReader reader(bankFile);
    if (BankStatus s = reader.open(); !s)
        return s;
    return reader.rows(rows);
}

} // namespace

void FrmTheo::setProgressRecords(ProgressRecords* records) {
    m_progressRecords = records;
    refreshFrmProgress();
}

void FrmTheo::mnuFileProgress_Click() {
    FrmProgress* progress = frmProgress();
    refreshFrmProgress();
    showBesideStudy(progress);
}

void FrmTheo::refreshFrmProgress() {
    FrmProgress* progress = existingFrmProgress();
    if (!progress)
        return;
    // The figures are of the pool the learner is studying: that of the current question.
    const QString current = trimSpaces(Text1->text());
    const QChar poolLetter = current.isEmpty() ? QLatin1Char('G') : current.at(0);
    QVector<PaperRow> rows;
    if (BankStatus s = readBankRows(workingFile(BankSchema::fileName), rows); !s) {
        m_dialogs.message(this, QStringLiteral("The progress window could not read the question "
                                               "bank: %1.")
                                    .arg(s.reason()));
        rows.clear();
    }
    QVector<FileQuestion> questions;
    QVector<FileExam> exams;
    if (progressRecords()) {
        BankStatus s = progressRecords()->questions(questions);
        if (s)
            s = progressRecords()->exams(exams);
        if (!s) {
            // The window still shows the bank's topics, every question as new.
            m_dialogs.message(this, QStringLiteral("The recorded progress could not be read: "
                                                   "%1.")
                                        .arg(s.reason()));
            questions.clear();
            exams.clear();
        }
    }
    ProgressFigures figures =
        ProgressRules::figures(rows, poolLetter, ProgressRules::standings(questions));
    ProgressRules::countDue(questions, QDateTime::currentDateTime(), figures);
    figures.recentExams = ProgressRules::recentExams(exams, recentExamCount);
    progress->showFigures(figures);
}

void FrmTheo::mnuFileExportProgress_Click() {
    if (!progressRecords()) {
        m_dialogs.message(this, QStringLiteral("There is no progress to export: the progress "
                                               "store is not open."));
        return;
    }
    const QString bankFile = workingFile(BankSchema::fileName);
    const QString path = m_dialogs.saveFileName(
        this, QStringLiteral("Export Progress"),
        workingFile(
            QStringLiteral("progress %1.csv").arg(QDate::currentDate().toString(Qt::ISODate))),
        csvFilter);
    if (path.isEmpty())
        return;
    const bool bank = sameFile(path, bankFile);
    if (bank || sameFile(path, progressRecords()->filePath())) {
        m_dialogs.message(this, QStringLiteral("Progress was not exported: %1 is the %2 itself. "
                                               "Choose another file.")
                                    .arg(native(path), bank ? QStringLiteral("question bank")
                                                            : QStringLiteral("progress store")));
        return;
    }
    QVector<FileQuestion> questions;
    QVector<FileExam> exams;
    QVector<FileAnswer> answers;
    BankStatus s = progressRecords()->questions(questions);
    if (s)
        s = progressRecords()->exams(exams);
    if (s)
        s = progressRecords()->answers(answers);
    if (!s) {
        m_dialogs.message(this, QStringLiteral("Progress was not exported: the recorded progress "
                                               "could not be read: %1.")
                                    .arg(s.reason()));
        return;
    }
    const QByteArray bytes =
        ProgressFile::write(questions, exams, answers, QDateTime::currentDateTimeUtc()).toUtf8();
    // Written beside the target and renamed over it when whole, so a full disk or a
    // crash leaves a file that was there as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_dialogs.message(this, QStringLiteral("Progress was not exported to %1: %2.")
                                    .arg(native(path), file.errorString()));
        return;
    }
    m_dialogs.message(this, QStringLiteral("Progress exported to %1: %2 to %3 and %4.")
                                .arg(native(path), plural(answers.size(), "answer", "answers"),
                                     plural(questions.size(), "question", "questions"),
                                     plural(exams.size(), "practice exam", "practice exams")));
}

void FrmTheo::mnuFileImportProgress_Click() {
    if (!progressRecords()) {
        m_dialogs.message(this, QStringLiteral("Progress cannot be imported: the progress store "
                                               "is not open."));
        return;
    }
    const QString path =
        m_dialogs.openFileName(this, QStringLiteral("Import Progress"), m_workingDir, csvFilter);
    if (path.isEmpty())
        return;
    auto refuse = [&](const QString& reason) {
        m_dialogs.message(
            this, QStringLiteral("Nothing was imported from %1: %2.").arg(native(path), reason));
    };
    if (sameFile(path, workingFile(BankSchema::fileName)) ||
        sameFile(path, progressRecords()->filePath())) {
        refuse(QStringLiteral("it is the question bank or the progress store, not a progress "
                              "file"));
        return;
    }
    QFile file(path);
    if (file.size() > largestProgressFile) {
        refuse(QStringLiteral("it is far larger than any progress file"));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(file.errorString());
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    file.close();

    QVector<PaperRow> rows;
    if (BankStatus s = readBankRows(workingFile(BankSchema::fileName), rows); !s) {
        refuse(QStringLiteral("the question bank could not be read to check its numbers: %1")
                   .arg(s.reason()));
        return;
    }
    QSet<QString> bankNumbers;
    for (const PaperRow& row : rows) {
        const QString number = trimSpaces(row.number);
        if (PoolTextParser::isQuestionNumber(number))
            bankNumbers.insert(number);
    }
    const ProgressFileContents contents =
        ProgressFile::read(text, bankNumbers, QDateTime::currentDateTimeUtc());
    if (!contents.refusal.isNull()) {
        refuse(contents.refusal);
        return;
    }
    int answersAdded = 0;
    int examsAdded = 0;
    if (BankStatus s =
            progressRecords()->merge(contents.answers, contents.exams, answersAdded, examsAdded);
        !s) {
        refuse(QStringLiteral("the progress store refused it: %1").arg(s.reason()));
        return;
    }
    refreshFrmProgress();
    m_dialogs.message(
        this, ProgressFile::importMessage(native(path), contents, answersAdded, examsAdded));
}

void FrmTheo::mnuFileResetProgress_Click() {
    if (!progressRecords()) {
        m_dialogs.message(this, QStringLiteral("There is no progress to reset: the progress "
                                               "store is not open."));
        return;
    }
    QVector<FileAnswer> answers;
    QVector<FileExam> exams;
    BankStatus s = progressRecords()->answers(answers);
    if (s)
        s = progressRecords()->exams(exams);
    if (!s) {
        m_dialogs.message(this, QStringLiteral("Progress was not reset: the recorded progress "
                                               "could not be read: %1.")
                                    .arg(s.reason()));
        return;
    }
    // The topics of the pool being studied, in syllabus order, each with what it holds.
    const QString current = trimSpaces(Text1->text());
    const QChar poolLetter = current.isEmpty() ? QLatin1Char('G') : current.at(0);
    QStringList codes;
    QStringList items{QStringLiteral("All topics: %1 and %2")
                          .arg(plural(answers.size(), "answer", "answers"),
                               plural(exams.size(), "practice exam", "practice exams"))};
    for (const QString& code : ProgressRules::syllabusCodes(poolLetter)) {
        const auto count =
            std::count_if(answers.cbegin(), answers.cend(),
                          [&](const FileAnswer& a) { return a.number.startsWith(code); });
        codes << code;
        items << QStringLiteral("%1 (%2): %3")
                     .arg(TopicCatalogue::names().at(code.at(1).unicode() - '0'), code,
                          plural(count, "answer", "answers"));
    }
    const int chosen = m_dialogs.chooseItem(this, QStringLiteral("Reset the progress of:"), items);
    if (chosen < 0 || chosen >= items.size())
        return;
    const QString code = chosen == 0 ? QString() : codes.at(chosen - 1);
    QString question;
    if (code.isEmpty()) {
        question = QStringLiteral("Reset all progress? %1 and the history of %2 will be lost; "
                                  "every question starts again as new. This cannot be undone "
                                  "(Export keeps a copy first).")
                       .arg(plural(answers.size(), "recorded answer", "recorded answers"),
                            plural(exams.size(), "practice exam", "practice exams"));
    } else {
        const auto count =
            std::count_if(answers.cbegin(), answers.cend(),
                          [&](const FileAnswer& a) { return a.number.startsWith(code); });
        question = QStringLiteral("Reset the progress of %1 (%2)? Its %3 will be lost; its "
                                  "questions start again as new. The practice exam history "
                                  "stays. This cannot be undone (Export keeps a copy first).")
                       .arg(TopicCatalogue::names().at(code.at(1).unicode() - '0'), code,
                            plural(count, "recorded answer", "recorded answers"));
    }
    if (!m_dialogs.askYesNo(this, question))
        return;
    if (BankStatus r = progressRecords()->reset(code); !r) {
        m_dialogs.message(this, QStringLiteral("Progress was not reset: %1. Nothing was "
                                               "removed.")
                                    .arg(r.reason()));
        return;
    }
    refreshFrmProgress();
}

FrmProgress* FrmTheo::createFrmProgress() {
    return new FrmProgress([this] { mnuFileExportProgress_Click(); },
                           [this] { mnuFileImportProgress_Click(); },
                           [this] { mnuFileResetProgress_Click(); });
}

FrmProgress* FrmTheo::frmProgress() {
    return m_frmProgress.get();
}
FrmProgress* FrmTheo::existingFrmProgress() const {
    return m_frmProgress.existing();
}
