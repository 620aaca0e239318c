#pragma once
// The configuration being edited: the image, the order its entries are listed in, the
// selected entry and whether anything changed since the last load or save. The schedule
// list and the week strip both draw from it, and hear of every change through its listeners.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "document/undo_history.h"
#include "model/entry_form.h"
#include "storage/config_image.h"

// A row of the list, top to bottom; no value where no row is meant.
using RowIndex = std::size_t;
using OptionalRow = std::optional<RowIndex>;

// What became of a change to the schedule: made, or why it was refused.
struct EditOutcome {
    enum class Result {
        kDone,
        kFull,          // the schedule has no room for another entry
        kOverlap,       // the entry would claim a second of another entry (overlapping says which)
        kDaysOverlap,   // copies for some days would overlap other entries (overlappingDays)
        kOutsideWeek,   // the source of a copy, or the new times of a move, lie past Sunday
        kNoSuchEntry,   // the slot holds no entry, or no entry starts on the day
    };
    Result result = Result::kDone;
    OptionalSlot overlapping;          // with kOverlap
    std::vector<int> overlappingDays;  // with kDaysOverlap, in weekday order
    std::vector<ScheduleEntry> inTheWay;  // with kDaysOverlap from a day's copies: what they overlap, by start

    bool Done() const { return result == Result::kDone; }
};

// The commands that change the schedule, as Undo and Redo name the step they take.
enum class EditKind { kAdd, kCopyToDays, kEdit, kMove, kDelete, kDeleteAll, kCopyDayToDays, kClearDay };

class ConfigDocument {
public:
    // What changed: one row inserted or removed at a position, every row (kReset: a load, Clear Day,
    // an undo or redo; kAllDeleted: Delete All), only which entry is selected, or only the
    // modified flag. A row's texts change only by its removal and reinsertion.
    enum class ChangeKind { kRowInserted, kRowRemoved, kReset, kAllDeleted, kSelection, kModified };
    struct Change {
        ChangeKind kind;
        RowIndex row = 0;  // for kRowInserted and kRowRemoved
    };
    using Listener = std::function<void(const Change&)>;

    // The opening image (no entries, the default extension words), nothing selected, not modified.
    ConfigDocument();

    const ConfigImage& Image() const { return image_; }
    // The image for a save, which stamps its header; the schedule is never changed through it.
    ConfigImage& ImageToSave() { return image_; }
    std::vector<ScheduleEntry> Entries() const { return image_.Entries(); }  // slots 0 .. count-1
    std::size_t EntryCount() const { return image_.EntryCount(); }

    // Rows stand in order of start; equal starts in the order their rows were added.
    std::size_t RowCount() const { return rows_.size(); }
    SlotIndex SlotOfRow(RowIndex row) const { return rows_.at(row); }
    ScheduleEntry EntryOfRow(RowIndex row) const { return image_.Entry(rows_.at(row)); }
    OptionalRow RowOfSlot(OptionalSlot slot) const;  // none when no row shows that slot

    OptionalSlot SelectedSlot() const { return selected_; }
    OptionalRow SelectedRow() const { return RowOfSlot(selected_); }
    // Selects the entry of a slot (none: nothing); a slot that no row shows selects nothing.
    // Listeners hear of it only when the selection changes.
    void SelectSlot(OptionalSlot slot);
    void SelectRow(OptionalRow row);

    bool IsModified() const { return modified_; }
    // A save took the schedule as it stands: not modified, and Undo or Redo back to this
    // state is not modified either. Listeners hear of the flag only when it changes (a load,
    // an undo or a redo tells of it as a reset).
    void MarkSaved();
    // Marks the schedule changed, as a command does.
    void SetModified() { ChangeModified(true); }

    // Whether another entry could be added (kDone) or the schedule is full (kFull).
    EditOutcome CanAdd() const;
    // Whether the entry of slot could be copied to other days: kNoSuchEntry, kOutsideWeek,
    // kFull or kDone.
    EditOutcome CanCopyToDays(SlotIndex slot) const;

    // The day (1 = Monday .. 7) the selected entry starts on; none without a selection or for a
    // start past Sunday.
    std::optional<int> SelectedDay() const;
    // How many entries start on day; those running into it from the day before are not counted.
    std::size_t CountStartingOn(int day) const;
    // The top row of the entries starting on day; none when no entry starts on it.
    OptionalRow FirstRowOfDay(int day) const;
    // Whether the entries starting on day could be copied to other days: kNoSuchEntry (none
    // starts on it), kOutsideWeek, kFull or kDone.
    EditOutcome CanCopyDayToDays(int day) const;

