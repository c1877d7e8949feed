#include "drill/topic_choice_guard.h"

#include <QComboBox>
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
