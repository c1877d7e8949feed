// Controls bound to a field of a record source: a text box whose changes go back into the row, and
// a label.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_BOUND_CONTROLS_H
#define VARNEL_WIDGETS_BOUND_CONTROLS_H

#include "bank/field_binding.h"

#include <QObject>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// A text box bound to a field. Text put into it after a fill, by typing or by the
// program, counts as changed and goes back into the row; each change runs the
// box's change handler, as a fill that alters the text does.
class BoundTextBox : public QObject, public FieldBinding {
    Q_OBJECT
public:
    BoundTextBox(QLineEdit* box, std::function<void()> onChange = {});
    BoundTextBox(QPlainTextEdit* box, std::function<void()> onChange = {});

    bool fill(const QString& value) override;
    void notifyChanged() override;
    bool writesBack() const override { return true; }
    bool isChanged() const override { return m_changed; }
    QString text() const override;

private:
    void textEdited();

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_plain = nullptr;
    std::function<void()> m_onChange;
    bool m_changed = false;
};

// A label bound to a field: it shows the field and never writes it back.
class BoundLabel : public FieldBinding {
public:
    explicit BoundLabel(QLabel* label) : m_label(label) {}

    bool fill(const QString& value) override;
    void notifyChanged() override {}
    bool writesBack() const override { return false; }
    bool isChanged() const override { return false; }
    QString text() const override;

private:
    QLabel* m_label;
};

#endif
