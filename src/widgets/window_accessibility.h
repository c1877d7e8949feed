// What screen readers are told about the program's windows and about the controls that Qt
// describes differently from what the learner sees.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_WINDOW_ACCESSIBILITY_H
#define VARNEL_WIDGETS_WINDOW_ACCESSIBILITY_H

// - A top-level window made of a plain widget (the figure, table, About and exam
//   windows) is a window named by its title; Qt would offer it as a nameless client
//   area, which screen readers call a filler and do not announce.
// - A combo box is called by its own name, its text being its value; on Linux Qt
//   would name it by its text, so the topic box would be heard as "RF Safety" rather
//   than as "Topic".
// - The study window's list box, the second topic list, is never shown and offers no
//   rows: Qt would report its first rows as showing.
namespace WindowAccessibility {

// Registers these accessible interfaces; once per program.
void install();

} // namespace WindowAccessibility

#endif
