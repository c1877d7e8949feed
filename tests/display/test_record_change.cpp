// What a question change does to the main window: labels laid over their boxes, the
// topic box, the hint look-up, and the hint box with the Hint button and Hints menu.
// SPDX-License-Identifier: MIT

#include "display/frm_picture.h"
#include "drill/answer_placement.h"
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/outline_shape.h"
#include "widgets/twips.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextDocument>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

} // namespace

class TestRecordChange : public QObject {
    Q_OBJECT
private slots:
    void labelsLieOverShuffledBoxes();
    void topicAndHintOfNumber_data();
    void topicAndHintOfNumber();
    void blankRecordSkipsHintAndFigure();
    void noteOnQuestionWithoutHintAddsOnlyItsRow();
    void numberlessFirstQuestionAndBytesHintEditNothing();
    void hintStates_data();
    void hintStates();
    void typedHintIsSavedAndKept();
    void refusedNoteSave_data();
    void refusedNoteSave();
    void apostropheInNumberFindsNothingQuietly();
    void nestedQuestionChangeUsesLatestNumber();
};

void TestRecordChange::labelsLieOverShuffledBoxes() {
    WindowFixture fx(TestBank::sampleQuestions(), TestBank::sampleHints(), 0.99);
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const auto tops = AnswerPlacement::boxTops(6);
    QCOMPARE(twips::top(w.Text5), tops[0]);
    QVERIFY(tops != AnswerPlacement::rowTops); // placement 6 really moves the boxes

    const std::pair<QWidget*, QWidget*> pairs[] = {{w.Label13, w.Text3}, {w.Label12, w.Text1},
                                                   {w.Label8, w.Text5},  {w.Label9, w.Text6},
                                                   {w.Label10, w.Text7}, {w.Label11, w.Text8}};
    for (auto [label, box] : pairs)
        QCOMPARE(label->geometry(), box->geometry());
}

void TestRecordChange::topicAndHintOfNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("hint");

    // The bank starts on G9D10 ("Antennas And Feed Lines", "first hint"): a number
    // that changes no topic leaves that topic; one without a hint row shows no hint.
    const QString unchanged = QStringLiteral("Antennas And Feed Lines");
    QTest::newRow("spaces kept in the criterion") << " G5A01 "
                                                  << "Electrical Principles"
                                                  << "spaced hint";
    QTest::newRow("plain G5A01") << "G5A01"
                                 << "Electrical Principles"
                                 << "plain hint";
    QTest::newRow("lower case: no topic, hint found regardless of case")
        << "g5a01" << unchanged << "plain hint";
    QTest::newRow("one character: no topic, still searched") << "G" << unchanged << "one letter";
    QTest::newRow("A0") << "A0A01" << unchanged << "";
    QTest::newRow("E0") << "E0A01"
                        << "RF Safety"
                        << "";
    QTest::newRow("N0") << "N0A01" << unchanged << "";
    QTest::newRow("T0") << "T0A01"
                        << "RF Safety"
                        << "";
    QTest::newRow("E1") << "E1A01"
                        << "Commission's Rules"
                        << "";
    QTest::newRow("N9") << "N9A01"
                        << "Antennas And Feed Lines"
                        << "";
    QTest::newRow("G3") << "G3B02"
                        << "Radio Wave Propagation"
                        << "";
    QTest::newRow("digit first") << "5GA01" << unchanged << "";
    QTest::newRow("empty number: not the previous question's hint") << "" << unchanged << "";
}

