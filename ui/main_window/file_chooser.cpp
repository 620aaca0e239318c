// The file chooser of Load From File and Save To File.
#include "ui/main_window/file_chooser.h"

#include <system_error>

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "storage/config_file.h"

#ifdef __WXMSW__
// Windows paths are wide: a narrow one would be read in the ANSI code page, not as UTF-8.
std::filesystem::path PathOf(const wxString& path) { return std::filesystem::path(path.ToStdWstring()); }
wxString PathText(const std::filesystem::path& path) { return wxString(path.wstring()); }
#else
std::filesystem::path PathOf(const wxString& path) { return std::filesystem::path(path.utf8_string()); }
wxString PathText(const std::filesystem::path& path) { return wxString::FromUTF8(path.string()); }
#endif

namespace {
bool ExistsAt(const wxString& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(PathOf(path), ignored));
}

// The name the file dialog's default extension gives a typed path: ".DAT" when it has none.
wxString WithDatExtension(const wxString& path) {
    return wxString::FromUTF8(WithDefaultExtension(path.utf8_string()));
}

// wxGTK reads the path back from the GTK widget, which takes a path set on it only once the
// folder has loaded (and an open dialog never for a file that does not exist); the folder and
// name the dialog holds are the same choice, so they stand in when the widget has none.
wxString DialogPath(const wxFileDialog& dialog) {
    const wxString path = dialog.GetPath();
    if (!path.empty() || dialog.GetFilename().empty()) return path;
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

// The same question the save dialog asks, for a file it could not know about: the one the
// default extension leads to.
bool ConfirmReplace(wxWindow* parent, const wxString& path) {
    const wxString name = wxFileName(path).GetFullName();
    // TRANSLATORS: %s is a file's name.
    wxMessageDialog ask(parent, wxString::Format(_("%s already exists.\nDo you want to replace it?"), name),
                        _("Confirm Save As"), wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION);
    return ask.ShowModal() == wxID_YES;
}
}  // namespace

wxString FileToOpen(const wxString& name) { return ExistsAt(name) ? name : WithDatExtension(name); }

wxString ChooseConfigFile(wxWindow* parent, bool save, const wxString& current) {
    // The chooser starts in the current file's folder, a save with its name too; the name
    // field never holds a pattern, which a save would take for the name (the filter already
    // shows only configuration files).
#ifdef __WXMSW__
    const wxString filter = _("Config Files") + "|*.DAT|" + _("All Files") + "|*.*";
#else
    // GTK matches patterns letter case and all, so the second pattern takes "week.dat" and
    // "Week.Dat" too. The plain first one is where wx takes a name's default extension from.
    const wxString filter = _("Config Files") + "|*.DAT;*.[dD][aA][tT]|" + _("All Files") + "|*";
#endif
    const wxFileName start(current);
    wxString directory = current.empty() ? wxString() : start.GetPath();
    wxString name = save ? start.GetFullName() : wxString();
    for (;;) {
        const long style = save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN;
        wxFileDialog dialog(parent, save ? _("Save As") : _("Open"), directory, name, filter, style);
        if (dialog.ShowModal() != wxID_OK) return {};
        const wxString chosen = DialogPath(dialog);
        if (chosen.empty()) return {};
        if (!save) return FileToOpen(chosen);
        const wxString withExtension = WithDatExtension(chosen);
        // The dialog asked about the name as typed; when the extension leads to another
        // file that exists, that one needs the question too. No goes back to the chooser.
        if (withExtension == chosen || !ExistsAt(withExtension) || ConfirmReplace(parent, withExtension))
            return withExtension;
        const wxFileName last(withExtension);
        directory = last.GetPath();
        name = last.GetFullName();
    }
}
