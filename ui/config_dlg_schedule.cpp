// The schedule commands: New, Copy, Edit, Delete and Delete All.
#include <wx/msgdlg.h>

#include "model/messages.h"
#include "ui/config_dlg.h"
#include "ui/schedule_item_dlg.h"

bool CConfigDlg::RunEntryDialog(EntryForm& form, int excludeSlot) {
    for (;;) {
        CScheduleItemDlg dlg(this);
        dlg.form = form;
        if (dlg.ShowModal() != wxID_OK) return false;
        form = dlg.form;
        if (document_.Fits(form, excludeSlot)) return true;
        // The dialog opens again on what the operator entered.
        ShowError(kMsgOverlap);
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
