// WindowShortcuts: a window's menu shortcuts work wherever its focus is, also in a box whose
// editing keys would take them.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_WINDOW_SHORTCUTS_H
#define VARNEL_WIDGETS_WINDOW_SHORTCUTS_H

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Keeps the shortcuts of the given menu items working wherever the focus is in the
// window: a text box asks for the keys of its editing keys first (on X11 a line edit
// takes Ctrl+E as "end of line"), and would otherwise swallow the item's shortcut.
class WindowShortcuts : public QObject {
    Q_OBJECT
public:
    WindowShortcuts(QWidget* window, const QList<QAction*>& actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QList<QAction*> m_actions;
};

#endif
