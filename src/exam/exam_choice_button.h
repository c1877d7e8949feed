// An answer row of the practice exam and the review: a large radio button showing its letter and
// the choice's wrapped text, taking a click anywhere on it.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_CHOICE_BUTTON_H
#define VARNEL_EXAM_EXAM_CHOICE_BUTTON_H

#include "main_window/text_fit.h"

#include <QRadioButton>

// One answer row: a large radio button that shows its letter and the choice's text
// wrapped over its whole box, and takes a click anywhere on it. It stays a radio
// button for screen readers (role, checked state, press action); its name is what it
// shows. Like the study window's answer boxes it is black on white whatever the
// desktop's palette, and the chosen row differs by its filled circle and heavy
// frame as well as its colour.
class ExamChoiceButton : public QRadioButton {
    Q_OBJECT
public:
    // How a judged row is marked: the right answer, or the learner's wrong one.
    enum class Mark { none, right, wrong };

    ExamChoiceButton(int row, QWidget* parent = nullptr);

    // The choice's text. Kept apart from the button's own text, where an ampersand
    // in a choice would become an access key.
    void setChoiceText(const QString& text);
    void setMark(Mark mark);
    Mark mark() const { return m_mark; }

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect textRect() const;
    QString markText() const;
    // Measures the text against its box again and renames the row after what it shows.
    void refit();

    QString m_letter;
    QString m_keyTip;
    QString m_text;
    Mark m_mark = Mark::none;
    TextFit::Fit m_fit;
};

#endif
