#pragma once
// The configuration being edited: the image, the order its entries are listed in, the
// selected entry and whether anything changed since the last load or save. The schedule
// list and the week strip both draw from it, and hear of every change through its listeners.
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "model/entry_form.h"
#include "document/undo_history.h"
#include "storage/config_image.h"

class ConfigDocument {
public:
    // What changed: one row inserted or removed at a position, every row (kReset: a load,
    // an undo or redo; kAllDeleted: Delete All), or only which entry is selected. A row's texts change only by its removal and
    // reinsertion.
    enum class ChangeKind { kRowInserted, kRowRemoved, kReset, kAllDeleted, kSelection };
    struct Change {
        ChangeKind kind;
        std::size_t row = 0;  // for kRowInserted and kRowRemoved
    };
    using Listener = std::function<void(const Change&)>;
    static constexpr int kNoSlot = -1;

    // The opening image (no entries, the default extension words), nothing selected, not modified.
    ConfigDocument();

    const ConfigImage& Image() const { return image_; }
    // The image for a save, which stamps its header; the schedule is never changed through it.
    ConfigImage& ImageToSave() { return image_; }
    std::vector<ScheduleEntry> Entries() const { return image_.Entries(); }  // slots 0 .. count-1
    std::size_t EntryCount() const { return image_.EntryCount(); }
    bool IsFull() const { return EntryCount() >= kMaxEntries; }

    // Rows stand in order of start; equal starts in the order their rows were added.
    std::size_t RowCount() const { return rows_.size(); }
    std::size_t SlotOfRow(std::size_t row) const { return rows_.at(row); }
    ScheduleEntry EntryOfRow(std::size_t row) const { return image_.Entry(rows_.at(row)); }
    long RowOfSlot(int slot) const;  // -1 when no row shows that slot

    int SelectedSlot() const { return selected_; }
    long SelectedRow() const { return RowOfSlot(selected_); }  // -1 when none
    // Selects the entry of a slot (kNoSlot: none); a slot that no row shows selects nothing.
    void SelectSlot(int slot);
    void SelectRow(long row);

    bool IsModified() const { return modified_; }
    void SetModified() { modified_ = true; }
    void ClearModified() { modified_ = false; }

    // Whether the form's start and stop claim no second of another entry; excludeSlot is the
    // entry being edited, kNoSlot for a new one.
    bool Fits(const EntryForm& form, int excludeSlot) const;
    // The slot of the first entry the form's times collide with, kNoSlot when none.
    int FirstOverlap(const EntryForm& form, int excludeSlot) const;

    // New and Copy: the form's entry goes into the next free slot and its row, at its sorted
    // place, is selected; modified. False, and nothing changes, when the schedule is full.
    bool Add(const EntryForm& form);
    // Edit: the slot takes the form's entry and its row moves to its sorted place, selected;
    // modified. False for a slot beyond the schedule.
    bool Edit(std::size_t slot, const EntryForm& form);
    // Delete: later slots move down one place and their rows keep showing them; nothing is
    // selected afterwards; modified. False for a slot beyond the schedule.
    bool Delete(std::size_t slot);
    // Copy To Days: the copies go in one after another, each row at its sorted place, the
    // last one selected; modified. False, and nothing changes, when they do not all fit.
    bool AddCopies(const std::vector<ScheduleEntry>& copies);
    // Delete All: no entries, no rows; the modified flag stays as it was.
    void DeleteAll();
    // A load: takes the image in, lists its entries in slot order with the last one
    // selected, clears the modified flag and forgets the undo steps.
    void Load(const ConfigImage& image);

    // Each command above but a load is one step that Undo takes back and Redo makes again:
    // the schedule, the row order and the selection come back as they were; modified.
    // False when there is no step to take.
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    bool Undo();
    bool Redo();

    // Listeners are called after each change, in the order they were added. A view removes
    // its listener, by the number AddListener gave it, before it goes.
    int AddListener(Listener listener);
    void RemoveListener(int id);

private:
    struct Snapshot {
        ConfigImage image;
        std::vector<std::size_t> rows;
        int selected;
    };
    Snapshot Take() const { return {image_, rows_, selected_}; }
    void Restore(Snapshot snapshot);

    void InsertRow(std::size_t slot);  // at its sorted place, selected
    void RemoveRow(std::size_t row);
    void Notify(ChangeKind kind, std::size_t row = 0);

    ConfigImage image_;
    std::vector<std::size_t> rows_;  // slot shown by each row, top to bottom
    int selected_ = kNoSlot;
    bool modified_ = false;
    UndoHistory<Snapshot> history_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};
