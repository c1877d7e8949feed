// The missed list: the caption its box shows, whoever adds to it.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DRILL_MISSED_LIST_H
#define VARNEL_DRILL_MISSED_LIST_H

#include <QString>

// The missed-list box's caption, shown again whenever a number is added, so the box
// always says what it holds.
inline const QString missedListCaption = QStringLiteral("Missed");

#endif
