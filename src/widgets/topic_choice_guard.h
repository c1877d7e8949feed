// TopicChoiceGuard: passes on only the choices a learner makes from the topic list, not the end of
// editing its text.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_TOPIC_CHOICE_GUARD_H
#define VARNEL_WIDGETS_TOPIC_CHOICE_GUARD_H

#include <QObject>

class QComboBox;

// Passes on only the choices a learner makes from the topic list (and alike from
// the missed list, whose box shows a caption rather than a choice).
//
// An editable QComboBox also reports `activated` when editing of its text field
// ends (Return, or the focus leaving the box, as on a click elsewhere or on closing
// the window) while the text matches an entry, ignoring case, other than the current
// one. That is typing, not a choice, and must not jump; nor may the topic name that
// the question change writes into the box. The guard also keeps the box's current
// entry in step with a text that names an entry exactly, so that the list opens on
// the shown topic and the arrow keys step from it. A turn of the mouse wheel over
// the closed box is not taken as a choice either: a learner scrolling past it would
// lose the place in the topic.
class TopicChoiceGuard : public QObject {
    Q_OBJECT
public:
    // Watches an editable combo box; the guard becomes the box's child and gives the
    // box a fresh text field.
    explicit TopicChoiceGuard(QComboBox* combo);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The learner chose an entry from the list (with the mouse or the keyboard).
    void chosen();

private:
    void keepIndexWithText(const QString& text);

    QComboBox* m_combo;
    bool m_editingFinishing = false;
};

#endif
