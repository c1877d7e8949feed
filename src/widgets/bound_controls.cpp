// Text boxes and labels bound to a field: filling them from the row and reporting typed or program
// changes.
// SPDX-License-Identifier: MIT
#include "widgets/bound_controls.h"

#include "widgets/click_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

BoundTextBox::BoundTextBox(QLineEdit* box, std::function<void()> onChange)
    : QObject(box), m_line(box), m_onChange(std::move(onChange)) {
    connect(box, &QLineEdit::textChanged, this, &BoundTextBox::textEdited);
}

BoundTextBox::BoundTextBox(QPlainTextEdit* box, std::function<void()> onChange)
    : QObject(box), m_plain(box), m_onChange(std::move(onChange)) {
    connect(box, &QPlainTextEdit::textChanged, this, &BoundTextBox::textEdited);
}

QString BoundTextBox::text() const {
    return m_line ? m_line->text() : m_plain->toPlainText();
}

bool BoundTextBox::fill(const QString& value) {
    m_changed = false;
    if (text() == value)
        return false;
    const QSignalBlocker blocker(m_line ? static_cast<QObject*>(m_line) : m_plain);
    if (m_line)
        m_line->setText(value);
    else
        m_plain->setPlainText(value);
    return true;
}

void BoundTextBox::notifyChanged() {
    if (m_onChange)
        m_onChange();
}

void BoundTextBox::textEdited() {
    m_changed = true;
    notifyChanged();
}

bool BoundLabel::fill(const QString& value) {
    if (m_label->text() == value)
        return false;
    // A field label fits a long text to its box.
    if (auto* fitting = qobject_cast<ClickLabel*>(m_label))
        fitting->setFieldText(value);
    else
        m_label->setText(value);
    return true;
}

QString BoundLabel::text() const {
    return m_label->text();
}
