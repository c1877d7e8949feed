// The topic choice guard: filtering the topic box's events so that only a choice from its list is
// passed on.
// SPDX-License-Identifier: MIT
#include "widgets/topic_choice_guard.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

TopicChoiceGuard::TopicChoiceGuard(QComboBox* combo) : QObject(combo), m_combo(combo) {
    // Slots run in the order they were connected: the flag goes up before the box's
    // own end-of-editing handling (which may report `activated`) and down after it.
    auto* edit = new QLineEdit(combo);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_editingFinishing = true; });
    combo->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_editingFinishing = false; });

    connect(combo, &QComboBox::activated, this, [this] {
        if (!m_editingFinishing)
            emit chosen();
    });
    connect(combo, &QComboBox::editTextChanged, this, &TopicChoiceGuard::keepIndexWithText);
    combo->installEventFilter(this);
}

bool TopicChoiceGuard::eventFilter(QObject* watched, QEvent* event) {
    // The open list is a window of its own, so scrolling in it is not caught here.
    if (watched == m_combo && event->type() == QEvent::Wheel)
        return true;
    return QObject::eventFilter(watched, event);
}

void TopicChoiceGuard::keepIndexWithText(const QString& text) {
    const int index = m_combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 || index == m_combo->currentIndex())
        return;
    // The text already reads as the entry, so the field is left as it is (cursor and
    // completion included); nobody is told of the silent change of entry.
    const QSignalBlocker blocker(m_combo);
    m_combo->setCurrentIndex(index);
}
