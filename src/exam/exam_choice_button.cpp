// An answer row of the practice exam and the review: its text fitted by the study window's rule,
// its hit area, its marks and its painting in fixed colours.
// SPDX-License-Identifier: MIT
#include "exam/exam_choice_button.h"

#include "drill/answer_keys.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr int margin = 6;
constexpr int circle = 14;
constexpr int letterWidth = 22;
constexpr int markWidth = 116;
constexpr int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
// Fixed colours, as the study window's answer boxes: black on white (21:1), black on
// the chosen row's pale yellow (20:1) and the right answer's pale green (18:1).
const QColor paper(Qt::white);
const QColor ink(Qt::black);
const QColor chosenPaper(255, 255, 200);
const QColor rightPaper(210, 245, 210);

} // namespace

ExamChoiceButton::ExamChoiceButton(int row, QWidget* parent)
    : QRadioButton(parent), m_letter(QChar::fromLatin1(AnswerKeys::rowLetter(row))) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral("Choice in row %1").arg(m_letter));
    m_keyTip = QStringLiteral("Press %1 or %2 to answer the choice in this row")
                   .arg(m_letter)
                   .arg(row + 1);
    setToolTip(m_keyTip);
}

void ExamChoiceButton::setChoiceText(const QString& text) {
    m_text = text;
    refit();
}

void ExamChoiceButton::setMark(Mark mark) {
    m_mark = mark;
    refit();
}

QString ExamChoiceButton::markText() const {
    switch (m_mark) {
    case Mark::right:
        return QStringLiteral("\u2714 Right answer");
    case Mark::wrong:
        return QStringLiteral("\u2718 Your answer");
    case Mark::none:
        break;
    }
    return QString();
}

void ExamChoiceButton::refit() {
    m_fit = TextFit::fitInBox(m_text, font(), textRect().size(), textFlags, this);
    // The name is the whole text shown, so a screen reader hears every new question;
    // a cut text is whole in the tooltip.
    QString name = m_letter + QStringLiteral(": ") + m_text;
    if (m_mark != Mark::none)
        name += QStringLiteral(" (") + markText().mid(2) + QLatin1Char(')');
    if (name != accessibleName())
        setAccessibleName(name);
    setToolTip(m_fit.cut ? m_text : m_keyTip);
    update();
}

void ExamChoiceButton::resizeEvent(QResizeEvent* event) {
    QRadioButton::resizeEvent(event);
    refit();
}

void ExamChoiceButton::changeEvent(QEvent* event) {
    QRadioButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refit();
}

bool ExamChoiceButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

QRect ExamChoiceButton::textRect() const {
    const int left = margin + circle + margin + letterWidth;
    const int right = m_mark == Mark::none ? margin : margin + markWidth;
    return rect().adjusted(left, margin / 2, -right, -margin / 2);
}

void ExamChoiceButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool chosen = isChecked();
    painter.fillRect(rect(), m_mark == Mark::right ? rightPaper : chosen ? chosenPaper : paper);
    const int frame = chosen || m_mark == Mark::right ? 3 : 1;
    painter.setPen(QPen(ink, frame, m_mark == Mark::right ? Qt::DashLine : Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = frame / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));

    // The circle: empty, or with a dot for the chosen row.
    const QRectF ring(margin, (height() - circle) / 2.0, circle, circle);
    painter.setPen(QPen(ink, 1.5));
    painter.drawEllipse(ring);
    if (chosen) {
        painter.setBrush(ink);
        painter.drawEllipse(ring.adjusted(3.5, 3.5, -3.5, -3.5));
        painter.setBrush(Qt::NoBrush);
    }

    // Disabled rows (a judged question) keep black text: grey would fall below 4.5:1.
    painter.setPen(ink);
    QFont letterFont = font();
    letterFont.setBold(true);
    painter.setFont(letterFont);
    painter.drawText(QRect(margin + circle + margin, 0, letterWidth, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_letter);
    if (m_mark != Mark::none)
        painter.drawText(QRect(width() - margin - markWidth, 0, markWidth, height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, markText());

    QFont textFont = font();
    textFont.setPointSizeF(m_fit.points);
    painter.setFont(textFont);
    painter.drawText(textRect(), textFlags, m_fit.text);

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}