void TestRecordChange::topicAndHintOfNumber() {
    QFETCH(QString, number);
    QFETCH(QString, topic);
    QFETCH(QString, hint);
    WindowFixture fx(plainQuestions({QStringLiteral("G9D10"), number}),
                     {{QStringLiteral("G9D10"), QStringLiteral("first hint")},
                      {QStringLiteral("G5A01"), QStringLiteral("plain hint")},
                      {QStringLiteral(" G5A01 "), QStringLiteral("spaced hint")},
                      {QStringLiteral("G"), QStringLiteral("one letter")}});
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Antennas And Feed Lines"));
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(w.Text1->text(), number);
    QCOMPARE(w.Combo1->currentText(), topic);
    QCOMPARE(w.Text10->toPlainText(), hint);
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestRecordChange::blankRecordSkipsHintAndFigure() {
    // A hint row with an empty number would be found if the blank record were searched.
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01"), QStringLiteral("E7B11")}),
                     {{QStringLiteral("E7B11"), QStringLiteral("figure hint")},
                      {QString(), QStringLiteral("empty number")}});
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QVERIFY(shown(w.Command11));
    w.Command11_Click();
    w.Combo1->setEditText(QStringLiteral("marker"));
    twips::setTop(w.Text5, 4320); // as if the rows had been drawn again

    QVERIFY(w.Data1->recordset().addNew().ok());
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Label8->geometry(), w.Text5->geometry());
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("marker"));
    QVERIFY(shown(w.Command11));
    QVERIFY(w.existingFrmPicture() && w.existingFrmPicture()->isVisible());
    // The hint source has left E7B11's row: nothing put into the box reaches a row.
    QCOMPARE(w.Text10->toPlainText(), QString());
    QVERIFY(w.Text10->isReadOnly());
    w.Text10->setPlainText(QStringLiteral("put there on a blank record"));
    QVERIFY(w.Data1->recordset().moveFirst().ok());
    QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints")),
             (QStringList{QStringLiteral("figure hint"), QStringLiteral("empty number")}));
}

void TestRecordChange::noteOnQuestionWithoutHintAddsOnlyItsRow() {
    WindowFixture fx;
    QVERIFY2(fx.openOn(QStringLiteral("G1A01"), Shown::active), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(press(w.Command8));
    const QByteArray before = fileHash(fx.bank.filePath());
    // Tab and Shift+Tab leave the box and type nothing.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QVERIFY(giveFocus(w.Text10));
        QTest::keyClick(w.Text10, key);
        QVERIFY(QApplication::focusWidget() != w.Text10);
    }
    // G1A02 has no hint row: left with its box empty, it adds none.
    for (const char* step : {"G1A02", "G1A01", "G1A02"})
        QVERIFY(goTo(w, QLatin1String(step)));
    QCOMPARE(fileHash(fx.bank.filePath()), before);
    QCOMPARE(w.Text10->placeholderText(), QStringLiteral("Type your own note for this question."));
    QVERIFY(press(w.Command8));
    QTest::keyClicks(w.Text10, QStringLiteral("My own note"));
    // Page Down and Page Up scroll the box, at its end too: reading never leaves the question.
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp})
        QTest::keyClick(w.Text10, key);
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A02"));
    QVERIFY(w.Data1->recordset().moveNext().ok()); // G5A01
    QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("GN")),
             (QStringList{"G0A02", "G1A01", "G5A01", "G1A02"}));
    QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints")),
             (QStringList{"Hint for G0A02", "See section 97.301(d).", "Ohm's law", "My own note"}));
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestRecordChange::numberlessFirstQuestionAndBytesHintEditNothing() {
    WindowFixture fx(plainQuestions({QString(), QStringLiteral("G1A01")}),
                     {{QStringLiteral("G0A03"), QStringLiteral("first hint row")},
                      {QStringLiteral("G1A01"), QString()}});
    QVERIFY(fx.bank.exec({QStringLiteral("UPDATE Hints SET hints = CAST('raw bytes' AS BLOB) "
                                         "WHERE GN = 'G1A01'")}));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    const QByteArray before = fileHash(fx.bank.filePath());
    // The first question has no number: its box shows no other question's hint.
    QCOMPARE(w.Text10->toPlainText(), QString());
    QVERIFY(w.Text10->isReadOnly());
    w.Text10->setPlainText(QStringLiteral("put there without a number"));
    QVERIFY(w.Data1->recordset().moveNext().ok());
    // A hint stored as bytes is shown, never written back, and said once.
    QCOMPARE(w.Text10->toPlainText(), QStringLiteral("raw bytes"));
    QVERIFY(w.Text10->isReadOnly());
    for (int i = 0; i < 2; ++i)
        QVERIFY(press(w.Command8));
    QCOMPARE(fx.dialogs.messages.size(), 1);
    QVERIFY(fx.dialogs.messages.first().contains(QStringLiteral("not stored as text")));
    QVERIFY(w.Data1->recordset().moveFirst().ok());
    QCOMPARE(fileHash(fx.bank.filePath()), before);
}

