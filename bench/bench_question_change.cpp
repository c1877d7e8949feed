// The whole question change, from a move of Data1 through the label overlay, the
// topic box, the hint look-up, the pending-events pass and the figure step, on
// banks of 1,000 and 1,000,000 questions with as many hints. Prints the median and
// other percentiles of many changes; the goal is under 1 ms at both sizes, the large
// bank within 1.5 times the small.
//
// Usage: bench_question_change [changes per size]   (offscreen unless QT_QPA_PLATFORM is set)
// SPDX-License-Identifier: MIT

#include "bank/bank_schema.h"
#include "drill/random_draw.h"
#include "main_window/frm_theo.h"
#include "synthetic_bank.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A bank that refuses a move would be measured doing nothing: stop there.
void require(const BankStatus& status) {
    if (!status) {
        std::fprintf(stderr, "%s\n", qPrintable(status.reason()));
        std::exit(1);
    }
}

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

// Question numbers as the bank holds them: real-looking for the topic box, every
// tenth one a figure question, so the figure step loads a bitmap now and then.
QString numberOf(qint64 i) {
    static const char* const figures[] = {"E7B11", "E5H01", "E6B06", "T7B06"};
    if (i % 10 == 9)
        return QString::fromLatin1(figures[(i / 10) % 4]);
    return QStringLiteral("G%1%2%3")
        .arg(i % 10)
        .arg(QChar(char16_t(u'A' + (i / 10) % 5)))
        .arg(i, 7, 10, QLatin1Char('0'));
}

// Writes a bank of n questions and n hints, and the bitmaps of the figure questions in it.
bool writeBank(const QString& folder, qint64 n) {
    bool ok = writeSyntheticBank(folder, n, numberOf);
    QImage bitmap(600, 400, QImage::Format_Indexed8);
    bitmap.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bitmap.fill(0);
    for (const char* name : {"A7-1.bmp", "A5-1.bmp", "A6-1.bmp", "T7-3.bmp"})
        ok = ok && bitmap.save(QDir(folder).filePath(QString::fromLatin1(name)), "BMP");
    return ok;
}

struct Result {
    double median, p10, p90, max;
};

Result summarise(std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    auto at = [&](double share) {
        return ns[std::min(ns.size() - 1, size_t(share * double(ns.size())))] / 1e6;
    };
    return {at(0.5), at(0.1), at(0.9), ns.back() / 1e6};
}

void print(const char* what, qint64 n, const Result& r) {
    std::printf("%-28s %9lld questions: median %.3f ms  p10 %.3f  p90 %.3f  max %.3f\n", what,
                static_cast<long long>(n), r.median, r.p10, r.p90, r.max);
}

// Browse bar Next, and a jump to a question found by its number, many times each.
std::pair<Result, Result> measure(qint64 n, int changes) {
    QTemporaryDir dir;
    QElapsedTimer build;
    build.start();
    if (!dir.isValid() || !writeBank(dir.path(), n)) {
        std::fprintf(stderr, "the bank of %lld questions could not be written\n",
                     static_cast<long long>(n));
        std::exit(1);
    }
    std::printf("(bank of %lld questions written in %.1f s)\n", static_cast<long long>(n),
                build.elapsed() / 1000.0);
    PrintingDialogs dialogs;
    ClockRandomDraw draw;
    FrmTheo window(dir.path(), dialogs, draw);
    require(window.openQuestionBank());
    window.show();
    QCoreApplication::processEvents();
    RecordSource& pool = window.Data1->recordset();

    std::vector<qint64> next, jump;
    QElapsedTimer timer;
    qint64 position = 0;
    for (int i = 0; i < changes; ++i) {
        if (position == n - 1) { // the last row: start again, untimed
            require(pool.moveFirst());
            position = 0;
        }
        timer.start();
        require(pool.moveNext());
        next.push_back(timer.nsecsElapsed());
        ++position;
    }
    QRandomGenerator random(4);
    for (int i = 0; i < changes; ++i) {
        const QString criterion = QStringLiteral("GNumber = '%1'").arg(numberOf(random.bounded(n)));
        timer.start();
        require(pool.findFirst(criterion));
        jump.push_back(timer.nsecsElapsed());
    }
    return {summarise(next), summarise(jump)};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int changes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 3000;

    const auto [smallNext, smallJump] = measure(1000, changes);
    const auto [largeNext, largeJump] = measure(1000000, changes);
    print("question change, Next", 1000, smallNext);
    print("question change, Next", 1000000, largeNext);
    print("question change, by number", 1000, smallJump);
    print("question change, by number", 1000000, largeJump);
    std::printf("large / small (median): Next %.2f, by number %.2f\n",
                largeNext.median / smallNext.median, largeJump.median / smallJump.median);
    return 0;
}
