// How the study window starts the program on another examination's bank: through the launcher
// it was started by, as a process of its own.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_MAIN_WINDOW_EXAM_LAUNCHER_H
#define VARNEL_MAIN_WINDOW_EXAM_LAUNCHER_H

#include "widgets/examination.h"

#include <QString>
#include <utility>

// Starts the program on an examination's bank; tests pass one that only records.
class ExamLauncher {
public:
    virtual ~ExamLauncher() = default;
    // Starts it, detached from this program; false when it could not be started.
    virtual bool start(Examination exam) = 0;
};

// Runs the launcher's command with --exam, which makes the exam's working folder the
// first time and starts the program there.
class CommandExamLauncher : public ExamLauncher {
public:
    explicit CommandExamLauncher(QString command) : m_command(std::move(command)) {}
    bool start(Examination exam) override;

private:
    QString m_command;
};

#endif
