#include <gtest/gtest.h>

#include <string>

#include "document/undo_history.h"

namespace {

// A document whose state is one digit, starting at 0. In ops a digit is a change to that
// state, u an undo, r a redo, c a clear; states is the state after each op.
TEST(UndoHistory, Scripts) {
    struct Script {
        const char* name;
        std::size_t capacity;
        std::string ops, states;
        bool canUndo, canRedo;  // at the end
    };
    const Script scripts[] = {
        {"back and forth, nothing past either end", 100, "12uuurrr", "12100122", true, false},
        {"a change drops the redo steps", 100, "12u5uurr", "12151015", true, false},
        {"clear forgets both ways", 100, "12ucr", "12111", false, false},
        {"the oldest step goes beyond the capacity", 2, "123uuurr", "12321123", true, false},
        {"no capacity, no steps", 0, "1u", "11", false, false},
    };
    for (const Script& s : scripts) {
        SCOPED_TRACE(s.name);
        UndoHistory<int> history(s.capacity);
        int state = 0;
        for (std::size_t i = 0; i < s.ops.size(); ++i) {
            const char op = s.ops[i];
            if (op == 'u') {
                state = history.Undo(state);
            } else if (op == 'r') {
                state = history.Redo(state);
            } else if (op == 'c') {
                history.Clear();
            } else {
                history.Record(state);
                state = op - '0';
            }
            EXPECT_EQ(state, s.states[i] - '0') << "op " << i;
        }
        EXPECT_EQ(history.CanUndo(), s.canUndo);
        EXPECT_EQ(history.CanRedo(), s.canRedo);
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
