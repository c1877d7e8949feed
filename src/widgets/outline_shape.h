// OutlineShape: a plain rectangle outline that groups controls, with no fill and no input.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_OUTLINE_SHAPE_H
#define VARNEL_WIDGETS_OUTLINE_SHAPE_H

#include <QColor>
#include <QWidget>

// A plain rectangle outline that groups controls; no fill, no input.
class OutlineShape : public QWidget {
    Q_OBJECT
public:
    OutlineShape(const QColor& borderColor, QWidget* parent);
    QColor borderColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};

#endif
