// Answering by row from the keyboard; the choice labels' tab chain and row names.
// SPDX-License-Identifier: MIT
#include "widgets/choice_keys.h"

#include "drill/answer_keys.h"
#include "widgets/click_label.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

ChoiceKeys::ChoiceKeys(QWidget* keyScope, const std::array<ClickLabel*, 4>& choices,
                       const std::array<QLabel*, 4>& letters, QWidget* after,
                       const QList<QWidget*>& following)
    : QObject(keyScope), m_scope(keyScope), m_choices(choices), m_after(after),
      m_following(following) {
    // A key that a focused control does not take travels up to the scope; a box that
    // takes typing keeps its letters and digits.
    keyScope->installEventFilter(this);
    for (ClickLabel* choice : m_choices) {
        choice->setPressable(true);
        choice->installEventFilter(this);
    }
    for (int row = 0; row < AnswerKeys::rowCount; ++row)
        letters[row]->setToolTip(QStringLiteral("Press %1 or %2 to answer the choice in this row")
                                     .arg(QLatin1Char(AnswerKeys::rowLetter(row)))
                                     .arg(row + 1));
    followRows();
}

ClickLabel* ChoiceKeys::choiceInRow(int row) const {
    QList<int> tops;
    for (const ClickLabel* choice : m_choices)
        tops << choice->y();
    return m_choices.at(AnswerKeys::choicesByRow(tops).at(row));
}

bool ChoiceKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scope && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const auto row = AnswerKeys::rowForKey(key->key(), int(key->modifiers()))) {
            ClickLabel* choice = choiceInRow(*row);
            if (choice->isVisible() && choice->isEnabled()) {
                choice->press();
                return true;
            }
        }
    } else if (event->type() == QEvent::Move) {
        followRows();
    }
    return QObject::eventFilter(watched, event);
}

void ChoiceKeys::followRows() {
    QWidget* previous = m_after;
    for (int row = 0; row < AnswerKeys::rowCount; ++row) {
        ClickLabel* choice = choiceInRow(row);
        QWidget::setTabOrder(previous, choice);
        // Raising reorders the parent's children, which is the order screen readers
        // list them in; the labels never overlap one another.
        choice->raise();
        const QString description =
            QStringLiteral("Choice in row %1").arg(QLatin1Char(AnswerKeys::rowLetter(row)));
        if (choice->accessibleDescription() != description)
            choice->setAccessibleDescription(description);
        previous = choice;
    }
    for (QWidget* next : m_following) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
