// The schedule commands: New, Copy, Edit, Delete and Delete All.
#include <wx/msgdlg.h>

#include "model/copy_to_days.h"
#include "model/entry_texts.h"
#include "ui/messages.h"
#include "model/week_drag.h"
#include "ui/config_dlg.h"
#include "ui/copy_to_days_dlg.h"
#include "ui/schedule_item_dlg.h"
#include "ui/week_strip.h"

bool CConfigDlg::RunEntryDialog(EntryForm& form, int excludeSlot) {
    for (;;) {
        CScheduleItemDlg dlg(this);
        dlg.form = form;
        if (dlg.ShowModal() != wxID_OK) return false;
        form = dlg.form;
        const int other = document_.FirstOverlap(form, excludeSlot);
        if (other == ConfigDocument::kNoSlot) return true;
        // The dialog opens again on what the operator entered.
        ShowError(kMsgOverlap, wxString::FromUTF8(OverlapDetailText(document_.Image().Entry(std::size_t(other)))));
    }
}

void CConfigDlg::OnNew(wxCommandEvent&) {
    if (document_.IsFull()) {
        ShowError(kMsgScheduleFull);
        return;
    }
    EntryForm form = NewEntryForm();
    if (RunEntryDialog(form, ConfigDocument::kNoSlot)) document_.Add(form);
}

void CConfigDlg::OnCopy(wxCommandEvent&) {
    if (document_.IsFull()) {
        ShowError(kMsgScheduleFull);
        return;
    }
    const int slot = document_.SelectedSlot();
    if (slot == ConfigDocument::kNoSlot) return;
    // The source still counts against its copy, which must be given other times.
    EntryForm form = FormFromEntry(document_.Image().Entry(static_cast<std::size_t>(slot)));
    if (RunEntryDialog(form, ConfigDocument::kNoSlot)) document_.Add(form);
}

void CConfigDlg::OnCopyToDays(wxCommandEvent&) {
    if (document_.IsFull()) {
        ShowError(kMsgScheduleFull);
        return;
    }
    const int slot = document_.SelectedSlot();
    if (slot == ConfigDocument::kNoSlot) return;
    const std::vector<ScheduleEntry> entries = document_.Entries();
    const ScheduleEntry& source = entries[std::size_t(slot)];
    if (source.start >= kSecondsPerWeek || source.stop >= kSecondsPerWeek) {
        ShowError(kMsgCopyOutsideWeek);
        return;
    }
    CCopyToDaysDlg dlg(this, SplitWeekTime(source.start).day);
    if (dlg.ShowModal() != wxID_OK) return;
    const std::vector<int> days = dlg.ChosenDays();
    if (days.empty()) return;
    // Every copy or none.
    const CopyPlan plan = PlanCopyToDays(entries, std::size_t(slot), days, kMaxEntries);
    if (plan.sourceUnusable)
        ShowError(kMsgCopyOutsideWeek);
    else if (plan.full)
        ShowError(kMsgScheduleFull);
    else if (!plan.overlappingDays.empty())
        ShowError(kMsgOverlap, wxString::FromUTF8(CopyOverlapText(plan.overlappingDays)));
    else
        document_.AddCopies(plan.copies);
}

void CConfigDlg::OnWeekStripDrawn(wxCommandEvent&) {
    // The drawn span opens as a new entry, with the new-entry defaults for everything else.
    if (document_.IsFull()) {
        ShowError(kMsgScheduleFull);
        return;
    }
    EntryForm form = SpanForm(weekStrip_->DrawnSpan());
    if (RunEntryDialog(form, ConfigDocument::kNoSlot)) document_.Add(form);
}

void CConfigDlg::OnEdit(wxCommandEvent&) {
    const int slot = document_.SelectedSlot();
    if (slot == ConfigDocument::kNoSlot) return;
    EntryForm form = FormFromEntry(document_.Image().Entry(static_cast<std::size_t>(slot)));
    if (RunEntryDialog(form, slot)) document_.Edit(static_cast<std::size_t>(slot), form);
}

void CConfigDlg::OnDelete(wxCommandEvent&) {
    const int slot = document_.SelectedSlot();
    if (slot == ConfigDocument::kNoSlot) return;
    if (wxMessageBox(kMsgDeleteItem, kTitleConfirmDelete, wxYES_NO | wxICON_QUESTION, this) != wxYES) return;
    document_.Delete(static_cast<std::size_t>(slot));
}

void CConfigDlg::OnDeleteAll(wxCommandEvent&) {
    if (wxMessageBox(kMsgDeleteAll, kTitleConfirmDelete, wxYES_NO | wxICON_QUESTION, this) != wxYES) return;
    document_.DeleteAll();
}
