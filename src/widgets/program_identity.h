// The program's identity: its title, version and icon, as every window shows them.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_PROGRAM_IDENTITY_H
#define VARNEL_WIDGETS_PROGRAM_IDENTITY_H

#include "varnel_version.h"

#include <QIcon>
#include <QString>

// The program's title: the main window's caption, every message box's title and the
// name the About box gives.
inline const QString programTitle = QStringLiteral("Varnel Theory");

// The desktop's name for the program: its desktop entry's file name (without
// ".desktop"), its Wayland app id and its X11 window class, so docks and task bars
// group the windows with the menu entry and show its icon.
inline const QString programAppId = QStringLiteral("org.varnel.VarnelTheory");

// The version, as set once in the project file.
inline const QString programVersion = QStringLiteral(VARNEL_VERSION);

// The program icon with its 32 x 32 and 16 x 16 images, for every window of the program.
QIcon programIcon();

#endif
