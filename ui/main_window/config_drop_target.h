#pragma once
// Takes files dropped anywhere on the main window, from the file manager or any program that
// drags files, and hands them to the window once the drop is over: a message box shown
// during the drop would keep the program the files came from waiting.
#include <wx/dnd.h>
#include <wx/modalhook.h>

class CConfigDlg;

class CConfigDropTarget : public wxFileDropTarget {
public:
    explicit CConfigDropTarget(CConfigDlg* dlg);

    // No drop is taken while a dialog stands open over the window (an entry being edited, a
    // save choosing its file) or the window is disabled: the schedule must not change under it.
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult suggested) override;
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

private:
    // Counts the modal dialogs open over the window, message boxes and the system's file and
    // print dialogs included: on GTK the window stays enabled under them.
    class OpenDialogs : public wxModalDialogHook {
    public:
        explicit OpenDialogs(const CConfigDlg* dlg) : dlg_(dlg) { Register(); }
        bool Any() const { return count_ > 0; }

    protected:
        int Enter(wxDialog* dialog) override;
        void Exit(wxDialog* dialog) override;

    private:
        const CConfigDlg* dlg_;  // its own modal run is not counted
        int count_ = 0;
    };

    bool WindowFree() const;

    CConfigDlg* dlg_;
    OpenDialogs openDialogs_;
};
