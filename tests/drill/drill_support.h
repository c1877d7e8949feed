#ifndef VARNEL_TESTS_DRILL_DRILL_SUPPORT_H
#define VARNEL_TESTS_DRILL_DRILL_SUPPORT_H

#include "bank_fixture.h"
#include "main_window/click_label.h"
#include "main_window/data_control.h"
#include "main_window/frm_theo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <utility>

// Helpers shared by the drill's window tests.
namespace drill {

// Questions given as number and answer field; stems and choices name their number.
inline QVector<TestQuestion> questions(const QVector<std::pair<QString, QString>>& rows) {
    QVector<TestQuestion> result;
    for (const auto& [number, answer] : rows)
        result << TestQuestion{number,
                               QStringLiteral("Stem of %1?").arg(number),
                               answer,
                               QStringLiteral("%1 A").arg(number),
                               QStringLiteral("%1 B").arg(number),
                               QStringLiteral("%1 C").arg(number),
                               QStringLiteral("%1 D").arg(number)};
    return result;
}

// The fore colour the learner sees: a text box's text, a label's window text.
inline QColor foreColour(const QWidget* widget) {
    if (qobject_cast<const QPlainTextEdit*>(widget))
        return widget->palette().color(QPalette::Text);
    return widget->palette().color(QPalette::WindowText);
}

// Makes a question current as a search would.
inline bool goTo(FrmTheo& window, const QString& number) {
    RecordSource& pool = window.Data1->recordset();
    return pool.findFirst(QStringLiteral("GNumber = '%1'").arg(number)).ok() && !pool.noMatch();
}

// A left click in the middle of a shown label, as the learner makes it.
inline bool clickLabel(QLabel* label) {
    if (!label->isVisible()) {
        qWarning("%s is not visible, so it cannot be clicked", qPrintable(label->objectName()));
        return false;
    }
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    return true;
}

// Chooses an entry from the drop-down list as the learner does: open the list, move
// to the entry, press Return in the list.
inline bool chooseFromList(QComboBox* combo, const QString& text) {
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

} // namespace drill

#endif
