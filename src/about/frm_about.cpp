// The About box: the picture with the program's name, maker and copyright lines over it, and OK; it
// steps aside when another window of the program becomes active.
// SPDX-License-Identifier: MIT
#include "about/frm_about.h"

#include "widgets/fonts.h"
#include "widgets/program_identity.h"
#include "widgets/smooth_pixmap.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

namespace {

// The trademark sign is drawn in a small bitmap face; a plain sans face of the same
// size serves where that face is missing.
QFont smallFonts(double points) {
    return designFont(QStringLiteral("Small Fonts"),
                      {QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                       QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")},
                      points);
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" About ") + programTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(programIcon());
    setFont(msSansSerif(defaultFontPoints));

    // The picture box is larger than the window; only its top-left part is ever seen.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(
        smoothForRatio(QPixmap(QStringLiteral(":/about.bmp")), Picture1->devicePixelRatioF()));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setScaledContents(false);
    twips::place(Picture1, 0, 0, 6735, 5295);

    Label6 = whiteLabel("Label6", QStringLiteral("Copyright \u00A9 2026 Quillmoor Radio Software"),
                        Qt::AlignHCenter | Qt::AlignTop);
    twips::place(Label6, 1560, 360, 4455, 255);
    Label7 = whiteLabel("Label7", QStringLiteral("All Rights Reserved"),
                        Qt::AlignHCenter | Qt::AlignTop);
    twips::place(Label7, 2400, 600, 2895, 255);

    // The brand line: three labels that read as one sentence, the sign raised between.
    Label13 = whiteLabel("Label13", programTitle + QStringLiteral(" is a Quillmoor"),
                         Qt::AlignLeft | Qt::AlignTop);
    twips::place(Label13, 1920, 840, 2175, 255);
    Label4 = whiteLabel("Label4", QStringLiteral("\u2122"), Qt::AlignLeft | Qt::AlignTop);
    Label4->setFont(smallFonts(6));
    twips::place(Label4, 4080, 840, 255, 135);
    Label8 =
        whiteLabel("Label8", QStringLiteral("software product."), Qt::AlignLeft | Qt::AlignTop);
    twips::place(Label8, 4320, 840, 1455, 255);

    Label1 = whiteLabel("Label1",
                        QStringLiteral("Also from Quillmoor: Varnel Morse, the code trainer "
                                       "that takes you from 5 to 20 words a minute. To order, "
                                       "call 555-0147 or visit www.example.com"),
                        Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    twips::place(Label1, 1920, 1440, 3615, 975);

    Label2 = whiteLabel("Label2", QString(), Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);
    twips::place(Label2, 1920, 2415, 3615, 435);

    Command1 = new QPushButton(QStringLiteral("OK"), Picture1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    twips::place(Command1, 3480, 2880, 615, 255);
    Command1->installEventFilter(this);
    Command1->setFocus(); // the one control: Space or Enter closes the box at once
    connect(Command1, &QPushButton::clicked, this, &FrmAbout::Command1_Click);

    // Client area and first position; a box created anew comes back at the same place.
    setGeometry(twips::rect(1530, 1545, 5910, 3690));
    setFixedSize(size());
}

QLabel* FrmAbout::whiteLabel(const char* name, const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, Picture1);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment);
    // No background of its own, so the picture shows around the letters.
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 255));
    label->setPalette(palette);
    return label;
}

void FrmAbout::Command1_Click() {
    QPointer<FrmAbout> self(this);
    setVisible(false);
    QCoreApplication::processEvents();
    if (self)
        hide();
}

void FrmAbout::Form_Deactivate() {
    setVisible(false);
}

void FrmAbout::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow() || !isVisible())
        return;
    // Losing the focus to another application leaves no active window of ours; only a
    // window of this program taking over sends the box away.
    QWidget* now = QApplication::activeWindow();
    if (now && now != this)
        Form_Deactivate();
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    // OK is no default button, yet Enter presses it while it has the keyboard focus.
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command1->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
