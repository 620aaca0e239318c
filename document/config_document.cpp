#include "document/config_document.h"

#include <algorithm>

#include "model/copy_to_days.h"
#include "model/day_copy.h"
#include "model/overlap.h"

namespace {
EditOutcome Refusal(EditOutcome::Result result) {
    EditOutcome outcome;
    outcome.result = result;
    return outcome;
}

EditOutcome OverlapWith(SlotIndex other) {
    EditOutcome outcome = Refusal(EditOutcome::Result::kOverlap);
    outcome.overlapping = other;
    return outcome;
}
}  // namespace

ConfigDocument::ConfigDocument() = default;

OptionalRow ConfigDocument::RowOfSlot(OptionalSlot slot) const {
    if (!slot) return std::nullopt;
    const auto it = std::find(rows_.begin(), rows_.end(), *slot);
    if (it == rows_.end()) return std::nullopt;
    return static_cast<RowIndex>(it - rows_.begin());
}

void ConfigDocument::SelectSlot(OptionalSlot slot) {
    if (!RowOfSlot(slot)) slot.reset();
    if (slot == selected_) return;
    selected_ = slot;
    Notify(ChangeKind::kSelection);
}

void ConfigDocument::SelectRow(OptionalRow row) {
    SelectSlot(row && *row < rows_.size() ? OptionalSlot(rows_[*row]) : std::nullopt);
}

OptionalSlot ConfigDocument::FirstOverlap(const EntryForm& form, OptionalSlot editing) const {
    const std::vector<ScheduleEntry> entries = Entries();
    return ::FirstOverlap(entries, FormStart(form), FormStop(form), editing);
}

EditOutcome ConfigDocument::CanAdd() const {
    if (EntryCount() >= kMaxEntries) return Refusal(EditOutcome::Result::kFull);
    return {};
}

EditOutcome ConfigDocument::CanCopyToDays(SlotIndex slot) const {
    if (slot >= EntryCount()) return Refusal(EditOutcome::Result::kNoSuchEntry);
    if (!LiesWithinWeek(image_.Entry(slot))) return Refusal(EditOutcome::Result::kOutsideWeek);
    return CanAdd();
}

std::optional<int> ConfigDocument::SelectedDay() const {
    if (!selected_) return std::nullopt;
    return StartDayOf(image_.Entry(*selected_));
}

std::size_t ConfigDocument::CountStartingOn(int day) const { return SlotsStartingOn(Entries(), day).size(); }

OptionalRow ConfigDocument::FirstRowOfDay(int day) const {
    for (RowIndex row = 0; row < rows_.size(); ++row)
        if (StartDayOf(image_.Entry(rows_[row])) == day) return row;
    return std::nullopt;
}

EditOutcome ConfigDocument::CanCopyDayToDays(int day) const {
    const std::vector<ScheduleEntry> entries = Entries();
    const std::vector<SlotIndex> slots = SlotsStartingOn(entries, day);
    if (slots.empty()) return Refusal(EditOutcome::Result::kNoSuchEntry);
    for (SlotIndex slot : slots)
        if (!LiesWithinWeek(entries[slot])) return Refusal(EditOutcome::Result::kOutsideWeek);
    return CanAdd();
}

void ConfigDocument::InsertRow(SlotIndex slot) {
    const WeekTime start = image_.Entry(slot).start;
    // Before the first row whose entry starts later: equal starts keep the order of adding.
    RowIndex row = 0;
    while (row < rows_.size() && image_.Entry(rows_[row]).start <= start) ++row;
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), slot);
    Notify(ChangeKind::kRowInserted, row);
    selected_ = slot;
    Notify(ChangeKind::kSelection);
}

void ConfigDocument::RemoveRow(RowIndex row) {
    if (rows_[row] == selected_) selected_.reset();
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    Notify(ChangeKind::kRowRemoved, row);
}

