// The schedule commands: New, Copy, Copy To Days, Edit, Delete and Delete All, Copy Day To Days
// and Clear Day, and an entry drawn, moved or resized on the week strip.
#include <wx/msgdlg.h>

#include "model/entry_texts.h"
#include "model/week_drag.h"
#include "model/week_move.h"
#include "ui/main_window/config_dlg.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/common/messages.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui/main_window/status_line.h"
#include "ui/week_strip/week_strip.h"

bool CConfigDlg::Refused(const EditOutcome& outcome) {
    using Result = EditOutcome::Result;
    switch (outcome.result) {
        case Result::kDone: return false;
        case Result::kNoSuchEntry: break;  // the selection went meanwhile: nothing to say
        case Result::kFull: ShowError(wxGetTranslation(kMsgScheduleFull)); break;
        case Result::kOutsideWeek: ShowError(wxGetTranslation(kMsgCopyOutsideWeek)); break;
        case Result::kOverlap:
            ShowError(wxGetTranslation(kMsgOverlap),
                      wxString::FromUTF8(OverlapDetailText(document_.Image().Entry(*outcome.overlapping))));
            break;
        case Result::kDaysOverlap: {
            // A day's copies name the entries in their way as well.
            std::string detail = CopyOverlapText(outcome.overlappingDays);
            if (!outcome.inTheWay.empty()) detail.append("\n").append(InTheWayText(outcome.inTheWay));
            ShowError(wxGetTranslation(kMsgOverlap), wxString::FromUTF8(detail));
            break;
        }
    }
    return true;
}

void CConfigDlg::RunEntryDialog(EntryForm form, const std::function<EditOutcome(const EntryForm&)>& apply) {
    for (;;) {
        CScheduleItemDlg dlg(this);
        dlg.form = form;
        if (dlg.ShowModal() != wxID_OK) return;
        form = dlg.form;
        const EditOutcome outcome = apply(form);
        // After an overlap the dialog opens again on what the operator entered.
        if (!Refused(outcome) || outcome.result != EditOutcome::Result::kOverlap) return;
    }
}

void CConfigDlg::AddThroughDialog(const EntryForm& form) {
    if (Refused(document_.CanAdd())) return;
    RunEntryDialog(form, [this](const EntryForm& f) { return document_.Add(f); });
}

void CConfigDlg::OnNew(wxCommandEvent&) { AddThroughDialog(NewEntryForm()); }

void CConfigDlg::OnCopy(wxCommandEvent&) {
    // A full schedule is said so first, whether or not an entry is selected.
    if (Refused(document_.CanAdd())) return;
    const OptionalSlot slot = document_.SelectedSlot();
    if (!slot) return;
    // The source still counts against its copy, which must be given other times.
    AddThroughDialog(FormFromEntry(document_.Image().Entry(*slot)));
}

void CConfigDlg::OnWeekStripDrawn(wxCommandEvent&) {
    // The drawn span opens as a new entry, with the new-entry defaults for everything else.
    AddThroughDialog(SpanForm(weekStrip_->DrawnSpan()));
}

void CConfigDlg::OnWeekStripMoved(wxCommandEvent& event) {
    // The strip has handed the document a move or resize: the status line says how it went.
    const EditOutcome& outcome = weekStrip_->MoveOutcome();
    if (outcome.result == EditOutcome::Result::kOverlap) {
        const ScheduleEntry other = document_.Image().Entry(*outcome.overlapping);
        const wxString overlap = wxString::FromUTF8(OverlapDetailText(other));
        // TRANSLATORS: the status line after a move on the week strip was refused; %s is the
        // entry it would have overlapped, "It overlaps 08:00:00 on Friday to ...".
        statusLine_->SetNote(wxString::Format(_("Not changed: %s"), overlap));
    } else if (outcome.Done()) {
        const ScheduleEntry entry = document_.Image().Entry(static_cast<SlotIndex>(event.GetInt()));
        // TRANSLATORS: the status line after a move on the week strip; %s is the entry's start
        // and stop, "08:00:00 on Friday to 17:00:00 on Friday".
        statusLine_->SetNote(wxString::Format(_("Entry now %s"), wxString::FromUTF8(DragTipText(entry))));
    }
}

