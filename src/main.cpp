// The program: opens the question bank in the working folder, shows the main window, or reports why
// the bank will not open.
// SPDX-License-Identifier: MIT
#include "main_window/dialogs.h"
#include "main_window/frm_theo.h"
#include "main_window/program_identity.h"
#include "main_window/random_draw.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle);
    QtDialogs dialogs;
    ClockRandomDraw draw;
    FrmTheo window(QDir::currentPath(), dialogs, draw);
    if (const BankStatus status = window.openQuestionBank(); !status) {
        dialogs.message(nullptr, status.reason());
        return 1;
    }
    window.show();
    return app.exec();
}
