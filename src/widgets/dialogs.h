// Dialogs: the message, input, yes/no, file and choice dialogs the windows get from outside, so
// tests can answer them. SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_DIALOGS_H
#define VARNEL_WIDGETS_DIALOGS_H

#include <QString>
#include <QStringList>

class QWidget;

// The dialogs the program uses. The window gets them from outside so that
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
    // A modal dialog that names a file to write, starting at suggested; a file that is
    // there is overwritten only after the learner agrees. Cancel gives empty text.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
    // A modal dialog that names an existing file to read, starting in folder. Cancel
    // gives empty text.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // A modal list of items to pick one of; its index, or -1 for Cancel.
    virtual int chooseItem(QWidget* parent, const QString& prompt, const QStringList& items) = 0;
};

// The dialogs a learner sees.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    QString inputBox(QWidget* parent, const QString& prompt,
                     const QString& defaultText = QString()) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    int chooseItem(QWidget* parent, const QString& prompt, const QStringList& items) override;
};

#endif
