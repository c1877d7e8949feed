// The learner's actions on the windows under test, each checked before it is made.
// SPDX-License-Identifier: MIT
#include "learner_actions.h"

#include "main_window/frm_theo.h"
#include "widgets/data_control.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Whether a learner could reach the control: there, shown within its window, enabled.
bool reachable(const QWidget* control, const char* action, const char* what,
               bool mustBeShown = true) {
    if (!control) {
        qWarning("%s: there is no %s", action, what);
        return false;
    }
    const char* reason = nullptr;
    if (mustBeShown && !control->isVisibleTo(control->window()))
        reason = "hidden";
    else if (!control->isEnabled())
        reason = "disabled";
    if (reason)
        qWarning("%s: %s is %s", action, qPrintable(control->objectName()), reason);
    return !reason;
}

// Clicks and lists want the window itself on screen, not only the control left shown.
bool onScreen(const QWidget* control, const char* action) {
    if (!control->isVisible())
        qWarning("%s: %s is not on screen", action, qPrintable(control->objectName()));
    return control->isVisible();
}

} // namespace

bool press(QAbstractButton* button) {
    if (!reachable(button, "press", "button"))
        return false;
    button->click();
    return true;
}

bool pressAuthoringButton(QAbstractButton* button) {
    if (!reachable(button, "press", "authoring button", false))
        return false;
    button->click();
    return true;
}

bool clickLabel(QLabel* label) {
    if (!reachable(label, "click", "label") || !onScreen(label, "click"))
        return false;
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    return true;
}

bool chooseFromList(QComboBox* combo, const QString& text) {
    if (!reachable(combo, "choose", "list") || !onScreen(combo, "choose"))
        return false;
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        qWarning("\"%s\" is not in the list of %s", qPrintable(text),
                 qPrintable(combo->objectName()));
        return false;
    }
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!view->isVisible()) {
        qWarning("the list of %s did not open", qPrintable(combo->objectName()));
        return false;
    }
    view->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    return !view->isVisible();
}

bool goTo(FrmTheo& window, const QString& number) {
    RecordSource& pool = window.Data1->recordset();
    return pool.findFirst(QStringLiteral("GNumber = '%1'").arg(number)).ok() && !pool.noMatch();
}

bool showWindow(QWidget* window) {
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

bool showAndActivate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

bool giveFocus(QWidget* control) {
    if (!reachable(control, "focus", "control") || !onScreen(control, "focus"))
        return false;
    control->setFocus();
    return QTest::qWaitFor([control] { return control->hasFocus(); });
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool shown(const QWidget* widget) {
    return !widget->isHidden();
}

bool newRecordPending(FrmTheo& window) {
    return !window.Command1->isEnabled() && window.Command2->isEnabled() &&
           window.Data1->recordset().isNewPending();
}

QColor foreColour(const QWidget* widget) {
    if (qobject_cast<const QPlainTextEdit*>(widget))
        return widget->palette().color(QPalette::Text);
    return widget->palette().color(QPalette::WindowText);
}
