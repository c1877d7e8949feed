#ifndef VARNEL_DISPLAY_FRM_PICTURE_H
#define VARNEL_DISPLAY_FRM_PICTURE_H

#include <QWidget>

class QLabel;
class QPushButton;

// The figure window: the bitmap a question refers to, and OK.
class FrmPicture : public QWidget {
    Q_OBJECT
public:
    explicit FrmPicture(QWidget* parent = nullptr);

    QLabel* Image1;
    QPushButton* Command1;

    void Command1_Click();
};

#endif
