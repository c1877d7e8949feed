// The program: opens the question bank in the working folder, shows the main window, or reports why
// the bank will not open.
// SPDX-License-Identifier: MIT
#include "drill/random_draw.h"
#include "main_window/exam_launcher.h"
#include "main_window/frm_theo.h"
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Read before Qt starts, so a mistake or --help needs no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Examinations::ProgramOptions options = Examinations::parseArguments(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(options.error));
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(qPrintable(options.help ? Examinations::usage()
                                           : QStringLiteral("varnel-theory ") + programVersion +
                                                 QLatin1Char('\n')),
                   stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // The application name is the X11 window class; the desktop file name is the Wayland
    // app id. Both are the desktop entry's name, which also is its StartupWMClass.
    QApplication::setApplicationName(programAppId);
    QApplication::setApplicationVersion(programVersion);
    QGuiApplication::setDesktopFileName(programAppId);
    QtDialogs dialogs;
    ClockRandomDraw draw;
    FrmTheo window(QDir::currentPath(), dialogs, draw);
    CommandExamLauncher launcher(options.launcher);
    window.setExamination(options.exam, options.launcher.isEmpty() ? nullptr : &launcher);
    if (const BankStatus status = window.openQuestionBank(); !status) {
        dialogs.message(nullptr, status.reason());
        return 1;
    }
    window.show();
    return app.exec();
}
