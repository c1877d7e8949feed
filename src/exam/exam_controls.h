// The controls the practice exam and the review are built of, made as the study window makes its
// own.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_CONTROLS_H
#define VARNEL_EXAM_EXAM_CONTROLS_H

#include <QString>

class ClickLabel;
class QLabel;
class QPushButton;
class QWidget;

namespace ExamControls {

// Sets up a window of the practice exam's family: its object name, the program's
// title followed by " - " and what the window is, a fixed-size window with title bar,
// minimise and close buttons, the program's icon and font, and its accessible name.
void setUpWindow(QWidget* window, const char* name, const QString& title, const QString& access);
// Gives a control its object name and its accessible name.
template <typename Widget> Widget* named(Widget* widget, const char* name, const QString& access) {
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(access);
    return widget;
}
// A push button that is never the default button.
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& access);
// A label that shows a changing text as the study window's field labels do: its
// accessible name is the text shown (announced when it changes), its description
// says what it is; a text too long for it is drawn smaller, then cut.
ClickLabel* fieldLabel(QWidget* parent, const char* name, const QString& description);
// A field label in the white, bordered box the question is shown in, as in the study
// window.
ClickLabel* whiteBox(QWidget* parent, const char* name, const QString& description);
// A caption whose access key takes the focus to buddy.
QLabel* caption(QWidget* parent, const char* name, const QString& text, QWidget* buddy);

} // namespace ExamControls

#endif
