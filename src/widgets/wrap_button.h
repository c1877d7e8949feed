// WrapButton: a push button whose caption wraps at word boundaries when it does not fit on one
// line.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_WRAP_BUTTON_H
#define VARNEL_WIDGETS_WRAP_BUTTON_H

#include <QPushButton>

// A push button whose caption wraps at word boundaries when it does not fit on one line.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
