// ClickLabel: a click as a left press and release over the label, and its border of its own colour.
// SPDX-License-Identifier: MIT
#include "widgets/click_label.h"

#include "widgets/choice_accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    ChoiceAccessibility::install();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (m_pressable && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::press() {
    emit clicked();
}

void ClickLabel::setBorderColor(const QColor& color) {
    m_border = color;
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(2, 1, 1, 1);
    update();
}

void ClickLabel::setWhiteBox() {
    setBorderColor(Qt::black);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
}

void ClickLabel::setPressable(bool pressable) {
    m_pressable = pressable;
    setFocusPolicy(pressable ? Qt::StrongFocus : Qt::NoFocus);
}

void ClickLabel::setRightAnswerShown(bool shown) {
    if (shown == m_rightAnswerShown)
        return;
    m_rightAnswerShown = shown;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void ClickLabel::setFieldText(const QString& text) {
    const bool changed = text != this->text();
    setText(text);
    refit();
    // The name is the text shown, so a screen reader hears the new question; Qt 6.4's
    // label does not say so itself.
    if (changed && accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

int ClickLabel::textFlags() const {
    // As QLabel draws plain text: its alignment, wrapped when it wraps.
    int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    return flags;
}

int ClickLabel::heightToShow(int height, int roomHeight) const {
    const QMargins margins = contentsMargins();
    const int frame = margins.top() + margins.bottom();
    const QSize box(contentsRect().width(), height - frame);
    return TextFit::heightToShow(text(), font(), box, roomHeight - frame, textFlags(), this) +
           frame;
}

TextFit::Fit ClickLabel::shownText() const {
    refit();
    return m_fit;
}

void ClickLabel::refit() const {
    const QSize box = contentsRect().size();
    if (m_fitValid && m_fitText == text() && m_fitBox == box && m_fitFont == font())
        return;
    m_fitText = text();
    m_fitBox = box;
    m_fitFont = font();
    m_fitValid = true;
    m_fit = TextFit::fitInBox(m_fitText, m_fitFont, box, textFlags(), this);
    // Only a label that cuts its text tells the whole of it as its tooltip; the
    // accessible name is always the whole text.
    auto* self = const_cast<ClickLabel*>(this);
    self->setToolTip(m_fit.cut ? m_fitText : QString());
}

void ClickLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refit();
}

void ClickLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ContentsRectChange)
        refit();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (textFormat() != Qt::PlainText || !pixmap().isNull()) {
        QLabel::paintEvent(event);
    } else {
        // The background is filled by the widget; the text is drawn as QLabel draws
        // it, at the fitted size.
        refit();
        QPainter painter(this);
        QFont font = this->font();
        font.setPointSizeF(m_fit.points);
        painter.setFont(font);
        style()->drawItemText(&painter, contentsRect(), textFlags(), palette(), isEnabled(),
                              m_fit.text, foregroundRole());
    }
    if (!m_border.isValid() && !hasFocus())
        return;
    QPainter painter(this);
    if (m_border.isValid()) {
        painter.setPen(m_border);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        // A dotted frame in the text's own colour, so it shows on the white box in
        // any desktop palette.
        painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
