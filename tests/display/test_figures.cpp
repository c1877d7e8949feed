// The figure step and the figure and table windows: which bitmap a question loads,
// where the window goes, how big it gets, and how the windows live and die.
// SPDX-License-Identifier: MIT

#include "display/frm_picture.h"
#include "display/frm_table.h"
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "widgets/data_control.h"
#include "widgets/twips.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QtTest>

namespace {

bool writeBitmap(const TestBank& bank, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image.save(bank.folder() + u'/' + name, "BMP");
}

// Where corner placement puts a window of the given outer size, in pixels.
QPoint cornerFor(const FrmTheo& window, int outerWidth, int outerHeight) {
    const QRect screen = window.screen()->availableGeometry();
    return {twips::toPixels(twips::fromPixels(screen.x() + screen.width()) - outerWidth - 250),
            twips::toPixels(twips::fromPixels(screen.y() + screen.height()) - outerHeight - 250)};
}

// Runs the pending deletions, as the event loop does after a window is closed.
void letEventLoopTurn() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestFigures : public QObject {
    Q_OBJECT
private slots:
    void figureWindowAtCreation();
    void outerSizeBeforeFirstShowing();
    void tableWindowAtCreation();
    void tableWindowWithoutFile();
    void figureOfNumber_data();
    void figureOfNumber();
    void cornerPlacement();
    void fitToPicture();
    void missingOrUnreadableBitmap_data();
    void missingOrUnreadableBitmap();
    void plainQuestionHidesButtonAndWindows();
    void okThenShowPictureShowsTheSame();
    void closedFigureWindowComesBackFresh();
    void showPictureWithoutFigureOpensTable();
    void startupFlagDownSkipsFigureStep();
};

void TestFigures::figureWindowAtCreation() {
    FrmPicture window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Use This Picture"));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(window.autoFillBackground());
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.isHidden());
    const QPoint screenCorner = QGuiApplication::primaryScreen()->geometry().topLeft();
    QCOMPARE(window.geometry(), twips::rect(60, 345, 8985, 6060).translated(screenCorner));
    QVERIFY(window.maximumSize().width() > window.width()); // sizable

    QCOMPARE(window.Image1->geometry(), twips::rect(0, 0, 8822, 5400));
    QCOMPARE(window.image1Width(), 8822);
    QVERIFY(window.Image1->pixmap().isNull());
    QVERIFY(!window.Image1->hasScaledContents());
    QCOMPARE(window.Command1->text(), QStringLiteral("OK"));
    QCOMPARE(window.Command1->geometry(), twips::rect(4320, 5520, 735, 315));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QApplication::focusWidget(), window.Command1);
    QTest::keyClick(window.Command1, Qt::Key_Space);
    QVERIFY(window.isHidden());
}

void TestFigures::outerSizeBeforeFirstShowing() {
    // The frame of a window not yet shown is unknown; the main window's stands in.
    FrmPicture window;
    window.setFrameGuess(QMargins(4, 30, 4, 4));
    QCOMPARE(window.outerWidth(), twips::fromPixels(window.width() + 8));
    QCOMPARE(window.outerHeight(), twips::fromPixels(window.height() + 34));
    window.setOuterSize(9022, 9022);
    QCOMPARE(window.size(), QSize(twips::toPixels(9022) - 8, twips::toPixels(9022) - 34));
    QCOMPARE(window.outerWidth(), 9022);
    QCOMPARE(window.outerHeight(), 9022);
}

void TestFigures::tableWindowAtCreation() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NTO-1.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Band {\\b 20 m}\\par"
               "\\intbl a\\cell b\\cell\\row}");
    file.close();

    FrmTable window(path);
    QCOMPARE(window.windowTitle(), QStringLiteral("Use This Table"));
    QVERIFY(window.isHidden());
    QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed border
    QCOMPARE(window.size(), twips::rect(0, 0, 8955, 4845).size());
    QCOMPARE(window.RichTextBox1->geometry(), twips::rect(120, 240, 8655, 4575));
    QVERIFY(window.RichTextBox1->toPlainText().startsWith(QStringLiteral("Band 20 m")));
    QVERIFY(window.RichTextBox1->isReadOnly());
    // A screen reader hears the table's cells apart, at the caret's offsets.
    QAccessibleTextInterface* heard =
        QAccessible::queryAccessibleInterface(window.RichTextBox1)->textInterface();
    QVERIFY(heard);
    QCOMPARE(heard->text(0, heard->characterCount()), QStringLiteral("Band 20 m\na\tb\n"));
    window.RichTextBox1->moveCursor(QTextCursor::End);
    QCOMPARE(heard->cursorPosition(), heard->characterCount());
}

