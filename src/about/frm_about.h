#ifndef VARNEL_ABOUT_FRM_ABOUT_H
#define VARNEL_ABOUT_FRM_ABOUT_H

#include <QWidget>

// The About box: a picture with the program's name and maker over it, and OK.
class FrmAbout : public QWidget {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);
};

#endif
