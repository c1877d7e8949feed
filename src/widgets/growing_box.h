// GrowingBox: a one-line text box that shows several lines while it is in use.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_GROWING_BOX_H
#define VARNEL_WIDGETS_GROWING_BOX_H

#include <QObject>
#include <QRect>

class QPlainTextEdit;

// The note box is laid out one line high, so a note scrolls out of sight as it is
// typed. While the box has the focus or holds a text it takes a larger place of free
// space around it (which no shown control may share), raised over the outlines; else,
// and while hidden, the place it was given. No other control moves.
class GrowingBox : public QObject {
    Q_OBJECT
public:
    // grown is in the box's parent's coordinates.
    GrowingBox(QPlainTextEdit* box, const QRect& grown);

    bool isGrown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QPlainTextEdit* m_box;
    QRect m_designed;
    QRect m_grown;
};

#endif
