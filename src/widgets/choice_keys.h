// The four choice labels as keyboard controls, by the rows they stand in.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_CHOICE_KEYS_H
#define VARNEL_WIDGETS_CHOICE_KEYS_H

#include <QList>
#include <QObject>
#include <array>

class ClickLabel;
class QLabel;
class QWidget;

// Keys A to D and 1 to 4 pressed anywhere in keyScope, outside a box that takes the
// typing, answer the choice in that row as a click on its label does. The labels
// follow `after` in the tab chain in row order, and the controls of `following` come
// after the last row in their order; each label says its row to screen readers. Rows
// are read from where the labels stand, so they follow the shuffled answer boxes.
class ChoiceKeys : public QObject {
    Q_OBJECT
public:
    ChoiceKeys(QWidget* keyScope, const std::array<ClickLabel*, 4>& choices,
               const std::array<QLabel*, 4>& letters, QWidget* after,
               const QList<QWidget*>& following);

    // The label that stands in a row, 0 being the top one.
    ClickLabel* choiceInRow(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tab chain, descriptions and the order screen readers list them in, by row.
    void followRows();

    QWidget* m_scope;
    std::array<ClickLabel*, 4> m_choices;
    QWidget* m_after;
    QList<QWidget*> m_following;
};

#endif
