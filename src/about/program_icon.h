#ifndef VARNEL_ABOUT_PROGRAM_ICON_H
#define VARNEL_ABOUT_PROGRAM_ICON_H

#include <QIcon>

// The program icon with its 32 x 32 and 16 x 16 images, for the main window, the figure
// window and the About box.
QIcon programIcon();

#endif
