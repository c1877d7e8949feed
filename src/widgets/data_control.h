// DataControl: a record source on the window, the browse bar with its caption over one cursor of
// the question bank.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_DATA_CONTROL_H
#define VARNEL_WIDGETS_DATA_CONTROL_H

#include "bank/record_source.h"

#include <QWidget>

class QLabel;
class QToolButton;

// A record source on the window: the browse bar with its caption between the
// first, previous, next and last buttons, over one cursor of the question bank.
// The buttons take the focus by Tab and answer Space.
class DataControl : public QWidget {
    Q_OBJECT
public:
    DataControl(const QString& caption, const QString& table, const QStringList& fields,
                QWidget* parent);

    RecordSource& recordset() { return m_source; }
    QString caption() const;
    QToolButton* firstButton() const { return m_first; }
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }
    QToolButton* lastButton() const { return m_last; }
    // Page Down and Page Up press Next and Previous, Ctrl+Home and Ctrl+End First and
    // Last, whenever the focused control inside keyScope leaves the key to its window.
    void takeBrowseKeys(QWidget* keyScope);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RecordSource m_source;
    QLabel* m_caption;
    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
    QWidget* m_keyScope = nullptr;
};

#endif
