// Announcer: tells screen readers of a change that moves no focus, such as a new question.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_ANNOUNCER_H
#define VARNEL_WIDGETS_ANNOUNCER_H

#include <QString>
#include <QWidget>
#include <functional>

// An unseen notification of the window. A screen reader hears only what has the
// focus, so a question that changes under a button (Next, Page Down, a right
// answer) would pass unheard. When the event loop next turns after changed() (once,
// however often it was called), the announcer takes its text from compose and shows
// itself as a notification, which screen readers read out. Nothing is said while the
// window is hidden (at start-up), nor when the focus has moved meanwhile: then the
// reader says what now has it. An inactive window (a message box still closing)
// says it when it is active again.
class Announcer : public QWidget {
    Q_OBJECT
public:
    Announcer(QWidget* parent, std::function<QString()> compose);

    // Something to be told has changed.
    void changed();
    // What was said last, the notification's accessible name.
    QString lastSaid() const { return m_said; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayWhenActive();
    void say();

    std::function<QString()> m_compose;
    QString m_said;
    QWidget* m_focusAtChange = nullptr;
    bool m_pending = false;
    bool m_waitingForActive = false;
};

#endif
