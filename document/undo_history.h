#pragma once
// Undo and redo over whole snapshots of what the operator edits: each step keeps the state
// before a change, so undoing it restores that state and redoing it restores the one after.
#include <cstddef>
#include <deque>
#include <utility>

template <class Snapshot>
class UndoHistory {
public:
    static constexpr std::size_t kDefaultCapacity = 100;

    // At most capacity steps are kept; beyond it the oldest is dropped.
    explicit UndoHistory(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Records the state before a change as the newest step; the redo steps are dropped.
    void Record(Snapshot before) {
        redo_.clear();
        undo_.push_back(std::move(before));
        while (undo_.size() > capacity_) undo_.pop_front();
    }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The state the next Undo or Redo restores; only while CanUndo or CanRedo.
    const Snapshot& NextUndo() const { return undo_.back(); }
    const Snapshot& NextRedo() const { return redo_.back(); }

    // The state to restore, keeping current for a redo; current itself when nothing is left to undo.
    Snapshot Undo(Snapshot current) { return Step(undo_, redo_, std::move(current)); }
    // The state to restore, keeping current for an undo; current itself when nothing is left to redo.
    Snapshot Redo(Snapshot current) { return Step(redo_, undo_, std::move(current)); }

    // Forgets every step, as after loading another schedule.
    void Clear() {
        undo_.clear();
        redo_.clear();
    }

private:
    static Snapshot Step(std::deque<Snapshot>& from, std::deque<Snapshot>& to, Snapshot current) {
        if (from.empty()) return current;
        Snapshot restored = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(current));
        return restored;
    }

    std::size_t capacity_;
    std::deque<Snapshot> undo_;
    std::deque<Snapshot> redo_;
};
