// Long texts in the field labels: a choice's row first, then smaller in half points, cut
// short only below 7 points (nine pixels at 1x), and every question of the pool we ship
// whole in its box.
// SPDX-License-Identifier: MIT
#include "bank/pool_text_parser.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/fonts.h"
#include "widgets/text_fit.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QFile>
#include <QPlainTextEdit>
#include <QtTest>

class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void fitInBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<int>("room"); // the height the box may take (its row's)
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("cut");
        const QString sentence = QStringLiteral("Amateur Service communications must be "
                                                "reasonably accommodated, and regulations must");
        const QString longer = sentence.repeated(4);
        const QString g1b06d = sentence + QStringLiteral(" constitute the minimum practical to "
                                                         "accommodate a legitimate purpose of the "
                                                         "state or local entity");
        const double smallest = TextFit::smallestPoints;
        QTest::newRow("short text at design size")
            << "It heats body tissue" << QSize(409, 31) << 37 << 8.25 << false;
        QTest::newRow("empty text") << "" << QSize(10, 20) << 20 << 8.25 << false;
        QTest::newRow("three lines in a box for two: smaller")
            << sentence << QSize(200, 36) << 36 << 8.0 << false;
        QTest::newRow("G1B06 D: three lines in its row at design size")
            << g1b06d << QSize(406, 31) << 36 << 8.25 << false;
        QTest::newRow("too long for any size: cut")
            << longer << QSize(409, 31) << 37 << smallest << true;
        QTest::newRow("one word wider than the box: cut")
            << "Electromagnetically" << QSize(30, 40) << 40 << smallest << true;
    }
    void fitInBox() {
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QFETCH(int, room);
        QFETCH(double, points);
        QFETCH(bool, cut);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        // The row's height only for a text that its own box cannot hold at the design size.
        const bool whole = TextFit::fits(text, msSansSerif(8.25), box, flags);
        box.setHeight(TextFit::heightToShow(text, msSansSerif(8.25), box, room, flags));
        QCOMPARE(box.height(), whole ? box.height() : room);
        const TextFit::Fit fit = TextFit::fitInBox(text, msSansSerif(8.25), box, flags);
        QCOMPARE(fit.cut, cut);
        if (!cut) {
            // At most the size asked for, on the half-point grid below the design size.
            QVERIFY(fit.points <= points || fit.points == 8.25);
            QVERIFY(fit.points == 8.25 || std::fmod(fit.points * 2, 1.0) == 0);
            QCOMPARE(fit.text, text);
        } else {
            QCOMPARE(fit.points, TextFit::smallestPoints);
            QVERIFY(fit.text.endsWith(QChar(TextFit::ellipsis)));
            QVERIFY(text.startsWith(fit.text.chopped(1)));
        }
        QFont shown = msSansSerif(fit.points);
        QVERIFY(TextFit::fits(fit.text, shown, box, flags));
        // The largest size that fits: half a point more would not.
        if (!cut && fit.points < 8.25)
            QVERIFY(!TextFit::fits(text, msSansSerif(fit.points + 0.5), box, flags));
    }

    // Every stem and choice of the shipped pool fits its label at the window's scale,
    // so nothing is ever cut off; a cut label shows the whole text as its tooltip.
    void noQuestionOfTheShippedPoolIsCutOff() {
        QFile pool(
            QStringLiteral(VARNEL_SOURCE_DIR "/data/pools/general-2023-2027-6th-errata.txt"));
        QVERIFY2(pool.open(QIODevice::ReadOnly), qPrintable(pool.fileName()));
        const PoolTextResult parsed = PoolTextParser::parse(pool.readAll(), pool.fileName(),
                                                            PoolTextParser::Layout::WholePool);
        QVERIFY2(parsed.status().ok(), qPrintable(parsed.error.toString()));
        QCOMPARE(parsed.questions.size(), 423);

        // Shown as the window shows them, so a long choice may take its row's height.
        QVector<TestQuestion> bank;
        for (const PoolQuestion& q : parsed.questions)
            bank << TestQuestion{q.number,     q.stem,       q.answer,    q.choices[0],
                                 q.choices[1], q.choices[2], q.choices[3]};
        WindowFixture fx(bank);
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        int smaller = 0;
        int taller = 0;
        for (const PoolQuestion& q : parsed.questions) {
            QCOMPARE(w.Label12->text(), q.number);
            for (ClickLabel* label :
                 {w.Label12, w.Label13, w.Label8, w.Label9, w.Label10, w.Label11}) {
                const TextFit::Fit fit = label->shownText();
                QVERIFY2(!fit.cut, qPrintable(q.number + QLatin1String(": ") + label->text()));
                QVERIFY(label->toolTip().isEmpty());
                smaller += fit.points < defaultFontPoints;
            }
            for (ClickLabel* choice : w.choiceLabels())
                taller += choice->height() > w.Text5->height();
            QVERIFY(w.Data1->recordset().moveNext().ok());
        }
        QVERIFY(taller > 0); // the pool has choices longer than their box (G1B06 D)

        w.Label8->setFieldText(parsed.questions.first().stem.repeated(8));
        QVERIFY(w.Label8->shownText().cut);
        QCOMPARE(w.Label8->toolTip(), w.Label8->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Label8)->text(QAccessible::Name),
                 w.Label8->text());
        QCOMPARE(w.Label8->width(), w.Text5->width()); // the box never grows
    }
};

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"
