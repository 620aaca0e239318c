#include "ui/main_window/config_drop_target.h"

#include "ui/main_window/config_dlg.h"

int CConfigDropTarget::OpenDialogs::Enter(wxDialog* dialog) {
    if (dialog != static_cast<const wxDialog*>(dlg_)) ++count_;
    return wxID_NONE;  // every dialog shows as it would without the count
}

void CConfigDropTarget::OpenDialogs::Exit(wxDialog* dialog) {
    if (dialog != static_cast<const wxDialog*>(dlg_) && count_ > 0) --count_;
}

CConfigDropTarget::CConfigDropTarget(CConfigDlg* dlg) : dlg_(dlg), openDialogs_(dlg) {}

bool CConfigDropTarget::WindowFree() const { return dlg_->IsEnabled() && !openDialogs_.Any(); }

wxDragResult CConfigDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult suggested) {
    return WindowFree() ? wxFileDropTarget::OnDragOver(x, y, suggested) : wxDragNone;
}

bool CConfigDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
    if (!WindowFree()) return false;
    dlg_->CallAfter([dlg = dlg_, files] { dlg->OpenDropped(files); });
    return true;
}
