// The browse bar: its first, previous, next and last buttons and its caption over one record
// source.
// SPDX-License-Identifier: MIT
#include "widgets/data_control.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace {

QToolButton* browseButton(const QString& arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(arrow);
    button->setObjectName(name);
    // The arrows alone say nothing to a screen reader.
    button->setAccessibleName(name);
    button->setToolTip(name);
    // Tab reaches it, a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoRaise(false);
    return button;
}

} // namespace

DataControl::DataControl(const QString& caption, const QString& table, const QStringList& fields,
                         QWidget* parent)
    : QWidget(parent), m_source(table, fields), m_caption(new QLabel(caption, this)),
      m_first(browseButton(QStringLiteral("|\u25C0"), QStringLiteral("First"), this)),
      m_previous(browseButton(QStringLiteral("\u25C0"), QStringLiteral("Previous"), this)),
      m_next(browseButton(QStringLiteral("\u25B6"), QStringLiteral("Next"), this)),
      m_last(browseButton(QStringLiteral("\u25B6|"), QStringLiteral("Last"), this)) {
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    m_caption->setAutoFillBackground(true);
    m_caption->setTextFormat(Qt::PlainText);
    setAccessibleName(caption);
}

QString DataControl::caption() const {
    return m_caption->text();
}

void DataControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Two narrow buttons at each end, the caption between them.
    const int side = height();
    const int button = qMax(1, side * 2 / 3);
    m_first->setGeometry(0, 0, button, side);
    m_previous->setGeometry(button, 0, button, side);
    m_next->setGeometry(width() - 2 * button, 0, button, side);
    m_last->setGeometry(width() - button, 0, button, side);
    m_caption->setGeometry(2 * button, 0, qMax(0, width() - 4 * button), side);
}

void DataControl::takeBrowseKeys(QWidget* keyScope) {
    // A key that the focused control does not take travels up to the scope.
    m_keyScope = keyScope;
    keyScope->installEventFilter(this);
}

bool DataControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_keyScope || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    QToolButton* button = nullptr;
    if (modifiers == Qt::NoModifier && key->key() == Qt::Key_PageDown)
        button = m_next;
    else if (modifiers == Qt::NoModifier && key->key() == Qt::Key_PageUp)
        button = m_previous;
    else if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Home)
        button = m_first;
    else if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_End)
        button = m_last;
    if (!button || !isEnabled())
        return QWidget::eventFilter(watched, event);
    button->click();
    return true;
}
