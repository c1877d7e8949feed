// Opening the progress window on an Extra-sized bank (599 questions in 50 groups) with 100,000
// recorded answers and a history of practice exams: from File, Progress to the window painted, the
// window made afresh each time. Prints the median and other percentiles; the goal is under 100 ms.
//
// Usage: bench_progress_window [opens]   (offscreen unless QT_QPA_PLATFORM is set)
// SPDX-License-Identifier: MIT

#include "drill/random_draw.h"
#include "main_window/frm_theo.h"
#include "progress/frm_progress.h"
#include "progress/progress_records.h"
#include "synthetic_bank.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

class PrintingDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    QString inputBox(QWidget*, const QString&, const QString&) override { return {}; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int chooseItem(QWidget*, const QString&, const QStringList&) override { return -1; }
};

class FixedSeedDraw : public RandomDraw {
public:
    void randomize() override {}
    double rnd() override { return m_random.generateDouble(); }

private:
    QRandomGenerator m_random{7};
};

// Extra-like numbers: subelements 1 to 9 and 0, groups A to E in each, about a dozen
// questions a group; 599 in all.
QString extraNumber(qint64 i) {
    const qint64 group = i % 50;
    return QStringLiteral("E%1%2%3")
        .arg((group / 5 + 1) % 10)
        .arg(QChar(char16_t(u'A' + group % 5)))
        .arg(i / 50 + 1, 2, 10, QLatin1Char('0'));
}

// The records held in memory, each question's standing worked out from its answers
// on every read, as a store without a summary of its own would.
class BenchRecords : public ProgressRecords {
public:
    QString filePath() const override { return QString(); }
    BankStatus answers(QVector<FileAnswer>& out) override {
        out = recorded;
        return BankStatus::success();
    }
    BankStatus exams(QVector<FileExam>& out) override {
        out = taken;
        return BankStatus::success();
    }
    BankStatus questions(QVector<FileQuestion>& out) override {
        QHash<QString, FileQuestion> byNumber;
        for (const FileAnswer& a : recorded) {
            FileQuestion& q = byNumber[a.number];
            q.number = a.number;
            q.state = a.right && q.lastRight ? QStringLiteral("known") : QStringLiteral("learning");
            (a.right ? q.right : q.wrong)++;
            q.lastAnswered = a.answered;
            q.lastRight = a.right;
            q.due = a.answered.addDays(a.right ? 4 : 1);
        }
        out = byNumber.values().toVector();
        return BankStatus::success();
    }
    BankStatus merge(const QVector<FileAnswer>&, const QVector<FileExam>&, int&, int&) override {
        return BankStatus::failure(QStringLiteral("not measured"));
    }
    BankStatus reset(const QString&) override {
        return BankStatus::failure(QStringLiteral("not measured"));
    }

    QVector<FileAnswer> recorded;
    QVector<FileExam> taken;
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int opens = argc > 1 ? std::max(5, std::atoi(argv[1])) : 41;
    constexpr qint64 questions = 599;
    constexpr int answers = 100000;

    QTemporaryDir dir;
    if (!dir.isValid() || !writeSyntheticBank(dir.path(), questions, extraNumber)) {
        std::fprintf(stderr, "the bank could not be written\n");
        return 1;
    }
    BenchRecords records;
    QRandomGenerator random(11);
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-200);
    records.recorded.reserve(answers);
    for (int i = 0; i < answers; ++i)
        records.recorded << FileAnswer{extraNumber(random.bounded(questions)),
                                       start.addMSecs(qint64(i) * 170000), random.bounded(10) < 7,
                                       QStringLiteral("study")};
    for (int i = 0; i < 40; ++i)
        records.taken << FileExam{start.addDays(i * 5), 30 + i % 15, 50, 30 + i % 15 >= 37,
                                  QStringLiteral("E1 4/6; E2 5/5")};

    PrintingDialogs dialogs;
    FixedSeedDraw draw;
    FrmTheo window(dir.path(), dialogs, draw);
    if (BankStatus s = window.openQuestionBank(); !s) {
        std::fprintf(stderr, "%s\n", qPrintable(s.reason()));
        return 1;
    }
    window.show();
    window.setProgressRecords(&records);
    QCoreApplication::processEvents();

    std::vector<qint64> samples;
    QElapsedTimer timer;
    for (int i = 0; i < opens; ++i) {
        timer.start();
        window.mnuFileProgress->trigger();
        FrmProgress* progress = window.existingFrmProgress();
        progress->repaint(); // painted now, bars and all
        QCoreApplication::processEvents();
        samples.push_back(timer.nsecsElapsed());
        if (i == 0)
            std::printf("topics %d, exams listed %d\n", progress->tblTopics->rowCount(),
                        progress->tblExams->rowCount());
        progress->close(); // the next open makes the window afresh
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(samples.begin(), samples.end());
    auto at = [&](double share) {
        return samples[std::min(samples.size() - 1, size_t(share * double(samples.size())))] / 1e6;
    };
    std::printf("progress window, %lld questions, %d answers: median %.1f ms  p10 %.1f  p90 %.1f  "
                "max %.1f (%d opens)\n",
                static_cast<long long>(questions), answers, at(0.5), at(0.1), at(0.9),
                samples.back() / 1e6, opens);
    return 0;
}
