// The dialogs a learner sees: the message box, the input box and the yes/no question.
// SPDX-License-Identifier: MIT
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"

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
