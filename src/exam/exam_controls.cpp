// The practice exam's and the review's buttons, field labels, white boxes and captions.
// SPDX-License-Identifier: MIT
#include "exam/exam_controls.h"

#include "widgets/click_label.h"
#include "widgets/fonts.h"
#include "widgets/program_identity.h"

#include <QPushButton>

namespace ExamControls {

void setUpWindow(QWidget* window, const char* name, const QString& title, const QString& access) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(programTitle + QStringLiteral(" - ") + title);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowIcon(programIcon());
    window->setFont(msSansSerif(defaultFontPoints));
    window->setAccessibleName(access);
}

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
    label->setWhiteBox();
    return label;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace ExamControls
