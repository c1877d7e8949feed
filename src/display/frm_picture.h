// The figure window: the bitmap a question refers to, and OK, with the sizes the figure step works
// with kept in twips.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_FRM_PICTURE_H
#define VARNEL_DISPLAY_FRM_PICTURE_H

#include <QMargins>
#include <QSize>
#include <QWidget>

class QLabel;
class QPushButton;

// The figure window: the bitmap a question refers to, and OK.
//
// Sizes the figure step works with are kept in twips as they were set, so that
// arithmetic on them stays exact although the screen shows whole pixels: Image1's
// design width of 8822 twips, for instance, is 588.13 pixels.
class FrmPicture : public QWidget {
    Q_OBJECT
public:
    explicit FrmPicture(QWidget* parent = nullptr);

    QLabel* Image1;
    QPushButton* Command1;

    // OK: hides the window; its picture, size and position stay for the next showing.
    void Command1_Click();

    // Shows the bitmap file in Image1 at its natural size and gives the box that
    // size. A missing or unreadable file leaves the box empty at its current size.
    // Returns whether the bitmap was read.
    bool loadPicture(const QString& path);
    // Image1's width in twips: its design width until a bitmap gives it another.
    int image1Width() const;
    // The window's outer width and height in twips, frame and caption included.
    int outerWidth() const;
    int outerHeight() const;
    // Gives the window an outer size in twips; its position stays.
    void setOuterSize(int widthTwips, int heightTwips);
    // The frame to reckon with until the window system has drawn this window's own
    // (before it is first shown): that of another window of the program.
    void setFrameGuess(const QMargins& frame) { m_frameGuess = frame; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMargins frame() const;

    int m_image1Width;
    QSize m_outerTwips; // as last set; valid while the window keeps that size
    QMargins m_frameGuess;
    bool m_shownOnce = false;
};

#endif
