#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "model/undo_history.h"

namespace {

enum class Op { Change, Undo, Redo, Clear };

// One operation on a document whose whole state is an int, and what follows it.
struct Step {
    Op op;
    int value;  // the new state of a Change
    int state;
    bool canUndo, canRedo;
};

struct Script {
    const char* name;
    std::size_t capacity;
    std::vector<Step> steps;  // starting from state 0
};

const Script kScripts[] = {
    {"back and forth",
     100,
     {{Op::Change, 1, 1, true, false},
      {Op::Change, 2, 2, true, false},
      {Op::Undo, 0, 1, true, true},
      {Op::Undo, 0, 0, false, true},
      {Op::Undo, 0, 0, false, true},
      {Op::Redo, 0, 1, true, true},
      {Op::Redo, 0, 2, true, false},
      {Op::Redo, 0, 2, true, false}}},
    {"a change drops the redo steps",
     100,
     {{Op::Change, 1, 1, true, false},
      {Op::Change, 2, 2, true, false},
      {Op::Undo, 0, 1, true, true},
      {Op::Change, 5, 5, true, false},
      {Op::Undo, 0, 1, true, true},
      {Op::Undo, 0, 0, false, true},
      {Op::Redo, 0, 1, true, true},
      {Op::Redo, 0, 5, true, false}}},
    {"clear forgets both ways",
     100,
     {{Op::Change, 1, 1, true, false},
      {Op::Change, 2, 2, true, false},
      {Op::Undo, 0, 1, true, true},
      {Op::Clear, 0, 1, false, false},
      {Op::Redo, 0, 1, false, false}}},
    {"the oldest step goes beyond the capacity",
     2,
     {{Op::Change, 1, 1, true, false},
      {Op::Change, 2, 2, true, false},
      {Op::Change, 3, 3, true, false},
      {Op::Undo, 0, 2, true, true},
      {Op::Undo, 0, 1, false, true},
      {Op::Undo, 0, 1, false, true},
      {Op::Redo, 0, 2, true, true},
      {Op::Redo, 0, 3, true, false}}},
    {"no capacity, no steps", 0, {{Op::Change, 1, 1, false, false}, {Op::Undo, 0, 1, false, false}}},
};

TEST(UndoHistory, Scripts) {
    for (const Script& script : kScripts) {
        SCOPED_TRACE(script.name);
        UndoHistory<int> history(script.capacity);
        int state = 0;
        for (std::size_t i = 0; i < script.steps.size(); ++i) {
            const Step& step = script.steps[i];
            switch (step.op) {
                case Op::Change:
                    history.Record(state);
                    state = step.value;
                    break;
                case Op::Undo: state = history.Undo(state); break;
                case Op::Redo: state = history.Redo(state); break;
                case Op::Clear: history.Clear(); break;
            }
            EXPECT_EQ(state, step.state) << "step " << i;
            EXPECT_EQ(history.CanUndo(), step.canUndo) << "step " << i;
            EXPECT_EQ(history.CanRedo(), step.canRedo) << "step " << i;
        }
    }
}

TEST(UndoHistory, KeepsAHundredStepsByDefault) {
    UndoHistory<int> history;
    for (int state = 0; state < 150; ++state) history.Record(state);
    int state = 150, undone = 0;
    for (; history.CanUndo(); ++undone) state = history.Undo(state);
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(state, 50);
}

}  // namespace
