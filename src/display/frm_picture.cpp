// The figure window: loading a question's bitmap and keeping its sizes in twips, and OK.
// SPDX-License-Identifier: MIT
#include "display/frm_picture.h"

#include "widgets/fonts.h"
#include "widgets/program_identity.h"
#include "widgets/smooth_pixmap.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int designClientWidth = 8985;
constexpr int designClientHeight = 6060;
constexpr int designClientLeft = 60;
constexpr int designClientTop = 345;
constexpr int designImageWidth = 8822;

// A value kept in twips while the widget still has the pixel size it rounds to.
int exactOr(int keptTwips, int pixels) {
    return keptTwips > 0 && twips::toPixels(keptTwips) == pixels ? keptTwips
                                                                 : twips::fromPixels(pixels);
}

} // namespace

FrmPicture::FrmPicture(QWidget* parent) : QWidget(parent), m_image1Width(designImageWidth) {
    setObjectName(QStringLiteral("frmPicture"));
    setWindowTitle(QStringLiteral("Use This Picture"));
    setWindowIcon(programIcon());
    setFont(msSansSerif(defaultFontPoints));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(white);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Figure"));
    Image1->setScaledContents(false);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(Image1, 0, 0, designImageWidth, 5400);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    twips::place(Command1, 4320, 5520, 735, 315);
    // First in the tab order: the learner can press Enter or Space, as Esc anywhere.
    Command1->setAutoDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &FrmPicture::Command1_Click);

    // The client area starts near the top-left corner of the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(
        twips::rect(designClientLeft, designClientTop, designClientWidth, designClientHeight)
            .translated(corner));
}

void FrmPicture::Command1_Click() {
    hide();
}

bool FrmPicture::loadPicture(const QString& path) {
    QPixmap picture;
    if (!picture.load(path)) {
        Image1->clear();
        return false;
    }
    const QSize natural = picture.deviceIndependentSize().toSize();
    Image1->setPixmap(smoothForRatio(picture, Image1->devicePixelRatioF()));
    Image1->resize(natural);
    m_image1Width = twips::fromPixels(natural.width());
    return true;
}

int FrmPicture::image1Width() const {
    return exactOr(m_image1Width, Image1->width());
}

QMargins FrmPicture::frame() const {
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    const QMargins own(client.left() - outer.left(), client.top() - outer.top(),
                       outer.right() - client.right(), outer.bottom() - client.bottom());
    // The window system tells a window's frame only once it has been shown.
    return own.isNull() && !m_shownOnce ? m_frameGuess : own;
}

int FrmPicture::outerWidth() const {
    const QMargins f = frame();
    return exactOr(m_outerTwips.width(), width() + f.left() + f.right());
}

int FrmPicture::outerHeight() const {
    const QMargins f = frame();
    return exactOr(m_outerTwips.height(), height() + f.top() + f.bottom());
}

void FrmPicture::setOuterSize(int widthTwips, int heightTwips) {
    // Qt sizes the client area; the frame adds what the window system draws around it.
    const QMargins f = frame();
    resize(twips::toPixels(widthTwips) - f.left() - f.right(),
           twips::toPixels(heightTwips) - f.top() - f.bottom());
    m_outerTwips = QSize(widthTwips, heightTwips);
}

void FrmPicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        Command1_Click();
    else
        QWidget::keyPressEvent(event);
}

void FrmPicture::showEvent(QShowEvent* event) {
    m_shownOnce = true;
    QWidget::showEvent(event);
}
