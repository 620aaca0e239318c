#pragma once
// Names a control for screen readers and other assistive tools. Controls with a caption
// carry it already; lists, pickers, sliders and edits are named after the caption of the
// group they stand in.
#include <wx/string.h>
#include <wx/window.h>

void SetAccessibleName(wxWindow* control, const wxString& name);
wxString GetAccessibleName(wxWindow* control);
// A longer text read after the name: what a custom-drawn control shows right now.
void SetAccessibleDescription(wxWindow* control, const wxString& description);
wxString GetAccessibleDescription(wxWindow* control);
