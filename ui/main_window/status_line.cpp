#include "ui/main_window/status_line.h"

#include <wx/settings.h>
#include <wx/sizer.h>

#include "storage/config_image.h"

CStatusLine::CStatusLine(wxWindow* parent, ConfigDocument& document) : wxPanel(parent), document_(document) {
    // A long path gives way in its middle, where the folder names are least telling; the
    // whole text is in the tooltip.
    action_ = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                               wxST_ELLIPSIZE_MIDDLE | wxST_NO_AUTORESIZE);
    unsaved_ = new wxStaticText(this, wxID_ANY, _("Unsaved changes"));
    count_ = new wxStaticText(this, wxID_ANY, wxString());
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(action_, wxSizerFlags(1).CentreVertical());
    row->Add(unsaved_, wxSizerFlags().CentreVertical().DoubleBorder(wxLEFT));
    row->Add(count_, wxSizerFlags().CentreVertical().DoubleBorder(wxLEFT));
    // The line ends at the window's bottom right corner, where a resizable window keeps its
    // size grip (as wide as a scroll bar): the count stays clear of it.
    row->AddSpacer(GripWidth());
    SetSizer(row);
    // The action takes what room there is; it asks for no width of its own.
    action_->SetMinSize(wxSize(FromDIP(40), -1));
    listenerId_ = document_.AddListener([this](const ConfigDocument::Change& change) {
        // A note said what the schedule was before this change: it no longer holds.
        using Kind = ConfigDocument::ChangeKind;
        if (change.kind != Kind::kSelection && change.kind != Kind::kModified && action_->GetLabel() != lastAction_)
            ShowAction(lastAction_);
        ShowState();
    });
    ShowState();
}

int CStatusLine::GripWidth() const { return wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this); }

CStatusLine::~CStatusLine() { document_.RemoveListener(listenerId_); }

void CStatusLine::SetLastAction(const wxString& text) {
    lastAction_ = text;
    ShowAction(text);
}

void CStatusLine::SetNote(const wxString& text) { ShowAction(text); }

void CStatusLine::ShowAction(const wxString& text) {
    action_->SetLabel(text);
    action_->SetToolTip(text);
    Layout();
}

wxString CStatusLine::State() const {
    if (!unsaved_->IsShown()) return count_->GetLabel();
    // TRANSLATORS: what the status line says of the schedule: "Unsaved changes, 12 of 256 entries".
    return wxString::Format(_("%s, %s"), unsaved_->GetLabel(), count_->GetLabel());
}

void CStatusLine::ShowState() {
    // TRANSLATORS: the entries in the schedule and the most it can hold, "12 of 256 entries";
    // the second number is always 256.
    const wxString count = wxString::Format(_("%zu of %zu entries"), document_.EntryCount(), kMaxEntries);
    const bool relayout = count != count_->GetLabel() || unsaved_->IsShown() != document_.IsModified();
    count_->SetLabel(count);
    unsaved_->Show(document_.IsModified());
    if (relayout) Layout();
}