void TestRecordChange::hintStates_data() {
    // Events: h = Hint pressed, m = Help, Hints chosen, d = Data1 moves on.
    QTest::addColumn<QString>("events");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("button");
    QTest::addColumn<bool>("hint");

    QTest::addColumn<QString>("focus"); // the control with the focus, where it matters

    QTest::newRow("start") << "" << true << true << false << "";
    QTest::newRow("hint pressed") << "h" << true << true << true << "Text10";
    QTest::newRow("hint hidden on leaving") << "hd" << true << true << false << "";
    QTest::newRow("hints off while shown") << "hm" << false << false << false << "";
    QTest::newRow("hints off while hidden") << "m" << false << false << false << "";
    QTest::newRow("on again: button only") << "hmm" << true << true << false << "Command8";
    QTest::newRow("on again, hint pressed") << "hmmh" << true << true << true << "Text10";
    QTest::newRow("off stays off on leaving") << "md" << false << false << false << "";
    QTest::newRow("pressed twice") << "hh" << true << true << true << "Text10";
}

void TestRecordChange::hintStates() {
    QFETCH(QString, events);
    QFETCH(bool, checked);
    QFETCH(bool, button);
    QFETCH(bool, hint);
    QFETCH(QString, focus);
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    for (const QChar event : events) {
        if (event == u'h') {
            QVERIFY(shown(w.Command8));
            QTest::mouseClick(w.Command8, Qt::LeftButton);
        } else if (event == u'm') {
            w.mnuHelpHint->trigger();
        } else {
            QVERIFY(w.Data1->recordset().moveNext().ok());
        }
    }
    QCOMPARE(w.mnuHelpHint->isChecked(), checked);
    QCOMPARE(shown(w.Command8), button);
    QCOMPARE(shown(w.Text10), hint);
    if (!focus.isEmpty())
        QCOMPARE(w.focusWidget()->objectName(), focus);
}

void TestRecordChange::typedHintIsSavedAndKept() {
    WindowFixture fx;
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo* w = fx.window.get();
    QVERIFY(w->Data1->recordset().findFirst(QStringLiteral("GNumber = 'G1A01'")).ok());
    QTest::mouseClick(w->Command8, Qt::LeftButton);
    w->Text10->selectAll();
    QTest::keyClicks(w->Text10, QStringLiteral("Typed by the learner"));
    QCOMPARE(w->Text10->toPlainText(), QStringLiteral("Typed by the learner"));
    // Holding a note, the box shows three lines of it, over no shown control.
    const QRect grown = w->Text10->geometry();
    const int inside = grown.height() - 2 * w->Text10->frameWidth() -
                       2 * int(w->Text10->document()->documentMargin());
    QVERIFY(inside >= 3 * w->Text10->fontMetrics().lineSpacing());
    for (QWidget* other : w->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != w->Text10 && !other->isHidden() && !qobject_cast<OutlineShape*>(other))
            QVERIFY2(!other->geometry().intersects(grown), qPrintable(other->objectName()));

    // G1A02 has no hint row: the hint source still leaves the G1A01 row and saves it.
    QVERIFY(w->Data1->recordset().moveNext().ok());
    QCOMPARE(w->Text10->geometry(), twips::rect(120, 5040, 2535, 375)); // hidden in its place
    QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints")),
             (QStringList{QStringLiteral("Hint for G0A02"), QStringLiteral("Typed by the learner"),
                          QStringLiteral("Ohm's law")}));

    QVERIFY2(fx.restart(), qPrintable(fx.lastError));
    w = fx.window.get();
    QVERIFY(w->Data1->recordset().findFirst(QStringLiteral("GNumber = 'G1A01'")).ok());
    QCOMPARE(w->Text10->toPlainText(), QStringLiteral("Typed by the learner"));
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestRecordChange::refusedNoteSave_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("otherProgram"); // what another program does meanwhile (a; b)
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("stays");     // the question, with the note in its box
    QTest::addColumn<QString>("stored"); // the question's note in the end
    const QString hint = QStringLiteral("See section 97.301(d).");
    const QString busy = QStringLiteral("another program is using the file");
    QTest::newRow("read-only file")
        << "G1A01"
        << "read-only"
        << "cannot be kept: the question bank cannot be written because the file is read-only"
        << true << hint;
    QTest::newRow("file replaced on disk") << "G1A01"
                                           << "replace"
                                           << "the file was moved or replaced" << true << hint;
    QTest::newRow("write lock, hint row") << "G1A01"
                                          << "BEGIN IMMEDIATE" << busy << true << "Typed note";
    QTest::newRow("write lock, new note") << "G1A02"
                                          << "BEGIN IMMEDIATE" << busy << true << "Typed note";
    // A reader's shared lock lets the change be made but not committed.
    QTest::newRow("read lock at the commit")
        << "G1A01"
        << "BEGIN; SELECT count(*) FROM Hints" << busy << true << "Typed note";
    QTest::newRow("another program changed the hint")
        << "G1A01"
        << "UPDATE Hints SET hints = 'Changed elsewhere' WHERE GN = 'G1A01'"
        << "another program saved a note" << true << "Changed elsewhere";
    QTest::newRow("another program added the note")
        << "G1A02"
        << "INSERT INTO Hints (GN, hints) VALUES ('G1A02', 'Added elsewhere')"
        << "another program saved a note" << true << "Added elsewhere";
}

