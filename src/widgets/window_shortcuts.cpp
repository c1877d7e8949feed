// Menu shortcuts that no focused box of the window can take for itself.
// SPDX-License-Identifier: MIT
#include "widgets/window_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

WindowShortcuts::WindowShortcuts(QWidget* window, const QList<QAction*>& actions)
    : QObject(window), m_window(window), m_actions(actions) {
    // The focused box is asked before any shortcut; only the application sees that
    // question before the box does.
    qApp->installEventFilter(this);
}

bool WindowShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_actions)
        if (action->isEnabled() && action->shortcut() == pressed) {
            // Left unaccepted, so the shortcut goes to the menu item.
            event->ignore();
            return true;
        }
    return false;
}
