// The main window as a learner first meets it: controls where the layout puts them,
// start-up in order, the shuffled rows, the browse bar, and a bank that will not open.
// SPDX-License-Identifier: MIT
#include "about/frm_about.h"
#include "bank/bank_schema.h"
#include "display/frm_picture.h"
#include "display/frm_table.h"
#include "learner_actions.h"
#include "main_window/exam_launcher.h"
#include "main_window/frm_theo.h"
#include "widgets/announcer.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/twips.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

QRect twipsRect(const QWidget* w) {
    return QRect(twips::left(w), twips::top(w), twips::width(w), twips::height(w));
}

// The shown objects of a window's accessibility tree by name, as a screen reader finds them.
QMultiHash<QString, QAccessibleInterface*> accessibleByName(QWidget* window) {
    QMultiHash<QString, QAccessibleInterface*> found;
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeLast();
        if (node->state().invisible)
            continue;
        found.insert(node->text(QAccessible::Name), node);
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
    }
    return found;
}

// Turns Qt's accessibility on or off as a screen reader's bridge would; public API
// only tells the observers, and without it no event is delivered at all.
bool setScreenReaderListening(bool on) {
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        return false;
    platform->setActive(on);
    return QAccessible::isActive() == on;
}

QList<QObject*> nameChanges;
QList<QObject*> descriptionChanges;
QList<QObject*> shownObjects;
void spyOnNameChanges(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ObjectShow)
        shownObjects << event->object();
    if (event->type() == QAccessible::NameChanged)
        nameChanges << event->object();
    if (event->type() == QAccessible::DescriptionChanged)
        descriptionChanges << event->object();
}

// Claims every Ctrl key for the control it watches, as a line edit claims Ctrl+E ("end of
// line") on X11; line edits under the test platform follow another key scheme.
struct ClaimsCtrlKeys : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        const bool claim = event->type() == QEvent::ShortcutOverride &&
                           static_cast<QKeyEvent*>(event)->modifiers() == Qt::ControlModifier;
        if (claim)
            event->accept();
        return claim;
    }
};

// An exam under way when the window closes: none, or one the learner keeps or leaves.
constexpr int noExam = 0, examKept = 1, examLeft = 2;

