// The program: opens the question bank in the working folder, shows the main window, or reports why
// the bank will not open.
// SPDX-License-Identifier: MIT
#include "drill/random_draw.h"
#include "main_window/frm_theo.h"
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application name is the X11 window class; the desktop file name is the Wayland
    // app id. Both are the desktop entry's name, which also is its StartupWMClass.
    QApplication::setApplicationName(programAppId);
    QApplication::setApplicationVersion(programVersion);
    QGuiApplication::setDesktopFileName(programAppId);
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
