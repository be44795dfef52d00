#include "app/gesture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using E = GestureEvent;
using A = GestureAction;

const char* name(A action)
{
    switch (action) {
    case A::None: return "none";
    case A::StartMove: return "start move";
    case A::Close: return "close";
    }
    return "?";
}

struct Transition {
    int state;
    E event;
    int next;
    A action;
};

// Every cell of the transition table.
const Transition kTransitions[] = {
    {0, E::ButtonDown, 3, A::None},
    {0, E::MouseMove, 0, A::None},
    {0, E::ButtonUp, 0, A::None},
    {0, E::CaptureChanged, 0, A::None},
    {1, E::ButtonDown, 3, A::None},
    {1, E::MouseMove, 0, A::StartMove},
    {1, E::ButtonUp, 0, A::None},  // neither click nor drag: the gesture ends
    {1, E::CaptureChanged, 0, A::None},
    {2, E::ButtonDown, 3, A::None},
    {2, E::MouseMove, 1, A::None},
    {2, E::ButtonUp, 0, A::Close},
    {2, E::CaptureChanged, 0, A::None},
    {3, E::ButtonDown, 3, A::None},
    {3, E::MouseMove, 2, A::None},
    {3, E::ButtonUp, 0, A::Close},
    {3, E::CaptureChanged, 0, A::None},
};

TEST(Gesture, TransitionTable)
{
    for (const Transition& t : kTransitions) {
        GestureStep step = stepGesture(t.state, t.event);
        EXPECT_EQ(step.state, t.next) << "state " << t.state << " event " << static_cast<int>(t.event);
        EXPECT_EQ(name(step.action), name(t.action)) << "state " << t.state << " event " << static_cast<int>(t.event);
    }
}

struct Sequence {
    const char* what;
    std::vector<E> events;
    std::vector<A> actions;  // the actions other than None, in order
    int finalState;
};

const Sequence kSequences[] = {
    {"click without a move", {E::ButtonDown, E::ButtonUp}, {A::Close}, 0},
    {"click with one move", {E::ButtonDown, E::MouseMove, E::ButtonUp}, {A::Close}, 0},
    {"two moves then release: nothing", {E::ButtonDown, E::MouseMove, E::MouseMove, E::ButtonUp}, {}, 0},
    {"a move without a button after that release does not drag",
        {E::ButtonDown, E::MouseMove, E::MouseMove, E::ButtonUp, E::MouseMove, E::MouseMove}, {}, 0},
    {"the third move drags; the release after it does not close",
        {E::ButtonDown, E::MouseMove, E::MouseMove, E::MouseMove, E::ButtonUp}, {A::StartMove}, 0},
    {"capture lost mid-gesture", {E::ButtonDown, E::MouseMove, E::CaptureChanged, E::ButtonUp}, {}, 0},
    {"a second press starts over", {E::ButtonDown, E::MouseMove, E::MouseMove, E::ButtonDown, E::ButtonUp}, {A::Close},
        0},
    {"moves with no press", {E::MouseMove, E::MouseMove, E::MouseMove, E::ButtonUp}, {}, 0},
};

TEST(Gesture, Sequences)
{
    for (const Sequence& s : kSequences) {
        int state = 0;
        std::vector<A> actions;
        for (E event : s.events) {
            GestureStep step = stepGesture(state, event);
            if (step.action != A::None) actions.push_back(step.action);
            state = step.state;
        }
        EXPECT_EQ(actions, s.actions) << s.what;
        EXPECT_EQ(state, s.finalState) << s.what;
    }
}

TEST(Gesture, StateOutOfRangeCountsAsIdle)
{
    for (int state : {-1, 4, 1000}) {
        EXPECT_EQ(stepGesture(state, E::ButtonUp).action, A::None) << state;
        EXPECT_EQ(stepGesture(state, E::MouseMove).state, 0) << state;
    }
}

}  // namespace
