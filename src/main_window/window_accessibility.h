// What screen readers are told about the program's auxiliary windows.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_MAIN_WINDOW_WINDOW_ACCESSIBILITY_H
#define VARNEL_MAIN_WINDOW_WINDOW_ACCESSIBILITY_H

// A top-level window made of a plain widget (the figure, table, About and exam
// windows) is a window named by its title; Qt would offer it as a nameless client
// area, which screen readers call a filler and do not announce.
namespace WindowAccessibility {

// Registers the accessible interface of such windows; once per program.
void install();

} // namespace WindowAccessibility

#endif
