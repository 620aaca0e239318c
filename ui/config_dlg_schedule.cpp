// The schedule commands: New, Copy, Edit, Delete and Delete All.
#include <vector>

#include <wx/msgdlg.h>

#include "model/messages.h"
#include "model/overlap.h"
#include "ui/config_dlg.h"
#include "ui/schedule_item_dlg.h"

bool CConfigDlg::RunEntryDialog(EntryForm& form, int excludeIndex) {
    for (;;) {
        CScheduleItemDlg dlg(this);
        dlg.form = form;
        if (dlg.ShowModal() != wxID_OK) return false;
        form = dlg.form;
        const std::vector<ScheduleEntry> entries = image_.Entries();
        if (FitsSchedule(entries, FormStart(form), FormStop(form), excludeIndex)) return true;
        // The dialog opens again on what the operator entered.
        ShowError(kMsgOverlap);
    }
}

void CConfigDlg::AppendFromForm(const EntryForm& form) {
    if (!AppendEntry(image_, EntryFromForm(form))) return;
    AddRow(image_.EntryCount() - 1);
    SetModified();
}

void CConfigDlg::OnNew(wxCommandEvent&) {
    if (image_.EntryCount() >= kMaxEntries) {
        ShowError(kMsgScheduleFull);
        return;
    }
    EntryForm form = NewEntryForm();
    if (RunEntryDialog(form, -1)) AppendFromForm(form);
}

void CConfigDlg::OnCopy(wxCommandEvent&) {
    if (image_.EntryCount() >= kMaxEntries) {
        ShowError(kMsgScheduleFull);
        return;
    }
    const long row = SelectedRow();
    if (row < 0) return;
    // The source still counts against its copy, which must be given other times.
    EntryForm form = FormFromEntry(image_.Entry(static_cast<std::size_t>(list_->GetItemData(row))));
    if (RunEntryDialog(form, -1)) AppendFromForm(form);
}

void CConfigDlg::OnEdit(wxCommandEvent&) {
    const long row = SelectedRow();
    if (row < 0) return;
    const auto slot = static_cast<std::size_t>(list_->GetItemData(row));
    EntryForm form = FormFromEntry(image_.Entry(slot));
    if (!RunEntryDialog(form, static_cast<int>(slot))) return;
    image_.SetEntry(slot, EntryFromForm(form));
    list_->DeleteItem(row);
    AddRow(slot);
    SetModified();
}

void CConfigDlg::OnDelete(wxCommandEvent&) {
    const long row = SelectedRow();
    if (row < 0) return;
    if (wxMessageBox(kMsgDeleteItem, kTitleConfirmDelete, wxYES_NO | wxICON_QUESTION, this) != wxYES) return;
    const long slot = static_cast<long>(list_->GetItemData(row));
    list_->DeleteItem(row);
    RemoveEntry(image_, static_cast<std::size_t>(slot));
    // Rows of the slots that moved down keep naming their own entries.
    for (long i = 0; i < list_->GetItemCount(); ++i) {
        const long data = static_cast<long>(list_->GetItemData(i));
        if (data > slot) list_->SetItemData(i, data - 1);
    }
    SetModified();
}

void CConfigDlg::OnDeleteAll(wxCommandEvent&) {
    if (wxMessageBox(kMsgDeleteAll, kTitleConfirmDelete, wxYES_NO | wxICON_QUESTION, this) != wxYES) return;
    image_.SetEntryCount(0);
    list_->DeleteAllItems();
    AutosizeColumns();
}