// Whether any object below an interface says it is showing.
bool anyShowingBelow(QAccessibleInterface* node) {
    for (int i = 0; i < node->childCount(); ++i)
        if (!node->child(i)->state().invisible || anyShowingBelow(node->child(i)))
            return true;
    return false;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // twips
        QTest::addColumn<bool>("shown");
        struct Row {
            const char* name;
            int l, t, w, h;
            bool shown;
        };
        const Row rows[] = {
            {"Label7", 240, 480, 3015, 255, true},       {"Combo1", 3480, 480, 3855, 315, true},
            {"List1", 8760, 480, 375, 255, false},       {"Data2", 2520, 480, 1140, 300, false},
            {"Label5", 240, 1200, 1455, 255, true},      {"Text1", 360, 1560, 615, 285, false},
            {"Command6", 360, 1920, 1095, 255, true},    {"Text3", 2520, 1200, 5175, 975, false},
            {"Command11", 1560, 1440, 855, 615, false},  {"Command7", 240, 1440, 135, 255, false},
            {"Label6", 240, 3000, 855, 1095, true},      {"Label1", 1080, 2640, 375, 375, true},
            {"Label2", 1080, 3240, 375, 375, true},      {"Label3", 1080, 3840, 375, 375, true},
            {"Label4", 1080, 4320, 375, 375, true},      {"Text4", 480, 2520, 495, 375, false},
            {"Frame1", 240, 3960, 855, 855, true},       {"Option1", 120, 240, 615, 255, true},
            {"Option2", 120, 480, 615, 255, true},       {"Data1", 2880, 5040, 2895, 375, true},
            {"Combo2", 6000, 5040, 1095, 315, true},     {"Text10", 120, 5040, 2535, 375, false},
            {"Command8", 7200, 0, 735, 255, true},       {"Text11", 6240, 240, 1335, 285, false},
            {"Text12", 240, 5040, 975, 285, false},      {"Command1", 120, 0, 1095, 255, false},
            {"Command2", 1320, 0, 975, 255, false},      {"Command5", 2400, 0, 975, 255, false},
            {"Command9", 6360, 0, 735, 255, false},      {"Command3", 0, 4560, 1455, 375, false},
            {"Command10", 1200, 4800, 1575, 255, false}, {"Command4", 1680, 5040, 375, 375, false},
            {"Text9", 2400, 5040, 255, 375, false},      {"Text2", 8640, 840, 495, 285, false},
            {"Shape3", 120, 360, 7815, 615, true},       {"Shape2", 120, 1080, 7815, 1215, true},
            {"Shape1", 120, 2400, 7815, 2535, true},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << QRect(r.l, r.t, r.w, r.h)
                                  << r.shown;
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, shown);
        WindowFixture fx;
        QVERIFY(fx.open());
        fx.window->show();
        QWidget* widget = control(fx.window.get(), name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(twipsRect(widget), geometry);
        QCOMPARE(widget->isVisible(), shown);
        // The window keeps its size (it cannot be maximised), and enlarging it moves nothing.
        QCOMPARE(fx.window->maximumSize(), fx.window->minimumSize());
        fx.window->resize(fx.window->size() * 2);
        QCoreApplication::processEvents();
        QCOMPARE(twipsRect(widget), geometry);
    }

    void captionsFontsAndMenus() {
        WindowFixture fx;
        FrmTheo& w = *fx.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnel Theory"));
        QCOMPARE(w.Data1->caption(), QStringLiteral("Click Here To Browse"));
        QCOMPARE(w.Data2->caption(), QStringLiteral("Data2"));
        QCOMPARE(w.Combo2->currentText(), QStringLiteral("Missed"));
        QCOMPARE(w.Label6->text(), QStringLiteral("Click The Answer"));
        QCOMPARE(w.Label6->font().pointSizeF(), 12.0);
        QCOMPARE(w.Label7->font().pointSizeF(), 9.75);
        QCOMPARE(w.Command6->font().pointSizeF(), 8.25);
        QVERIFY(!w.Command2->isEnabled());
        QVERIFY(w.Command1->isEnabled());
        QCOMPARE(w.mnuThFile->title(), QStringLiteral("&File"));
        QCOMPARE(w.mnuFileExit->text(), QStringLiteral("E&xit"));
        QCOMPARE(w.mnuHelp->title(), QStringLiteral("&Help"));
        QCOMPARE(w.mnuHelpHint->text(), QStringLiteral("H&ints"));
        QVERIFY(w.mnuHelpHint->isChecked());
        QCOMPARE(w.mnuHelpAbout->text(), QStringLiteral("&About"));
        QCOMPARE(w.mnuHelpPrivileges->text(), QStringLiteral("Band &Privileges\u2026"));
        QCOMPARE(w.mnuHelp->actions(),
                 (QList<QAction*>{w.mnuHelpHint, w.mnuHelpPrivileges, w.mnuHelpAbout}));
        for (auto* button : {w.Data1->firstButton(), w.Data1->previousButton(),
                             w.Data1->nextButton(), w.Data1->lastButton()})
            QVERIFY(!button->accessibleName().isEmpty());
        for (QWidget* learnerControl :
             std::initializer_list<QWidget*>{w.Combo1, w.Command6, w.Command8, w.Combo2, w.Text10})
            QVERIFY2(!learnerControl->accessibleName().isEmpty(),
                     qPrintable(learnerControl->objectName()));
    }

    // A screen reader finds the number, the stem and the choices by what they show, each
    // choice a button with a press action that names its row; a new question is announced.
    void screenReaderReadsTheQuestion() {
        const auto previousHandler = QAccessible::installUpdateHandler(spyOnNameChanges);
        QVERIFY(setScreenReaderListening(true));
        WindowFixture fx(TestBank::sampleQuestions(), TestBank::sampleHints(), 0.5);
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* announcer = w.findChild<Announcer*>();
        QVERIFY(announcer->lastSaid().isEmpty()); // the first question comes with the window
        for (const QString& number : {QStringLiteral("G0A01"), QStringLiteral("G0A02")}) {
            const auto tree = accessibleByName(&w);
            QCOMPARE(tree.value(number)->text(QAccessible::Description),
                     QStringLiteral("Question number"));
            QCOMPARE(tree.value(QStringLiteral("Stem of %1?").arg(number))
                         ->text(QAccessible::Description),
                     QStringLiteral("Question"));
            QStringList rows;
            for (const char letter : {'A', 'B', 'C', 'D'}) {
                QAccessibleInterface* choice =
                    tree.value(QStringLiteral("%1 choice %2").arg(number).arg(QLatin1Char(letter)));
                QVERIFY(choice);
                QCOMPARE(choice->role(), QAccessible::Button);
                QVERIFY(choice->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()));
                rows << choice->text(QAccessible::Description);
            }
            // Draw 0.5 puts the choices A, B, C, D in rows B, C, D, A.
            QCOMPARE(rows, (QStringList{"Choice in row B", "Choice in row C", "Choice in row D",
                                        "Choice in row A"}));
            QCOMPARE(QAccessible::queryAccessibleInterface(w.Text10)->text(QAccessible::Name),
                     QStringLiteral("Hint text"));
            QAccessibleInterface* topic = QAccessible::queryAccessibleInterface(w.Combo1);
            QCOMPARE(topic->text(QAccessible::Name), QStringLiteral("Topic"));
            QCOMPARE(topic->text(QAccessible::Value), QStringLiteral("RF Safety"));
            if (number == QStringLiteral("G0A01")) {
                // Drill mode: the blue choice (A, in row B) says so, and the change is told.
                QAccessibleInterface* choiceA = tree.value(QStringLiteral("G0A01 choice A"));
                descriptionChanges.clear();
                QVERIFY(press(w.Option2));
                QCOMPARE(choiceA->text(QAccessible::Description),
                         QStringLiteral("Choice in row B, right answer"));
                QCOMPARE(descriptionChanges, QList<QObject*>{w.Label8});
                QVERIFY(press(w.Option1));
                QCOMPARE(choiceA->text(QAccessible::Description),
                         QStringLiteral("Choice in row B"));
            }
            if (number == QStringLiteral("G0A01")) {
                nameChanges.clear();
                shownObjects.clear();
                // G0A01's answer is A: pressing it answers and moves on, as a click does.
                tree.value(QStringLiteral("G0A01 choice A"))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
                QTRY_COMPARE(fx.dialogs.messages, QStringList{"    Correct"});
                // Every label announces its new text.
                for (QObject* label :
                     {w.Label8, w.Label9, w.Label10, w.Label11, w.Label12, w.Label13})
                    QVERIFY2(nameChanges.contains(label), qPrintable(label->objectName()));
                // The focus stays where it was, so the new question is told once as a notification.
                QTRY_COMPARE(
                    announcer->lastSaid(),
                    QStringLiteral("Question G0A02: Stem of G0A02? Four choices, A to D."));
                // (Qt tells a widget's showing twice; the bridge passes it on once.)
                QCOMPARE(QSet<QObject*>(shownObjects.begin(), shownObjects.end()),
                         QSet<QObject*>{announcer});
                QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(),
                         QAccessible::Notification);
            }
        }
        // In Drill mode the right row is told too (G1A01's C stands in row D); a question
        // change that moves the focus is heard through the focus instead.
        QVERIFY(press(w.Option2));
        QVERIFY(press(w.Data1->nextButton()));
        QTRY_COMPARE(announcer->lastSaid(),
                     QStringLiteral("Question G1A01: Stem of G1A01? Four "
                                    "choices, A to D; the right answer is D."));
        shownObjects.clear();
        QVERIFY(press(w.Data1->nextButton()));
        w.Option1->setFocus();
        QTest::qWait(50);
        QVERIFY(shownObjects.isEmpty());
        // Never shown, never offered as showing.
        QVERIFY(!anyShowingBelow(QAccessible::queryAccessibleInterface(w.List1)));
        for (QWidget* window :
             std::initializer_list<QWidget*>{w.frmPicture(), w.frmTable(), w.frmAbout()}) {
            QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(frame->role(), QAccessible::Window);
            QCOMPARE(frame->text(QAccessible::Name), window->windowTitle().trimmed());
        }
        QAccessible::installUpdateHandler(previousHandler);
        setScreenReaderListening(false);
    }

    void startUpFillsTheListsAndPicksQuizMode() {
        WindowFixture fx;
        FrmTheo& w = *fx.window;
        QCOMPARE(w.sharedModule().StartupFlag, qint16(-1));
        QCOMPARE(w.List1->count(), 10);
        QCOMPARE(w.Combo1->count(), 10);
        QCOMPARE(w.List1->item(0)->text(), QStringLiteral("RF Safety"));
        QCOMPARE(w.Combo1->itemText(9), QStringLiteral("Antennas And Feed Lines"));
        QCOMPARE(w.Combo1->currentText(), QStringLiteral("Commission's Rules"));
        QVERIFY(w.Option1->isChecked());
        QVERIFY(!w.Option2->isChecked());
        QCOMPARE(fx.draw.randomizeCalls, 1);
        QCOMPARE(fx.draw.rndCalls, 1);
    }

    void drawPlacesTheAnswerRows_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QVector<int>>("tops"); // Text5..Text8
        QTest::newRow("1") << 0.0 << QVector<int>{2520, 3120, 3720, 4320};
        QTest::newRow("2") << 0.2 << QVector<int>{4320, 2520, 3120, 3720};
        QTest::newRow("3") << 0.4 << QVector<int>{3720, 4320, 2520, 3120};
        QTest::newRow("4") << 0.6 << QVector<int>{3120, 3720, 4320, 2520};
        QTest::newRow("5") << 0.7 << QVector<int>{3120, 2520, 4320, 3720};
        QTest::newRow("6") << 0.99 << QVector<int>{3720, 4320, 3120, 2520};
    }
    void drawPlacesTheAnswerRows() {
        QFETCH(double, draw);
        QFETCH(QVector<int>, tops);
        WindowFixture fx(TestBank::sampleQuestions(), TestBank::sampleHints(), draw);
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        const QWidget* boxes[] = {w.Text5, w.Text6, w.Text7, w.Text8};
        const QWidget* labels[] = {w.Label8, w.Label9, w.Label10, w.Label11};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(twips::top(boxes[i]), tops.at(i));
            QCOMPARE(twips::left(boxes[i]), 1560);
            QCOMPARE(twips::width(boxes[i]), 6135);
            QCOMPARE(twips::height(boxes[i]), 495);
            // After the first question each choice label stands where its box stands.
            QCOMPARE(labels[i]->geometry(), boxes[i]->geometry());
        }
        QCOMPARE(w.Label12->geometry(), w.Text1->geometry());
        QCOMPARE(w.Label13->geometry(), w.Text3->geometry());
    }

    void firstQuestionFillsEveryBoundControl() {
        WindowFixture fx;
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        QCOMPARE(w.Text1->text(), QStringLiteral("G0A01"));
        QCOMPARE(w.Label12->text(), QStringLiteral("G0A01"));
        QCOMPARE(w.Label13->text(), QStringLiteral("Stem of G0A01?"));
        QCOMPARE(w.Text4->text(), QStringLiteral("1"));
        QCOMPARE(w.Label8->text(), QStringLiteral("G0A01 choice A"));
        QCOMPARE(w.Label11->text(), QStringLiteral("G0A01 choice D"));
        QCOMPARE(w.Combo1->currentText(), QStringLiteral("RF Safety"));
    }

    void browseBarVisitsTheRowsInOrderAndStopsAtBothEnds() {
        WindowFixture fx;
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        fx.window->show();
        const QStringList numbers =
            fx.bank.column(QStringLiteral("pool"), QStringLiteral("GNumber"));
        QStringList seen{w.Label12->text()};
        for (int i = 0; i < numbers.size() + 2; ++i) {
            QTest::mouseClick(w.Data1->nextButton(), Qt::LeftButton);
            if (seen.last() != w.Label12->text())
                seen << w.Label12->text();
        }
        QCOMPARE(seen, numbers);
        QTest::mouseClick(w.Data1->firstButton(), Qt::LeftButton);
        QCOMPARE(w.Label12->text(), QStringLiteral("G0A01"));
        QTest::mouseClick(w.Data1->previousButton(), Qt::LeftButton);
        QCOMPARE(w.Label12->text(), QStringLiteral("G0A01"));
        QTest::mouseClick(w.Data1->lastButton(), Qt::LeftButton);
        QCOMPARE(w.Label12->text(), QStringLiteral("G9D11"));
        QTest::mouseClick(w.Data1->previousButton(), Qt::LeftButton);
        QCOMPARE(w.Label12->text(), QStringLiteral("G9D10"));
        QVERIFY(fx.dialogs.messages.isEmpty());
    }

    void tabOrderStartsAtSearch() {
        WindowFixture fx;
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Command6));
        // The question, its choices in the order of their rows, then the browse bar's buttons.
        auto c = w.choiceLabels();
        std::sort(c.begin(), c.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QList<QWidget*> expected{w.Combo1, w.Combo2, w.Command8, w.Option1, w.Label13};
        expected << c[0] << c[1] << c[2] << c[3] << w.Data1->firstButton()
                 << w.Data1->previousButton() << w.Data1->nextButton() << w.Data1->lastButton();
        for (const QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // An editable combo box gives its focus to its line edit.
            while (focus && !focus->objectName().startsWith(QLatin1String("Co")) &&
                   !focus->objectName().startsWith(QLatin1String("Op")) && focus->parentWidget() &&
                   qobject_cast<QComboBox*>(focus->parentWidget()))
                focus = focus->parentWidget();
            QCOMPARE(focus, next);
        }
    }

    // The browse keys, wherever the focused control leaves them, and the menus' shortcuts
    // from every control, also from the boxes whose editing keys would take them.
    void keysWorkWhereverTheFocusIs_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("browseKeys"); // the combo boxes take Page Up and Page Down
        QTest::newRow("Search") << "Command6" << true;
        QTest::newRow("topic box") << "Combo1" << false;
        QTest::newRow("missed list") << "Combo2" << false;
        QTest::newRow("choice") << "Label8" << true;
        QTest::newRow("browse bar") << "Next" << true;
    }
    void keysWorkWhereverTheFocusIs() {
        QFETCH(QString, focus);
        QFETCH(bool, browseKeys);
        WindowFixture fx;
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        const QStringList numbers = fx.bank.numbers();
        QVERIFY(showAndActivate(&w));
        QWidget* focused =
            focus == QStringLiteral("Next") ? w.Data1->nextButton() : control(&w, focus);
        QVERIFY(giveFocus(focused));
        ClaimsCtrlKeys claims;
        focused->installEventFilter(&claims);
        const auto keysGive = [&](QKeyCombination key, const QString& number) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            return w.Label12->text() == number;
        };
        if (browseKeys) {
            QVERIFY(keysGive(Qt::CTRL | Qt::Key_End, numbers.last()));
            QVERIFY(keysGive(QKeyCombination(Qt::Key_PageUp), numbers.at(numbers.size() - 2)));
            QVERIFY(keysGive(Qt::CTRL | Qt::Key_Home, numbers.first()));
            QVERIFY(keysGive(QKeyCombination(Qt::Key_PageDown), numbers.at(1)));
            if (focus == QStringLiteral("Next")) // and its button answers Space
                QVERIFY(keysGive(QKeyCombination(Qt::Key_Space), numbers.at(2)));
        }
        // Band Privileges: the table window, read from its top.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
        FrmTable* table = w.existingFrmTable();
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->RichTextBox1->textCursor().position(), 0);
        QCOMPARE(table->RichTextBox1->verticalScrollBar()->value(), 0);
        QTest::keyClick(table, Qt::Key_Escape);

        QVERIFY(showAndActivate(&w));
        QVERIFY(giveFocus(focused));
        QSignalSpy exam(w.mnuFileExam, &QAction::triggered);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(exam.count(), 1);
    }

    void emptyTablesOpenWithEmptyFields() {
        WindowFixture fx({}, {});
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        w.show();
        QCOMPARE(w.Text1->text(), QString());
        QCOMPARE(w.Label13->text(), QString());
        for (auto* button : {w.Data1->firstButton(), w.Data1->previousButton(),
                             w.Data1->nextButton(), w.Data1->lastButton()})
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(w.Text1->text(), QString());
        QVERIFY(fx.dialogs.messages.isEmpty());
    }

    void bankThatWillNotOpenIsNamedAndLeftAsItWas_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "does not exist";
        QTest::newRow("not a database") << QByteArray(4096, 'x') << "cannot be read as a database";
        QTest::newRow("locked by another program") << QByteArray("locked")
                                                   << "another program is using the file; try "
                                                      "again when that program is closed";
    }
    void bankThatWillNotOpenIsNamedAndLeftAsItWas() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        WindowFixture fx;
        // "locked": the sample bank, held by another program's exclusive transaction.
        const bool locked = content == "locked";
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        if (locked) {
            QFile file(fx.bank.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            content = file.readAll();
            other.setDatabaseName(fx.bank.filePath());
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        } else
            QFile::remove(fx.bank.filePath());
        if (!content.isNull() && !locked) {
            QFile file(fx.bank.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QVERIFY(!fx.open());
        QVERIFY(fx.lastError.contains(BankSchema::fileName));
        QVERIFY(fx.lastError.contains(QDir::toNativeSeparators(fx.bank.folder())));
        QVERIFY2(fx.lastError.contains(reason), qPrintable(fx.lastError));
        QCOMPARE(QFile::exists(fx.bank.filePath()), !content.isNull());
        if (!content.isNull()) {
            QFile file(fx.bank.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }

    void closingEndsWithAllWindowsAndSavesOnlyTheNote_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("note"); // typed into the hint box of G0A01, which has no row
        QTest::addColumn<int>("exam");
        QTest::newRow("close box") << false << "" << noExam;
        QTest::newRow("File, Exit") << true << "" << noExam;
        QTest::newRow("close box, note typed") << false << "My note" << noExam;
        QTest::newRow("File, Exit, note typed") << true << "My note" << noExam;
        QTest::newRow("close box, exam kept, note typed") << false << "My note" << examKept;
        QTest::newRow("File, Exit, exam left") << true << "" << examLeft;
    }
    void closingEndsWithAllWindowsAndSavesOnlyTheNote() {
        QFETCH(bool, byMenu);
        QFETCH(QString, note);
        QFETCH(int, exam);
        WindowFixture fx;
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        w.show();
        w.frmPicture()->show();
        if (exam != noExam) {
            w.mnuFileExam->trigger();
            fx.dialogs.yesNoAnswers = {exam == examLeft};
        }
        const bool stays = exam == examKept;
        w.Text3->setPlainText(QStringLiteral("typed but never saved"));
        QVERIFY(press(w.Command8));
        QTest::keyClicks(w.Text10, note);
        const QStringList hints = fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints"));
        if (byMenu)
            w.mnuFileExit->trigger();
        else
            QCOMPARE(w.close(), !stays);
        QCOMPARE(fx.dialogs.questions,
                 exam == noExam ? QStringList()
                                : QStringList{"Leave the practice exam? Your answers will not be "
                                              "kept."});
        // Kept, the exam and the study window stay as they were; the note is saved first.
        QCOMPARE(w.isVisible(), stays);
        QCOMPARE(w.existingFrmPicture() != nullptr, stays);
        QCOMPARE(w.existingFrmExam() != nullptr, stays);
        QCOMPARE(fx.bank.column(QStringLiteral("pool"), QStringLiteral("Question")).first(),
                 QStringLiteral("Stem of G0A01?"));
        QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints")),
                 note.isEmpty() ? hints : hints + QStringList{note});
        QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("GN")).last(),
                 note.isEmpty() ? QStringLiteral("G5A01") : QStringLiteral("G0A01"));
        QVERIFY(fx.dialogs.messages.isEmpty());
    }

    // Study goes on; the Hint button says once that notes cannot be saved.
    void bankWithoutHintsTableServesForStudy() {
        WindowFixture fx;
        QVERIFY(fx.bank.exec({QStringLiteral("DROP TABLE Hints")}));
        QVERIFY2(fx.open(), qPrintable(fx.lastError));
        FrmTheo& w = *fx.window;
        for (int presses = 0; presses < 2; ++presses) {
            QVERIFY(press(w.Command8));
            QVERIFY(w.Data1->recordset().moveNext().ok());
        }
        QCOMPARE(fx.dialogs.messages.size(), 1);
        QVERIFY2(fx.dialogs.messages.first().contains(QStringLiteral("notes cannot be saved")),
                 qPrintable(fx.dialogs.messages.first()));
        QVERIFY(w.Text10->isReadOnly());
        w.mnuFileExit->trigger();
        QCOMPARE(fx.dialogs.messages.size(), 1);
    }

    // File, Study <exam>: the note typed is saved first, then the other exam's program
    // is started and this one ends; a start that fails is told and the window stays.
    void studyingAnotherExam_data() {
        QTest::addColumn<bool>("starts");
        QTest::newRow("started") << true;
        QTest::newRow("cannot start") << false;
    }
    void studyingAnotherExam() {
        QFETCH(bool, starts);
        struct : ExamLauncher {
            bool start(Examination exam) override {
                started << exam;
                return starts;
            }
            QList<Examination> started;
            bool starts = false;
        } launcher;
        launcher.starts = starts;
        WindowFixture fx;
        QVERIFY(fx.open());
        FrmTheo& w = *fx.window;
        QVERIFY(!w.mnuFileStudy[0]->isEnabled()); // no launcher: nothing to start
        w.setExamination(Examination::General, &launcher);
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnel Theory"));
        QCOMPARE(w.mnuFileStudy[2]->text(), QStringLiteral("Study Extr&a"));
        QVERIFY(w.mnuFileStudy[0]->isEnabled() && w.mnuFileStudy[2]->isEnabled());
        QVERIFY(!w.mnuFileStudy[1]->isEnabled());
        w.show();
        QVERIFY(press(w.Command8));
        QTest::keyClicks(w.Text10, QStringLiteral("My note"));
        w.mnuFileStudy[0]->trigger();
        QVERIFY(launcher.started == QList<Examination>{Examination::Technician});
        QCOMPARE(w.isVisible(), !starts);
        QCOMPARE(fx.bank.column(QStringLiteral("Hints"), QStringLiteral("hints")).last(),
                 QStringLiteral("My note"));
        QCOMPARE(fx.dialogs.messages.size(), starts ? 0 : 1);

        // The caption names the exam of the bank's questions.
        WindowFixture extra(plainQuestions({QStringLiteral("E0A01")}), {});
        QVERIFY(extra.open());
        QCOMPARE(extra.window->windowTitle(), QStringLiteral("Varnel Theory \u2013 Extra"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
