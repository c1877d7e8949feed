#ifndef VARNEL_MAIN_WINDOW_CLICK_LABEL_H
#define VARNEL_MAIN_WINDOW_CLICK_LABEL_H

#include <QLabel>

// A label that reports a click: pressed and released with the left button over it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

#endif
