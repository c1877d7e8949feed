// FrmTheo's handlers for figures: the figure step of a question change, the figure and table
// windows and where they go on the screen.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/text_rules.h"
#include "display/figure_catalogue.h"
#include "display/frm_picture.h"
#include "display/frm_table.h"
#include "main_window/frm_theo.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The part of the screen the learner can use (without panels and task bars), on the
// screen the main window stands on.
QRect usableScreen(const QWidget* mainWindow) {
    const QScreen* screen = mainWindow->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

std::optional<FigureEntry> FrmTheo::figureOf(const QString& number) {
    // The question box holds the same row's text: a row's boxes are all filled before
    // any change handler runs.
    return FigureCatalogue::figureFor(number, Text3->toPlainText(), [this] {
        if (!m_bankNamesFigures)
            m_bankNamesFigures =
                FigureCatalogue::bankNamesFigures(workingFile(BankSchema::fileName));
        return *m_bankNamesFigures;
    });
}

QString FrmTheo::shownFigureFile() {
    const std::optional<FigureEntry> figure = figureOf(trimSpaces(Text1->text()));
    return figure ? figure->bitmapFile : QString();
}

void FrmTheo::FigureLookup(const QString& number) {
    const std::optional<FigureEntry> figure = figureOf(number);
    if (!figure) {
        Command11->hide();
        frmPicture()->hide();
        frmTable()->hide();
        return;
    }

    FrmPicture* window = frmPicture();
    // Until the figure window has been shown, its frame is taken to be like this one's.
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    window->setFrameGuess(QMargins(client.left() - outer.left(), client.top() - outer.top(),
                                   outer.right() - client.right(),
                                   outer.bottom() - client.bottom()));
    if (figure->sizing == FigureSizing::CornerPlacement) {
        // The bottom-right corner of the window, whatever its size, lies 250 twips
        // inside the right and bottom edges of the screen.
        const QRect screen = usableScreen(this);
        const int left = twips::fromPixels(screen.x()) + twips::fromPixels(screen.width()) -
                         window->outerWidth() - 250;
        window->move(twips::toPixels(left), window->y());
        const int top = twips::fromPixels(screen.y()) + twips::fromPixels(screen.height()) -
                        window->outerHeight() - 250;
        window->move(window->x(), twips::toPixels(top));
    } else {
        // Square, from the width of the picture shown before this one is loaded
        // (its width for the height too).
        const int side = window->image1Width() + 200;
        window->setOuterSize(side, side);
    }
    window->Image1->show();
    // A missing or unreadable bitmap leaves the box empty; the step goes on, so Show
    // Picture still appears and opens the (empty) figure window.
    window->loadPicture(workingFile(figure->bitmapFile));
    m_shared.FigureFlag = flagTrue;
    Command11->show();
}

void FrmTheo::Command11_Click() {
    // A figure window closed from its title bar is gone with its picture; the one made
    // afresh gets the current question's figure, as a question change would give it.
    const QString number = trimSpaces(Text1->text());
    if (m_shared.FigureFlag == flagTrue && !existingFrmPicture() && !number.isEmpty())
        FigureLookup(number);
    QWidget* window = m_shared.FigureFlag == flagTrue ? static_cast<QWidget*>(frmPicture())
                                                      : static_cast<QWidget*>(frmTable());
    // Modeless: the main window stays usable while it is open.
    window->show();
    window->raise();
    window->activateWindow();
}

FrmPicture* FrmTheo::createFrmPicture() {
    return new FrmPicture;
}
FrmTable* FrmTheo::createFrmTable() {
    return new FrmTable(workingFile(QStringLiteral("NTO-1.rtf")));
}

void FrmTheo::mnuHelpPrivileges_Click() {
    FrmTable* window = frmTable();
    window->show();
    window->raise();
    window->activateWindow();
}

FrmPicture* FrmTheo::frmPicture() {
    return m_frmPicture.get();
}
FrmTable* FrmTheo::frmTable() {
    return m_frmTable.get();
}
FrmPicture* FrmTheo::existingFrmPicture() const {
    return m_frmPicture.existing();
}
FrmTable* FrmTheo::existingFrmTable() const {
    return m_frmTable.existing();
}
