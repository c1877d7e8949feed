// What screen readers are told about the labels that show the question.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_CHOICE_ACCESSIBILITY_H
#define VARNEL_WIDGETS_CHOICE_ACCESSIBILITY_H

// A field label's accessible name is the whole text it shows (never a fixed name,
// so a new question is announced as its texts change), its description says what
// it is; a pressable label is a button with a press action.
namespace ChoiceAccessibility {

// Registers the accessible interface of the field labels; once per program.
void install();

} // namespace ChoiceAccessibility

#endif
