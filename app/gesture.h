// The click-or-drag gesture on the board as a pure state machine: the state
// counts down mouse moves after a press of the left button. A release after
// at most one move is a click and closes the board; the third move after the
// press starts the system move.
#pragma once

enum class GestureEvent { ButtonDown, MouseMove, ButtonUp, CaptureChanged };

enum class GestureAction {
    None,
    StartMove,  // hand the drag to the system; the window follows the mouse
    Close,      // the press and release were a click: close the board
};

constexpr int kGestureIdle = 0;
constexpr int kGesturePressed = 3;

struct GestureStep {
    int state;  // the state once the action has been carried out
    GestureAction action;
};

// The next state and what to do for event in state (0..3; anything else
// counts as 0).
GestureStep stepGesture(int state, GestureEvent event);
