// An answer row of the practice exam: a large radio button showing its letter and the choice's
// wrapped text, taking a click anywhere on it.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_CHOICE_BUTTON_H
#define VARNEL_EXAM_EXAM_CHOICE_BUTTON_H

#include <QRadioButton>

// One answer row of the practice exam: a large radio button that shows its letter and
// the choice's text wrapped over its whole box, and takes a click anywhere on it. It
// stays a radio button for screen readers (role, checked state, press action).
class ExamChoiceButton : public QRadioButton {
    Q_OBJECT
public:
    ExamChoiceButton(const QString& letter, QWidget* parent = nullptr);

    // The choice's text. Kept apart from the button's own text, where an ampersand
    // in a choice would become an access key.
    void setChoiceText(const QString& text);
    const QString& choiceText() const { return m_text; }

    // The largest font, from base down to 6.5 points in half points, at which the
    // text wrapped into the box fits; the smallest when none does.
    static QFont fittedFont(const QFont& base, const QSize& box, const QString& text);

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;

    QString m_letter;
    QString m_text;
};

#endif