    // New and Copy: the form's entry goes into the next free slot and its row, at its sorted
    // place, is selected; modified. Refused, with nothing changed, when the schedule is full
    // or the entry overlaps another.
    EditOutcome Add(const EntryForm& form);
    // Edit: the slot takes the form's entry and its row moves to its sorted place, selected;
    // modified. Refused for a slot beyond the schedule or an overlap with another entry.
    EditOutcome Edit(SlotIndex slot, const EntryForm& form);
    // A move or resize on the week strip: the slot's entry takes start and stop and keeps every
    // other word; its row moves to its sorted place, selected; modified. Refused for a slot
    // beyond the schedule, a time past Sunday or an overlap; the same times change nothing.
    EditOutcome SetTimes(SlotIndex slot, WeekTime start, WeekTime stop);
    // Delete: later slots move down one place and their rows keep showing them; nothing is
    // selected afterwards; modified. False for a slot beyond the schedule.
    bool Delete(SlotIndex slot);
    // Copy To Days: the entry of slot copied to each of days (1 = Monday .. 7), every copy or
    // none; each row at its sorted place, the last one selected; modified.
    EditOutcome CopyToDays(SlotIndex slot, std::span<const int> days);
    // Copy Day To Days: every entry starting on day copied to each of days (1 = Monday .. 7), each
    // keeping its length and settings, every copy or none; each row at its sorted place, the last
    // one selected; modified. Refused copies name the days and the entries in their way.
    EditOutcome CopyDayToDays(int day, std::span<const int> days);
    // Clear Day: every entry starting on day deleted, as Delete does each; nothing selected
    // afterwards; modified. The number deleted; none changes nothing and takes no undo step.
    std::size_t ClearDay(int day);
    // Delete All: no entries, no rows; the modified flag stays as it was.
    void DeleteAll();
    // A load: takes the image in, lists its entries in slot order with the last one
    // selected, clears the modified flag and forgets the undo steps.
    void Load(const ConfigImage& image);

    // Each command above but a load is one step that Undo takes back and Redo makes again:
    // the schedule, the row order and the selection come back as they were; modified unless
    // that is the state last loaded or saved. False when there is no step to take.
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    bool Undo();
    bool Redo();
    // The command the next Undo takes back, or the next Redo makes again; none without one.
    std::optional<EditKind> NextUndo() const;
    std::optional<EditKind> NextRedo() const;

    // Listeners are called after each change, in the order they were added. A view removes
    // its listener, by the number AddListener gave it, before it goes.
    int AddListener(Listener listener);
    void RemoveListener(int id);

private:
    struct Snapshot {
        ConfigImage image;
        std::vector<SlotIndex> rows;
        OptionalSlot selected;
        unsigned long long state = 0;  // which state of the schedule this is
        EditKind step = EditKind::kAdd;  // the command between this state and the next
    };
    Snapshot Take(EditKind step) const { return {image_, rows_, selected_, state_, step}; }
    // Records the state before a command as an undo step and numbers the state it leads to.
    void RecordStep(EditKind step);
    void Restore(Snapshot snapshot);

    // The slot of the first entry the form's times collide with, the edited slot left out.
    OptionalSlot FirstOverlap(const EntryForm& form, OptionalSlot editing) const;
    void AddEntries(std::span<const ScheduleEntry> entries, EditKind step);  // one undo step
    void ReplaceEntry(SlotIndex slot, RowIndex row, const ScheduleEntry& entry, EditKind step);  // one undo step
    void InsertRow(SlotIndex slot);  // at its sorted place, selected
    void RemoveRow(RowIndex row);
    void Notify(ChangeKind kind, RowIndex row = 0);
    void ChangeModified(bool modified);

    ConfigImage image_;
    std::vector<SlotIndex> rows_;  // slot shown by each row, top to bottom
    OptionalSlot selected_;
    bool modified_ = false;
    unsigned long long state_ = 0;       // numbers each state a command leads to
    unsigned long long nextState_ = 1;
    unsigned long long savedState_ = 0;  // the state last loaded or saved
    UndoHistory<Snapshot> history_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};
