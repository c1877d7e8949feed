// Answer keys and page keys on a page: a key press anywhere on it, read by the one key rule.
// SPDX-License-Identifier: MIT
#include "exam/row_keys.h"

#include "drill/answer_keys.h"

#include <QKeyEvent>
#include <QWidget>

RowKeys::RowKeys(QWidget* page, std::function<void(int row)> answer,
                 std::function<void(int step)> step)
    : QObject(page), m_page(page), m_answer(std::move(answer)), m_step(std::move(step)) {
    // A key pressed while no control has the focus goes to the window itself.
    page->window()->installEventFilter(this);
    page->installEventFilter(this);
    for (QWidget* control : page->findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool RowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_page->isVisible()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const auto row = AnswerKeys::rowForKey(key->key(), int(key->modifiers()))) {
            m_answer(*row);
            return true;
        }
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (m_step && plain && (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)) {
            m_step(key->key() == Qt::Key_PageUp ? -1 : 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
