// Dialogs: the message, input and yes/no dialogs the windows get from outside, so tests can answer
// them.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_DIALOGS_H
#define VARNEL_WIDGETS_DIALOGS_H

#include <QString>

class QWidget;

// The two dialogs the program uses. The window gets them from outside so that
// tests can answer them without a person at the screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message with an OK button only, no icon and the program's title.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A modal input box; Cancel gives empty text.
    virtual QString inputBox(QWidget* parent, const QString& prompt,
                             const QString& defaultText = QString()) = 0;
    // A modal question with Yes and No and the program's title; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
};

// The dialogs a learner sees.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    QString inputBox(QWidget* parent, const QString& prompt,
                     const QString& defaultText = QString()) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
};

#endif
