// Print and Print Preview: the schedule through the system's print dialog (GTK's, whose "Print
// to File" makes a PDF; Windows' own), or in a preview window first.
#include <algorithm>

#include <wx/display.h>
#include <wx/log.h>
#include <wx/print.h>
#include <wx/weakref.h>

#include "ui/main_window/config_dlg.h"
#include "ui/common/messages.h"
#include "ui/printing/schedule_printout.h"

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

// While it stands, keeps the errors and warnings that wx and the toolkit log (GTK's reason for
// a failed print, a printer that could not be set up) instead of showing them in a window of
// their own, so that the refusal can give them as its reason.
class CPrintReasons : public wxLog {
public:
    CPrintReasons() : previous_(wxLog::SetActiveTarget(this)) {}
    ~CPrintReasons() override { wxLog::SetActiveTarget(previous_); }
    CPrintReasons(const CPrintReasons&) = delete;
    CPrintReasons& operator=(const CPrintReasons&) = delete;

    // What was logged, one message a line; otherwise fallback.
    wxString Or(const wxString& fallback) const { return reasons_.empty() ? fallback : reasons_; }

protected:
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) override {
        if (level > wxLOG_Warning || message.empty()) return;
        if (!reasons_.empty()) reasons_ += '\n';
        reasons_ += message;
    }

private:
    wxLog* previous_;
    wxString reasons_;
};
}  // namespace

wxString CConfigDlg::PrintedSource() const {
    return source_.kind == ScheduleSource::Kind::kNone ? _("New schedule") : SourceText();
}

void CConfigDlg::OnPrint(wxCommandEvent&) {
    wxPrintDialogData data(printData_);
    wxPrinter printer(&data);
    CSchedulePrintout printout(document_, *weekStrip_, PrintedSource());
    wxString reason;
    {
        CPrintReasons reasons;
        if (printer.Print(this, &printout, true)) {
            printData_ = printer.GetPrintDialogData().GetPrintData();  // kept for the next print
            return;
        }
        reason = reasons.Or(_("The system gave no reason"));
    }
    // Cancelled in the print dialog: nothing to say.
    if (wxPrinter::GetLastError() == wxPRINTER_ERROR) ShowError(wxGetTranslation(kMsgPrintFailed), reason);
}

void CConfigDlg::OnPrintPreview(wxCommandEvent&) {
    wxPrintDialogData data(printData_);
    // One printout for the preview, one for printing from it.
    wxPrintPreview* preview = nullptr;
    wxString reason;
    {
        CPrintReasons reasons;
        preview = new wxPrintPreview(new CSchedulePrintout(document_, *weekStrip_, PrintedSource()),
                                     new CSchedulePrintout(document_, *weekStrip_, PrintedSource()), &data);
        // The preview lays the pages out for the printer chosen last, or the system's default one.
        reason = reasons.Or(_("No printer could be found to lay the pages out for; check that one is set up"));
    }
    if (!preview->IsOk()) {
        delete preview;
        ShowError(wxGetTranslation(kMsgPreviewFailed), reason);
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
