#pragma once
// Moving the keyboard focus on to the next control of a window, the way Tab does.

class QWidget;

// Posted, not immediate: a text-change handler may ask for it and the move happens after
// the handler has returned. Starts from the window's focus widget; does nothing when the
// window is gone by then or holds no other control that takes the focus by Tab.
void PostMoveToNextControl(QWidget* window);

// The same, at once.
void MoveToNextControl(QWidget* window);