void TestFigures::tableWindowWithoutFile() {
    QTemporaryDir dir;
    FrmTable window(dir.filePath(QStringLiteral("NTO-1.rtf")));
    QVERIFY(window.RichTextBox1->document()->isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("NTO-1.rtf")))); // nothing created
}

void TestFigures::figureOfNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QSize>("picture"); // empty: no figure

    // Each bitmap written for the test has its own size, so the size names the file.
    QTest::newRow("E7B11") << "E7B11" << QSize(31, 21);
    QTest::newRow("E7B09") << "E7B09" << QSize(31, 21);
    QTest::newRow("E6B12 uses E7-1.bmp") << "E6B12" << QSize(33, 23);
    QTest::newRow("spaces around E5C12") << " E5C12 " << QSize(32, 22);
    QTest::newRow("e5c12") << "e5c12" << QSize();
    QTest::newRow("G7A01") << "G7A01" << QSize();
}

void TestFigures::figureOfNumber() {
    QFETCH(QString, number);
    QFETCH(QSize, picture);
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01"), number}), {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A7-1.bmp"), QSize(31, 21)));
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("E5-2.bmp"), QSize(32, 22)));
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("E7-1.bmp"), QSize(33, 23)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(!shown(w.Command11));
    QVERIFY(w.Data1->recordset().moveNext().ok());

    FrmPicture* window = w.existingFrmPicture();
    QVERIFY(window);
    QVERIFY(window->isHidden()); // the figure step never opens it
    QCOMPARE(shown(w.Command11), picture.isValid());
    QCOMPARE(w.sharedModule().FigureFlag, picture.isValid() ? flagTrue : flagFalse);
    if (picture.isValid()) {
        QCOMPARE(window->Image1->pixmap().size(), picture);
        QCOMPARE(window->Image1->size(), picture);
        QVERIFY(shown(window->Image1));
    }
}

void TestFigures::cornerPlacement() {
    WindowFixture fx(
        plainQuestions({QStringLiteral("G1A01"), QStringLiteral("E7B11"), QStringLiteral("E7B10"),
                        QStringLiteral("E5H01"), QStringLiteral("E7B09")}),
        {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A7-1.bmp"), QSize(120, 90)));
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A5-1.bmp"), QSize(300, 200)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;

    QVERIFY(w.Data1->recordset().moveNext().ok()); // E7B11
    FrmPicture* window = w.frmPicture();
    const QSize designSize = twips::rect(0, 0, 8985, 6060).size();
    QCOMPARE(window->size(), designSize); // moved, not sized
    QCOMPARE(window->pos(), cornerFor(w, window->outerWidth(), window->outerHeight()));
    QCOMPARE(window->Image1->pixmap().size(), QSize(120, 90));

    // The learner moves it away; the next question of the same figure brings it back.
    window->move(10, 10);
    QVERIFY(w.Data1->recordset().moveNext().ok()); // E7B10
    QCOMPARE(window->pos(), cornerFor(w, window->outerWidth(), window->outerHeight()));

    // After a fitted figure the corner is worked out from the new size.
    QVERIFY(w.Data1->recordset().moveNext().ok()); // E5H01
    QVERIFY(w.Data1->recordset().moveNext().ok()); // E7B09
    QCOMPARE(window->outerWidth(), 2000);          // 120 pixels of A7-1, plus 200
    QCOMPARE(window->pos(), cornerFor(w, 2000, 2000));
}

void TestFigures::fitToPicture() {
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01"), QStringLiteral("E5H01"),
                                     QStringLiteral("E5H02"), QStringLiteral("E6B05")}),
                     {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A5-1.bmp"), QSize(300, 200)));
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A6-1.bmp"), QSize(100, 400)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    FrmPicture* window = w.frmPicture();
    const QPoint position = window->pos();

    // First A5-1 question: nothing loaded yet, so the design width of Image1 decides.
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(window->outerWidth(), 9022);
    QCOMPARE(window->outerHeight(), 9022);
    QCOMPARE(window->frameGeometry().size(), QSize(twips::toPixels(9022), twips::toPixels(9022)));
    QCOMPARE(window->pos(), position);
    QCOMPARE(window->Image1->size(), QSize(300, 200));
    QCOMPARE(window->image1Width(), 4500);

    // The next one is sized by the width the loaded A5-1 gave the box, for both sides.
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(window->outerWidth(), 4700);
    QCOMPARE(window->outerHeight(), 4700);

    // A6-1 takes the width of the A5-1 shown before it, then shows its own.
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QCOMPARE(window->outerWidth(), 4700);
    QCOMPARE(window->Image1->size(), QSize(100, 400));
    QCOMPARE(window->pos(), position);
}

void TestFigures::missingOrUnreadableBitmap_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a bitmap") << QByteArray("BM this is not a bitmap");
}

