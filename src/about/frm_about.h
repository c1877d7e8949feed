// The About box: a plain top-level widget with the picture, the program's name and maker, and OK.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_ABOUT_FRM_ABOUT_H
#define VARNEL_ABOUT_FRM_ABOUT_H

#include <QWidget>

class QLabel;
class QPushButton;

// The About box: a picture with the program's name and maker over it, and OK. It is a
// plain top-level widget rather than a dialog, so Esc has no meaning in it.
class FrmAbout : public QWidget {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    QLabel* Picture1;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label13;
    QLabel* Label4;
    QLabel* Label8;
    QLabel* Label1;
    QLabel* Label2; // the exam studied and its pool's dates
    QPushButton* Command1;

    // OK: puts the box out of sight until the next Help, About.
    void Command1_Click();
    // Another window of this program became active: the box gets out of its way.
    void Form_Deactivate();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* whiteLabel(const char* name, const QString& text, Qt::Alignment alignment);
};

#endif
