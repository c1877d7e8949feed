#ifndef VARNEL_MAIN_WINDOW_CLICK_LABEL_H
#define VARNEL_MAIN_WINDOW_CLICK_LABEL_H

#include <QColor>
#include <QLabel>

// A label that reports a click: pressed and released with the left button over it.
// It may draw a single-line border of its own colour, so that recolouring its text
// leaves the border as it is.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    // Draws a one-pixel border in the given colour inside the label's box.
    void setBorderColor(const QColor& color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    QColor m_border;
};

#endif