void TestFigures::missingOrUnreadableBitmap() {
    QFETCH(QByteArray, content);
    WindowFixture fx(plainQuestions({QStringLiteral("E7B10"), QStringLiteral("E7B11")}), {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A7-1.bmp"), QSize(50, 40)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QCOMPARE(w.frmPicture()->Image1->pixmap().size(), QSize(50, 40));

    QFile file(fx.bank.folder() + QStringLiteral("/A7-1.bmp"));
    QVERIFY(file.remove());
    if (!content.isEmpty()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QVERIFY(w.frmPicture()->Image1->pixmap().isNull());
    QVERIFY(shown(w.Command11));
    QCOMPARE(w.sharedModule().FigureFlag, flagTrue);
    QVERIFY(fx.dialogs.messages.isEmpty());
    w.Command11_Click();
    QVERIFY(w.frmPicture()->isVisible());
}

void TestFigures::plainQuestionHidesButtonAndWindows() {
    WindowFixture fx(plainQuestions({QStringLiteral("E7B11"), QStringLiteral("G7A01")}), {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A7-1.bmp"), QSize(50, 40)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(!w.existingFrmTable());
    QTest::mouseClick(w.Command11, Qt::LeftButton);
    QVERIFY(w.frmPicture()->isVisible());

    QVERIFY(w.Data1->recordset().moveNext().ok());
    QVERIFY(!shown(w.Command11));
    QVERIFY(w.existingFrmPicture() && w.existingFrmPicture()->isHidden());
    QVERIFY(w.existingFrmTable() && w.existingFrmTable()->isHidden()); // created hidden
    QCOMPARE(w.sharedModule().FigureFlag, flagTrue);                   // never lowered again
    // Hidden, not discarded: the picture is still there.
    QCOMPARE(w.existingFrmPicture()->Image1->pixmap().size(), QSize(50, 40));
}

void TestFigures::okThenShowPictureShowsTheSame() {
    WindowFixture fx(plainQuestions({QStringLiteral("E7B11")}), {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A7-1.bmp"), QSize(50, 40)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.Command11_Click();
    FrmPicture* window = w.frmPicture();
    QVERIFY(window->isVisible());
    const QRect geometry = window->geometry();
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QVERIFY(window->isHidden());
    w.Command11_Click();
    QCOMPARE(w.frmPicture(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->geometry(), geometry);
    QCOMPARE(window->Image1->pixmap().size(), QSize(50, 40));
}

void TestFigures::closedFigureWindowComesBackFresh() {
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01"), QStringLiteral("E5H01")}), {});
    QVERIFY(writeBitmap(fx.bank, QStringLiteral("A5-1.bmp"), QSize(300, 200)));
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QPointer<FrmPicture> first = w.frmPicture();
    QCOMPARE(first->outerWidth(), 9022);
    w.Command11_Click();
    QVERIFY(first->isVisible());

    QVERIFY(first->close()); // the title bar's close button
    letEventLoopTurn();
    QVERIFY(first.isNull());
    QVERIFY(!w.existingFrmPicture());

    // Show Picture makes it afresh, at its design place, and gives it the question's figure.
    QVERIFY(press(w.Command11));
    FrmPicture* fresh = w.existingFrmPicture();
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(fresh->Image1->pixmap().size(), QSize(300, 200));
    const QPoint screenCorner = QGuiApplication::primaryScreen()->geometry().topLeft();
    QCOMPARE(fresh->geometry().topLeft(),
             twips::rect(60, 345, 1, 1).translated(screenCorner).topLeft());
}

void TestFigures::showPictureWithoutFigureOpensTable() {
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01")}), {});
    QFile file(fx.bank.folder() + QStringLiteral("/NTO-1.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi 160 m\\tab 1800\\par}");
    file.close();
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    QCOMPARE(w.sharedModule().FigureFlag, flagFalse);
    w.Command11_Click();
    QVERIFY(w.existingFrmTable() && w.existingFrmTable()->isVisible());
    QVERIFY(w.existingFrmTable()->RichTextBox1->toPlainText().startsWith(QStringLiteral("160 m")));
    QVERIFY(w.existingFrmPicture()->isHidden());
}

void TestFigures::startupFlagDownSkipsFigureStep() {
    WindowFixture fx(plainQuestions({QStringLiteral("G1A01"), QStringLiteral("E7B11")}), {});
    QVERIFY2(fx.open(), qPrintable(fx.lastError));
    FrmTheo& w = *fx.window;
    w.sharedModule().StartupFlag = flagFalse;
    QVERIFY(w.Data1->recordset().moveNext().ok());
    QVERIFY(!shown(w.Command11));
    QCOMPARE(w.sharedModule().FigureFlag, flagFalse);
}

QTEST_MAIN(TestFigures)
#include "test_figures.moc"