void TestRecordChange::refusedNoteSave() {
    QFETCH(QString, number);
    QFETCH(QString, otherProgram);
    QFETCH(QString, told);
    QFETCH(bool, stays);
    QFETCH(QString, stored);
    WindowFixture fx;
    fx.window->Data2->recordset().setBusyTimeout(50);
    QVERIFY2(fx.openOn(number), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(press(w.Command8));
    w.Text10->selectAll(); // the note replaces the hint shown
    QTest::keyClicks(w.Text10, QStringLiteral("Typed note"));
    const QString path = fx.bank.filePath();
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
    other.setDatabaseName(path);
    if (otherProgram == QStringLiteral("replace")) {
        QVERIFY(QFile::rename(path, path + QStringLiteral(".old")));
        QVERIFY(QFile::copy(path + QStringLiteral(".old"), path));
    } else if (otherProgram == QStringLiteral("read-only")) {
        // The hint source's own connection refuses writes, as a read-only file would.
        for (const QString& name : QSqlDatabase::connectionNames())
            if (name.contains(QStringLiteral("Hints")))
                QVERIFY(QSqlQuery(QSqlDatabase::database(name))
                            .exec(QStringLiteral("PRAGMA query_only = 1")));
    } else {
        QVERIFY(other.open());
        for (const QString& statement : otherProgram.split(QLatin1Char(';')))
            QVERIFY(QSqlQuery(other).exec(statement));
    }
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(w.Text1->text() == number, stays);
    QCOMPARE(w.Text10->toPlainText() == QStringLiteral("Typed note"), stays);
    QCOMPARE(fx.dialogs.messages.size(), 1);
    QVERIFY2(fx.dialogs.messages.first().contains(told), qPrintable(fx.dialogs.messages.first()));

    // The lock is gone, or the learner was told: the question changes, told once.
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(fx.dialogs.messages.size(), 1);
    const QStringList numbers = fx.bank.column(QStringLiteral("Hints"), QStringLiteral("GN"));
    QCOMPARE(numbers.count(number), 1);
    QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints"))
                 .at(numbers.indexOf(number)),
             stored);
}

void TestRecordChange::apostropheInNumberFindsNothingQuietly() {
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01"), QStringLiteral("G1A'1")}),
                     {{QStringLiteral("G1A01"), QStringLiteral("first hint")},
                      {QStringLiteral("G1A'1"), QStringLiteral("unreachable")}});
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(w.Text1->text(), QStringLiteral("G1A'1"));
    QVERIFY(w.Data2->recordset().noMatch());
    QCOMPARE(w.Text10->toPlainText(), QString());
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Commission's Rules"));
    QVERIFY(!shown(w.Command11));
    QVERIFY(fx.dialogs.messages.isEmpty());
}

void TestRecordChange::nestedQuestionChangeUsesLatestNumber() {
    // Moving to G7A01 posts a move to E7B11; it runs during G7A01's pending-events
    // pass, so the outer change must finish with E7B11's figure, not hide it.
    WindowFixture fx(
        plainQuestions({QStringLiteral("G1A01"), QStringLiteral("G7A01"), QStringLiteral("E7B11")}),
        {});
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(fx.bank.folder() + QStringLiteral("/A7-1.bmp"), "BMP"));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;

    int figureSteps = 0;
    QMetaObject::invokeMethod(
        &w,
        [&] {
            QCOMPARE(w.Text1->text(), QStringLiteral("G7A01"));
            QVERIFY(w.Data1->recordset().moveNext().ok());
            figureSteps = shown(w.Command11) ? 1 : 0;
        },
        Qt::QueuedConnection);
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(figureSteps, 1); // the nested change ran inside the outer one
    QCOMPARE(w.Text1->text(), QStringLiteral("E7B11"));
    QVERIFY(shown(w.Command11));
    QCOMPARE(w.frmPicture()->Image1->pixmap().size(), QSize(40, 30));
}

QTEST_MAIN(TestRecordChange)
#include "test_record_change.moc"
