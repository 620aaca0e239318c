// Print and Print Preview: the schedule through the system's print dialog (GTK's, whose "Print
// to File" makes a PDF; Windows' own), or in a preview window first.
#include <algorithm>

#include <wx/display.h>
#include <wx/print.h>
#include <wx/weakref.h>

#include "ui/config_dlg.h"
#include "ui/messages.h"
#include "ui/schedule_printout.h"

namespace {
// The preview window, which gives the keyboard focus back to where it was in the editor once
// it closes: on GTK the editor, disabled while the preview stood, would otherwise take no
// keys until clicked.
class CPreviewFrame : public wxPreviewFrame {
public:
    CPreviewFrame(wxPrintPreview* preview, wxWindow* parent, const wxSize& size)
        : wxPreviewFrame(preview, parent, _("Print Preview"), wxDefaultPosition, size), focus_(FindFocus()) {}

private:
    void OnClose(wxCloseEvent& event) {
        wxWindow* const parent = GetParent();
        OnCloseWindow(event);  // enables the editor again and destroys the preview
        wxWindow* const focus = focus_ ? focus_.get() : parent;
        if (focus) focus->SetFocus();
    }

    wxWeakRef<wxWindow> focus_;

    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(CPreviewFrame, wxPreviewFrame)
    EVT_CLOSE(CPreviewFrame::OnClose)
wxEND_EVENT_TABLE()
}  // namespace

wxString CConfigDlg::PrintedSource() const {
    const wxString source = source_.kind == ScheduleSource::Kind::kNone ? _("New schedule") : SourceText();
    // TRANSLATORS: on a printout's header, after where the schedule came from ("WEEK.DAT").
    return document_.IsModified() ? wxString::Format(_("%s, with unsaved changes"), source) : source;
}

void CConfigDlg::OnPrint(wxCommandEvent&) {
    wxPrintDialogData data(printData_);
    wxPrinter printer(&data);
    CSchedulePrintout printout(document_, *weekStrip_, PrintedSource());
    if (printer.Print(this, &printout, true)) {
        printData_ = printer.GetPrintDialogData().GetPrintData();  // kept for the next print
        return;
    }
    if (wxPrinter::GetLastError() == wxPRINTER_ERROR) ShowError(wxGetTranslation(kMsgPrintFailed));
}

void CConfigDlg::OnPrintPreview(wxCommandEvent&) {
    wxPrintDialogData data(printData_);
    // One printout for the preview, one for printing from it.
    auto* preview = new wxPrintPreview(new CSchedulePrintout(document_, *weekStrip_, PrintedSource()),
                                       new CSchedulePrintout(document_, *weekStrip_, PrintedSource()), &data);
    if (!preview->IsOk()) {
        delete preview;
        ShowError(wxGetTranslation(kMsgPreviewFailed));
        return;
    }
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect area = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    const wxSize size(std::min(area.width * 9 / 10, FromDIP(900)), area.height * 9 / 10);
    auto* frame = new CPreviewFrame(preview, this, size);
    // Modal to the whole editor: the schedule it shows cannot change under it, and on GTK
    // only a modal window takes input above the modal main window.
    frame->InitializeWithModality(wxPreviewFrame_AppModal);
    frame->CentreOnParent();
    frame->Show();
}
