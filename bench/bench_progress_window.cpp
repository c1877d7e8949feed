// Opening the progress window on an Extra-sized bank (599 questions in 50 groups) with 100,000
// recorded answers and a history of practice exams: from File, Progress to the window painted, the
// window made afresh each time. Prints the median and other percentiles; the goal is under 100 ms.
//
// Usage: bench_progress_window [opens]   (offscreen unless QT_QPA_PLATFORM is set)
// SPDX-License-Identifier: MIT

#include "drill/random_draw.h"
#include "main_window/frm_theo.h"
#include "progress/frm_progress.h"
#include "progress/progress_store.h"
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
    // The store beside the bank, as the window finds it: 100,000 answers, 40 exams.
    QVector<FileAnswer> recorded;
    QVector<FileExam> taken;
    QRandomGenerator random(11);
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-200);
    recorded.reserve(answers);
    for (int i = 0; i < answers; ++i)
        recorded << FileAnswer{extraNumber(random.bounded(questions)),
                                       start.addMSecs(qint64(i) * 170000), random.bounded(10) < 7,
                                       QStringLiteral("study")};
    for (int i = 0; i < 40; ++i)
        taken << FileExam{start.addDays(i * 5), 30 + i % 15, 50, 30 + i % 15 >= 37,
                                  QStringLiteral("E1 4/6; E2 5/5")};

    {
        ProgressStore store(dir.path());
        int added = 0;
        int examsAdded = 0;
        if (BankStatus s = store.merge(recorded, taken, added, examsAdded); !s) {
            std::fprintf(stderr, "%s\n", qPrintable(s.reason()));
            return 1;
        }
        // Recording one answer: one transaction of its own, as after every judged click.
        std::vector<qint64> records;
        QElapsedTimer timer;
        for (int i = 0; i < 200; ++i) {
            timer.start();
            if (!store.record(extraNumber(i % questions), start.addDays(201).addMSecs(i), i % 3 != 0,
                              QStringLiteral("study")))
                return 1;
            records.push_back(timer.nsecsElapsed());
        }
        std::sort(records.begin(), records.end());
        std::printf("recording an answer (store of %d answers): median %.2f ms  p90 %.2f  max %.2f\n",
                    answers, records[records.size() / 2] / 1e6, records[records.size() * 9 / 10] / 1e6,
                    records.back() / 1e6);
    }

    PrintingDialogs dialogs;
    FixedSeedDraw draw;
    FrmTheo window(dir.path(), dialogs, draw);
    if (BankStatus s = window.openQuestionBank(); !s) {
        std::fprintf(stderr, "%s\n", qPrintable(s.reason()));
        return 1;
    }
    window.show();
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