void CConfigDlg::OnCopyToDays(wxCommandEvent&) {
    if (Refused(document_.CanAdd())) return;
    const OptionalSlot slot = document_.SelectedSlot();
    if (!slot || Refused(document_.CanCopyToDays(*slot))) return;
    // After an overlap the dialog opens again with the days the operator ticked.
    std::vector<int> days;
    for (;;) {
        CCopyToDaysDlg dlg(this, SplitWeekTime(document_.Image().Entry(*slot).start).day, days);
        if (dlg.ShowModal() != wxID_OK) return;
        days = dlg.ChosenDays();
        if (days.empty()) return;
        const EditOutcome outcome = document_.CopyToDays(*slot, days);
        if (!Refused(outcome) || outcome.result != EditOutcome::Result::kDaysOverlap) return;
    }
}

std::optional<int> CConfigDlg::CommandDay() const { return menuDay_ ? menuDay_ : document_.SelectedDay(); }

void CConfigDlg::OnCopyDayToDays(wxCommandEvent&) {
    const std::optional<int> day = CommandDay();
    if (!day) return;
    const EditOutcome can = document_.CanCopyDayToDays(*day);
    if (can.result == EditOutcome::Result::kOutsideWeek) {
        ShowError(wxGetTranslation(kMsgDayOutsideWeek));
        return;
    }
    if (Refused(can)) return;
    const std::size_t perDay = document_.CountStartingOn(*day);
    // After an overlap the dialog opens again with the days the operator ticked.
    std::vector<int> days;
    for (;;) {
        CCopyToDaysDlg dlg(this, *day, days, _("Copy Day To Days"));
        if (dlg.ShowModal() != wxID_OK) return;
        days = dlg.ChosenDays();
        if (days.empty()) return;
        const EditOutcome outcome = document_.CopyDayToDays(*day, days);
        if (outcome.Done()) break;
        if (!Refused(outcome) || outcome.result != EditOutcome::Result::kDaysOverlap) return;
    }
    // TRANSLATORS: the status line after Copy Day To Days: how many entries, the day they start
    // on and the days they were copied to, "Copied 2 entries from Monday to Tuesday and Friday".
    statusLine_->SetNote(wxString::Format(wxPLURAL("Copied %zu entry from %s to %s", "Copied %zu entries from %s to %s",
                                                   static_cast<unsigned>(perDay)),
                                          perDay, wxString::FromUTF8(DayName(*day)),
                                          wxString::FromUTF8(DayListText(days))));
}

void CConfigDlg::OnClearDay(wxCommandEvent&) {
    const std::optional<int> day = CommandDay();
    if (!day) return;
    const std::size_t count = document_.CountStartingOn(*day);
    if (count == 0) return;
    const wxString dayName = wxString::FromUTF8(DayName(*day));
    // TRANSLATORS: Clear Day's question: how many entries start on the day, and the day.
    const wxString question = wxString::Format(wxPLURAL("Do you want to delete the %zu entry starting on %s",
                                                        "Do you want to delete the %zu entries starting on %s",
                                                        static_cast<unsigned>(count)),
                                               count, dayName);
    if (wxMessageBox(question, wxGetTranslation(kTitleConfirmDelete), wxYES_NO | wxICON_QUESTION, this) != wxYES)
        return;
    const std::size_t deleted = document_.ClearDay(*day);
    // TRANSLATORS: the status line after Clear Day: the day and how many entries were deleted,
    // "Cleared Monday: 2 entries deleted".
    statusLine_->SetNote(wxString::Format(wxPLURAL("Cleared %s: %zu entry deleted", "Cleared %s: %zu entries deleted",
                                                   static_cast<unsigned>(deleted)),
                                          dayName, deleted));
}

void CConfigDlg::OnEdit(wxCommandEvent&) {
    const OptionalSlot slot = document_.SelectedSlot();
    if (!slot) return;
    RunEntryDialog(FormFromEntry(document_.Image().Entry(*slot)),
                   [this, slot](const EntryForm& f) { return document_.Edit(*slot, f); });
}

void CConfigDlg::OnDelete(wxCommandEvent&) {
    const OptionalSlot slot = document_.SelectedSlot();
    if (!slot) return;
    if (wxMessageBox(wxGetTranslation(kMsgDeleteItem), wxGetTranslation(kTitleConfirmDelete), wxYES_NO | wxICON_QUESTION,
                     this) != wxYES)
        return;
    document_.Delete(*slot);
}

void CConfigDlg::OnDeleteAll(wxCommandEvent&) {
    if (wxMessageBox(wxGetTranslation(kMsgDeleteAll), wxGetTranslation(kTitleConfirmDelete), wxYES_NO | wxICON_QUESTION,
                     this) != wxYES)
        return;
    document_.DeleteAll();
}
