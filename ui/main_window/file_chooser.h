#pragma once
// The file chooser of Load From File and Save To File, and the one place that turns a path
// the toolkit gives into one the file layer takes.
#include <filesystem>

#include <wx/string.h>
#include <wx/window.h>

// The system's path for a path the toolkit gives (UTF-8 on Linux, UTF-16 on Windows), and back.
std::filesystem::path PathOf(const wxString& path);
wxString PathText(const std::filesystem::path& path);

// The file a name given for opening stands for: the name itself when anything is there, else
// the name with the default extension (".DAT" added to a name without one).
wxString FileToOpen(const wxString& name);

// The system's open or save dialog over configuration files ("Config Files", then "All
// Files", translated); ".DAT" is added to a typed name without an extension, and a save asks before
// replacing the file that leads to. It opens in current's folder, a save on current's name
// (none: where the system opens it). Empty when cancelled.
wxString ChooseConfigFile(wxWindow* parent, bool save, const wxString& current = wxString());
