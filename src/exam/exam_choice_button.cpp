// An answer row of the practice exam: its wrapped text fitted to its box, its hit area and its
// painting.
// SPDX-License-Identifier: MIT
#include "exam/exam_choice_button.h"

#include "widgets/text_fit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int margin = 6;
constexpr int letterWidth = 22;
const QColor chosenBackground(255, 255, 200);

} // namespace

ExamChoiceButton::ExamChoiceButton(const QString& letter, QWidget* parent)
    : QRadioButton(parent), m_letter(letter) {
    setFocusPolicy(Qt::StrongFocus);
}

void ExamChoiceButton::setChoiceText(const QString& text) {
    m_text = text;
    setAccessibleName(m_letter + QStringLiteral(": ") + text);
    update();
}

QFont ExamChoiceButton::fittedFont(const QFont& base, const QSize& box, const QString& text) {
    QFont font = base;
    for (double points = base.pointSizeF(); points >= TextFit::smallestPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            return font;
    }
    font.setPointSizeF(TextFit::smallestPoints);
    return font;
}

bool ExamChoiceButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

QRect ExamChoiceButton::textRect() const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int left = margin + indicator + margin + letterWidth;
    return rect().adjusted(left, margin / 2, -margin, -margin / 2);
}

void ExamChoiceButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), isChecked() ? chosenBackground : QColor(Qt::white));
    painter.setPen(QPen(QColor(Qt::black), isChecked() ? 2 : 1));
    painter.drawRect(isChecked() ? box.adjusted(1, 1, 0, 0) : box);

    QStyleOptionButton option;
    option.initFrom(this);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int indicatorHeight =
        style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    option.rect = QRect(margin, (height() - indicatorHeight) / 2, indicator, indicatorHeight);
    option.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    option.state &= ~QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);

    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QFont letterFont = font();
    letterFont.setBold(true);
    painter.setFont(letterFont);
    painter.drawText(QRect(margin + indicator + margin, 0, letterWidth, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_letter);

    const QRect textBox = textRect();
    painter.setFont(fittedFont(font(), textBox.size(), m_text));
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_text);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