EditOutcome ConfigDocument::Add(const EntryForm& form) {
    if (EditOutcome full = CanAdd(); !full.Done()) return full;
    if (const OptionalSlot other = FirstOverlap(form, std::nullopt)) return OverlapWith(*other);
    const ScheduleEntry entry = EntryFromForm(form);
    AddEntries(std::span(&entry, 1), EditKind::kAdd);
    return {};
}

EditOutcome ConfigDocument::CopyToDays(SlotIndex slot, std::span<const int> days) {
    if (EditOutcome refused = CanCopyToDays(slot); !refused.Done()) return refused;
    const std::vector<ScheduleEntry> entries = Entries();
    CopyPlan plan = PlanCopyToDays(entries, slot, days, kMaxEntries);
    if (plan.sourceUnusable) return Refusal(EditOutcome::Result::kOutsideWeek);
    if (plan.full) return Refusal(EditOutcome::Result::kFull);
    if (!plan.overlappingDays.empty()) {
        EditOutcome refused = Refusal(EditOutcome::Result::kDaysOverlap);
        refused.overlappingDays = std::move(plan.overlappingDays);
        return refused;
    }
    if (!plan.copies.empty()) AddEntries(plan.copies, EditKind::kCopyToDays);
    return {};
}

EditOutcome ConfigDocument::CopyDayToDays(int day, std::span<const int> days) {
    if (EditOutcome refused = CanCopyDayToDays(day); !refused.Done()) return refused;
    DayCopyPlan plan = PlanCopyDayToDays(Entries(), day, days, kMaxEntries);
    if (plan.sourceOutsideWeek) return Refusal(EditOutcome::Result::kOutsideWeek);
    if (plan.full) return Refusal(EditOutcome::Result::kFull);
    if (!plan.overlappingDays.empty()) {
        EditOutcome refused = Refusal(EditOutcome::Result::kDaysOverlap);
        refused.overlappingDays = std::move(plan.overlappingDays);
        refused.inTheWay = std::move(plan.inTheWay);
        return refused;
    }
    if (!plan.copies.empty()) AddEntries(plan.copies, EditKind::kCopyDayToDays);
    return {};
}

void ConfigDocument::RecordStep(EditKind step) {
    history_.Record(Take(step));
    state_ = nextState_++;
}

void ConfigDocument::AddEntries(std::span<const ScheduleEntry> entries, EditKind step) {
    RecordStep(step);
    for (const ScheduleEntry& entry : entries) {
        AppendEntry(image_, entry);
        InsertRow(image_.EntryCount() - 1);
    }
    ChangeModified(true);
}

EditOutcome ConfigDocument::Edit(SlotIndex slot, const EntryForm& form) {
    const OptionalRow row = RowOfSlot(slot);
    if (slot >= EntryCount() || !row) return Refusal(EditOutcome::Result::kNoSuchEntry);
    if (const OptionalSlot other = FirstOverlap(form, slot)) return OverlapWith(*other);
    ReplaceEntry(slot, *row, EntryFromForm(form), EditKind::kEdit);
    return {};
}

EditOutcome ConfigDocument::SetTimes(SlotIndex slot, WeekTime start, WeekTime stop) {
    const OptionalRow row = RowOfSlot(slot);
    if (slot >= EntryCount() || !row) return Refusal(EditOutcome::Result::kNoSuchEntry);
    if (start >= kSecondsPerWeek || stop >= kSecondsPerWeek) return Refusal(EditOutcome::Result::kOutsideWeek);
    ScheduleEntry entry = image_.Entry(slot);
    if (entry.start == start && entry.stop == stop) return {};
    if (const OptionalSlot other = ::FirstOverlap(Entries(), start, stop, slot)) return OverlapWith(*other);
    entry.start = start;
    entry.stop = stop;
    ReplaceEntry(slot, *row, entry, EditKind::kMove);
    return {};
}

void ConfigDocument::ReplaceEntry(SlotIndex slot, RowIndex row, const ScheduleEntry& entry, EditKind step) {
    RecordStep(step);
    image_.SetEntry(slot, entry);
    RemoveRow(row);
    InsertRow(slot);
    ChangeModified(true);
}

