// The dialogs a learner sees: the message box, the input box, the yes/no question, the file dialogs
// and the list to choose from.
// SPDX-License-Identifier: MIT
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::inputBox(QWidget* parent, const QString& prompt, const QString& defaultText) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, programTitle, prompt, QLineEdit::Normal,
                                               defaultText, &accepted);
    return accepted ? text : QString();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
    // No is the safe answer when Enter is pressed without reading.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, programTitle + QStringLiteral(" - ") + caption,
                                        suggested, filter);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, programTitle + QStringLiteral(" - ") + caption,
                                        folder, filter);
}

int QtDialogs::chooseItem(QWidget* parent, const QString& prompt, const QStringList& items) {
    if (items.isEmpty())
        return -1;
    bool accepted = false;
    const QString chosen =
        QInputDialog::getItem(parent, programTitle, prompt, items, 0, false, &accepted);
    return accepted ? static_cast<int>(items.indexOf(chosen)) : -1;
}
