// The practice exam's and the review's buttons, field labels, white boxes and captions.
// SPDX-License-Identifier: MIT
#include "exam/exam_controls.h"

#include "main_window/click_label.h"

#include <QPushButton>

namespace ExamControls {

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& access) {
    auto* b = named(new QPushButton(caption, parent), name, access);
    b->setAutoDefault(false);
    return b;
}

ClickLabel* fieldLabel(QWidget* parent, const char* name, const QString& description) {
    auto* label = new ClickLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAccessibleDescription(description);
    return label;
}

ClickLabel* whiteBox(QWidget* parent, const char* name, const QString& description) {
    ClickLabel* label = fieldLabel(parent, name, description);
    label->setBorderColor(Qt::black);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace ExamControls
