// The program's shared variables, one set per main window, and its 16-bit true and false flags.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_MAIN_WINDOW_SHARED_MODULE_H
#define VARNEL_MAIN_WINDOW_SHARED_MODULE_H

#include <QString>
#include <QtGlobal>

// True and false as the program's flags hold them: 16-bit integers, true being -1.
inline constexpr qint16 flagTrue = -1;
inline constexpr qint16 flagFalse = 0;

// The program's public variables, one set per main window.
struct SharedModule {
    // Raised as the very first step of start-up; the figure step runs only after it.
    qint16 StartupFlag = flagFalse;
    // Raised by the first question that has a figure; chooses figure or table window.
    qint16 FigureFlag = flagFalse;
    // The block of pool text the import works through, and its two positions (1-based).
    QString PoolText;
    qint16 FoundPos = 0;
    qint16 ParsePos = 0;
    // Raised by Transfer.
    qint16 TransferFlag = flagFalse;
};

#endif
