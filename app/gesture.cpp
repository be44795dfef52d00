#include "app/gesture.h"

GestureStep stepGesture(int state, GestureEvent event)
{
    if (state < 0 || state > kGesturePressed) state = kGestureIdle;
    switch (event) {
    case GestureEvent::ButtonDown: return {kGesturePressed, GestureAction::None};
    case GestureEvent::MouseMove:
        if (state == 1) return {kGestureIdle, GestureAction::StartMove};
        if (state > 1) return {state - 1, GestureAction::None};
        return {kGestureIdle, GestureAction::None};
    case GestureEvent::ButtonUp:
        if (state >= 2) return {kGestureIdle, GestureAction::Close};
        // A release two moves after the press is neither click nor drag.
        // Ending the gesture here keeps a later move without a button held
        // from dragging the board away.
        return {kGestureIdle, GestureAction::None};
    case GestureEvent::CaptureChanged: return {kGestureIdle, GestureAction::None};
    }
    return {kGestureIdle, GestureAction::None};
}
