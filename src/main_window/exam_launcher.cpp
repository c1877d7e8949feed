// Starting the program on another examination's bank through the launcher's command.
// SPDX-License-Identifier: MIT
#include "main_window/exam_launcher.h"

#include <QProcess>

bool CommandExamLauncher::start(Examination exam) {
    return !m_command.isEmpty() &&
           QProcess::startDetached(m_command,
                                   {QStringLiteral("--exam"), Examinations::optionValue(exam)});
}
