#include "document/config_document.h"

#include <algorithm>

#include "model/overlap.h"

ConfigDocument::ConfigDocument() = default;

long ConfigDocument::RowOfSlot(int slot) const {
    if (slot < 0) return -1;
    const auto it = std::find(rows_.begin(), rows_.end(), static_cast<std::size_t>(slot));
    return it == rows_.end() ? -1 : static_cast<long>(it - rows_.begin());
}

void ConfigDocument::SelectSlot(int slot) {
    if (RowOfSlot(slot) < 0) slot = kNoSlot;
    if (slot == selected_) return;
    selected_ = slot;
    Notify(ChangeKind::kSelection);
}

void ConfigDocument::SelectRow(long row) {
    SelectSlot(row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? static_cast<int>(rows_[row]) : kNoSlot);
}

bool ConfigDocument::Fits(const EntryForm& form, int excludeSlot) const {
    const std::vector<ScheduleEntry> entries = Entries();
    return FitsSchedule(entries, FormStart(form), FormStop(form), excludeSlot);
}

int ConfigDocument::FirstOverlap(const EntryForm& form, int excludeSlot) const {
    const std::vector<ScheduleEntry> entries = Entries();
    return ::FirstOverlap(entries, FormStart(form), FormStop(form), excludeSlot);
}

void ConfigDocument::InsertRow(std::size_t slot) {
    const WeekTime start = image_.Entry(slot).start;
    // Before the first row whose entry starts later: equal starts keep the order of adding.
    std::size_t row = 0;
    while (row < rows_.size() && image_.Entry(rows_[row]).start <= start) ++row;
    rows_.insert(rows_.begin() + static_cast<long>(row), slot);
    Notify(ChangeKind::kRowInserted, row);
    selected_ = static_cast<int>(slot);
    Notify(ChangeKind::kSelection);
}

void ConfigDocument::RemoveRow(std::size_t row) {
    if (static_cast<int>(rows_[row]) == selected_) selected_ = kNoSlot;
    rows_.erase(rows_.begin() + static_cast<long>(row));
    Notify(ChangeKind::kRowRemoved, row);
}

bool ConfigDocument::Add(const EntryForm& form) { return AddCopies({EntryFromForm(form)}); }

bool ConfigDocument::AddCopies(const std::vector<ScheduleEntry>& copies) {
    if (copies.empty() || EntryCount() + copies.size() > kMaxEntries) return false;
    history_.Record(Take());
    for (const ScheduleEntry& copy : copies) {
        AppendEntry(image_, copy);
        InsertRow(image_.EntryCount() - 1);
    }
    SetModified();
    return true;
}

bool ConfigDocument::Edit(std::size_t slot, const EntryForm& form) {
    const long row = RowOfSlot(static_cast<int>(slot));
    if (slot >= EntryCount() || row < 0) return false;
    history_.Record(Take());
    image_.SetEntry(slot, EntryFromForm(form));
    RemoveRow(static_cast<std::size_t>(row));
    InsertRow(slot);
    SetModified();
    return true;
}

bool ConfigDocument::Delete(std::size_t slot) {
    const long row = RowOfSlot(static_cast<int>(slot));
    if (slot >= EntryCount() || row < 0) return false;
    history_.Record(Take());
    // Nothing is selected after a delete, whichever row was.
    selected_ = kNoSlot;
    RemoveEntry(image_, slot);
    // Rows of the slots that moved down keep naming their own entries.
    for (std::size_t& shown : rows_)
        if (shown > slot) --shown;
    rows_.erase(std::find(rows_.begin(), rows_.end(), slot));
    Notify(ChangeKind::kRowRemoved, static_cast<std::size_t>(row));
    Notify(ChangeKind::kSelection);
    SetModified();
    return true;
}

void ConfigDocument::DeleteAll() {
    history_.Record(Take());
    image_.SetEntryCount(0);
    rows_.clear();
    selected_ = kNoSlot;
    Notify(ChangeKind::kAllDeleted);
}

void ConfigDocument::Load(const ConfigImage& image) {
    image_ = image;
    rows_.clear();
    selected_ = kNoSlot;
    // In slot order, each row at its sorted place, as if added one by one.
    const std::size_t count = std::min<std::size_t>(image_.EntryCount(), kMaxEntries);
    for (std::size_t slot = 0; slot < count; ++slot) {
        const WeekTime start = image_.Entry(slot).start;
        const auto after = std::upper_bound(rows_.begin(), rows_.end(), start,
                                            [this](WeekTime s, std::size_t r) { return s < image_.Entry(r).start; });
        rows_.insert(after, slot);
        selected_ = static_cast<int>(slot);
    }
    ClearModified();
    history_.Clear();
    Notify(ChangeKind::kReset);
}

bool ConfigDocument::Undo() {
    if (!history_.CanUndo()) return false;
    Restore(history_.Undo(Take()));
    return true;
}

bool ConfigDocument::Redo() {
    if (!history_.CanRedo()) return false;
    Restore(history_.Redo(Take()));
    return true;
}

void ConfigDocument::Restore(Snapshot snapshot) {
    image_ = snapshot.image;
    rows_ = std::move(snapshot.rows);
    selected_ = snapshot.selected;
    SetModified();
    Notify(ChangeKind::kReset);
}

int ConfigDocument::AddListener(Listener listener) {
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void ConfigDocument::RemoveListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ConfigDocument::Notify(ChangeKind kind, std::size_t row) {
    const Change change{kind, row};
    for (const auto& [id, listener] : listeners_) listener(change);
}
