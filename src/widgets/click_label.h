// ClickLabel: a label that reports a click and may draw a single-line border of its own colour.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_CLICK_LABEL_H
#define VARNEL_WIDGETS_CLICK_LABEL_H

#include "widgets/text_fit.h"

#include <QColor>
#include <QLabel>

// A label that reports a click: pressed and released with the left button over it.
// It may draw a single-line border of its own colour, so that recolouring its text
// leaves the border as it is. A field's text that its box cannot hold at the label's
// font is drawn smaller, or cut short with the whole text as the tooltip; the label's
// text, size and font stay what they were given.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    // Draws a one-pixel border in the given colour inside the label's box.
    void setBorderColor(const QColor& color);
    // Makes the label the study window's field box: white, with black text and a
    // black border, whatever the desktop's palette (a dark one changes none of them).
    void setWhiteBox();
    // A pressable label is a control: it takes the focus by Tab, shows a focus frame,
    // takes Space or Enter as a click and offers a press action to screen readers.
    void setPressable(bool pressable);
    bool isPressable() const { return m_pressable; }
    // Whether the label shows the right answer (Drill mode's blue): screen readers then
    // hear ", right answer" after its description, and hear of the change.
    void setRightAnswerShown(bool shown);
    bool isRightAnswerShown() const { return m_rightAnswerShown; }
    // Shows a field's text, fitted to the box.
    void setFieldText(const QString& text);
    // How the text is drawn now: its point size, what is shown, whether it is cut short.
    TextFit::Fit shownText() const;
    // The height the label takes at its width when given height and room below its top
    // up to roomHeight: more only when its text needs more lines than height holds.
    int heightToShow(int height, int roomHeight) const;

public slots:
    // A click from the keyboard or a screen reader: what a mouse click reports.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int textFlags() const;
    // Measures the text against the box again when text, box or font have changed.
    void refit() const;

    bool m_pressed = false;
    bool m_pressable = false;
    bool m_rightAnswerShown = false;
    QColor m_border;
    mutable TextFit::Fit m_fit;
    mutable QString m_fitText;
    mutable QSize m_fitBox;
    mutable QFont m_fitFont;
    mutable bool m_fitValid = false;
};

#endif