bool ConfigDocument::Delete(SlotIndex slot) {
    const OptionalRow row = RowOfSlot(slot);
    if (slot >= EntryCount() || !row) return false;
    RecordStep(EditKind::kDelete);
    // Nothing is selected after a delete, whichever row was.
    selected_.reset();
    RemoveEntry(image_, slot);
    // Rows of the slots that moved down keep naming their own entries.
    for (SlotIndex& shown : rows_)
        if (shown > slot) --shown;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*row));
    Notify(ChangeKind::kRowRemoved, *row);
    Notify(ChangeKind::kSelection);
    ChangeModified(true);
    return true;
}

std::size_t ConfigDocument::ClearDay(int day) {
    const std::vector<SlotIndex> slots = SlotsStartingOn(Entries(), day);
    if (slots.empty()) return 0;
    RecordStep(EditKind::kClearDay);
    selected_.reset();
    // From the last slot down, so that the slots still to go keep their numbers.
    for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot) {
        RemoveEntry(image_, *slot);
        std::erase(rows_, *slot);
        for (SlotIndex& shown : rows_)
            if (shown > *slot) --shown;
    }
    modified_ = true;
    // One change for the lot, as an undo tells of it; the flag goes with it.
    Notify(ChangeKind::kReset);
    return slots.size();
}

void ConfigDocument::DeleteAll() {
    RecordStep(EditKind::kDeleteAll);
    image_.SetEntryCount(0);
    rows_.clear();
    selected_.reset();
    Notify(ChangeKind::kAllDeleted);
}

void ConfigDocument::Load(const ConfigImage& image) {
    image_ = image;
    rows_.clear();
    selected_.reset();
    // In slot order, each row at its sorted place, as if added one by one.
    const std::size_t count = std::min<std::size_t>(image_.EntryCount(), kMaxEntries);
    for (SlotIndex slot = 0; slot < count; ++slot) {
        const WeekTime start = image_.Entry(slot).start;
        const auto after = std::upper_bound(rows_.begin(), rows_.end(), start,
                                            [this](WeekTime s, SlotIndex r) { return s < image_.Entry(r).start; });
        rows_.insert(after, slot);
        selected_ = slot;
    }
    modified_ = false;
    history_.Clear();
    // No undo step leads back past a load: the state's number may stay as it was.
    savedState_ = state_;
    Notify(ChangeKind::kReset);
}

void ConfigDocument::MarkSaved() {
    savedState_ = state_;
    ChangeModified(false);
}

std::optional<EditKind> ConfigDocument::NextUndo() const {
    if (!history_.CanUndo()) return std::nullopt;
    return history_.NextUndo().step;
}

std::optional<EditKind> ConfigDocument::NextRedo() const {
    if (!history_.CanRedo()) return std::nullopt;
    return history_.NextRedo().step;
}

bool ConfigDocument::Undo() {
    if (!history_.CanUndo()) return false;
    // The state left behind is the redo step of the same command.
    Restore(history_.Undo(Take(history_.NextUndo().step)));
    return true;
}

bool ConfigDocument::Redo() {
    if (!history_.CanRedo()) return false;
    Restore(history_.Redo(Take(history_.NextRedo().step)));
    return true;
}

void ConfigDocument::Restore(Snapshot snapshot) {
    image_ = snapshot.image;
    rows_ = std::move(snapshot.rows);
    selected_ = snapshot.selected;
    state_ = snapshot.state;
    modified_ = state_ != savedState_;
    Notify(ChangeKind::kReset);
}

int ConfigDocument::AddListener(Listener listener) {
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void ConfigDocument::RemoveListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ConfigDocument::ChangeModified(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    Notify(ChangeKind::kModified);
}

void ConfigDocument::Notify(ChangeKind kind, RowIndex row) {
    const Change change{kind, row};
    for (const auto& [id, listener] : listeners_) listener(change);
}
