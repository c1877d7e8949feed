// The learner's actions on the windows under test (press, click, choose, go to a
// question, type into an input box) and what the learner sees; shared by every window test.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TESTS_SUPPORT_LEARNER_ACTIONS_H
#define VARNEL_TESTS_SUPPORT_LEARNER_ACTIONS_H

#include <QColor>
#include <QString>
#include <QWidget>

class FrmTheo;
class QAbstractButton;
class QComboBox;
class QLabel;

// Every action checks first that a learner could make it: the control exists, is
// shown (or would be, once its window is) and is enabled. When not, it warns with the
// control's name and returns false, so that QVERIFY(action) fails with the reason.

// Clicks a button the way a person would.
bool press(QAbstractButton* button);
// Presses one of the authoring buttons (New, Update, Delete, Next G9, Accept…), which
// the window lays out but never shows: it checks that the button exists and is enabled.
bool pressAuthoringButton(QAbstractButton* button);
// A left click in the middle of a shown label.
bool clickLabel(QLabel* label);
// Chooses an entry from the drop-down list: open the list, move to the entry, press
// Return in the list.
bool chooseFromList(QComboBox* combo, const QString& text);
// Makes a question current as a search would.
bool goTo(FrmTheo& window, const QString& number);

// Shows a window and waits until it is on screen, so that its controls take real clicks.
bool showWindow(QWidget* window);
// Shows a window, makes it the active one and waits for that (keys go to it).
bool showAndActivate(QWidget* window);
// Puts the keyboard focus on a control, as a click or Tab would, and waits until it has it.
bool giveFocus(QWidget* control);
// Runs the pending events and the deletions requested by a close, as the event loop
// would do next.
void settle();

// Whether a control is left shown (not hidden), whatever its window's state.
bool shown(const QWidget* widget);
// Whether a new record waits for Update: New is disabled, Update enabled, and the
// pool holds the pending record.
bool newRecordPending(FrmTheo& window);
// The fore colour the learner sees: a text box's text, a label's window text.
QColor foreColour(const QWidget* widget);

// The control of that object name inside a window; warns when there is none.
template <class Control = QWidget> Control* control(const QWidget* window, const QString& name) {
    Control* found = window->findChild<Control*>(name);
    if (!found)
        qWarning("there is no %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

#endif
