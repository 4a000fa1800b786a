#pragma once
// Add and Set run the exit check of the field that still has the focus: a shortcut, or a button
// that takes no focus, reaches them without the field being left, and its text would otherwise
// go out unchecked.
//
//   if (!CheckFocusedField({binding})) return;  // the field said why and has the focus back

#include <vector>

class QxSNMPRequest2Edits;

// True when the page may go on: the focused widget is no field of these bindings, or its text
// passed. A refusal shows its message and gives the field its last accepted text back.
bool CheckFocusedField(const std::vector<QxSNMPRequest2Edits*>& bindings);
