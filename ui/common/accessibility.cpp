#include "ui/common/accessibility.h"

#include <wx/cshelp.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {
#ifdef __WXGTK__
AtkObject* AccessibleOf(GtkWidget* widget) { return widget ? gtk_widget_get_accessible(widget) : nullptr; }

// A wx control may be a container of GTK widgets (a time picker, a custom-drawn control in
// its drawing area); the one that takes the focus is what a screen reader announces, so it
// gets the text as well.
template <class Apply>
void ForEachAccessible(wxWindow* control, Apply apply) {
    GtkWidget* outer = control->GetHandle();
    if (AtkObject* atk = AccessibleOf(outer)) apply(atk);
    GtkWidget* inner = control->GetConnectWidget();
    // A scrolled control (a table, say) is read through the widget it scrolls.
    if (inner == outer && GTK_IS_SCROLLED_WINDOW(outer)) inner = gtk_bin_get_child(GTK_BIN(outer));
    if (inner && inner != outer)
        if (AtkObject* atk = AccessibleOf(inner)) apply(atk);
}
#endif
}  // namespace

void SetAccessibleName(wxWindow* control, const wxString& name) {
    control->SetName(name);
#ifdef __WXGTK__
    const wxScopedCharBuffer utf8 = name.utf8_str();
    ForEachAccessible(control, [&](AtkObject* atk) { atk_object_set_name(atk, utf8.data()); });
    for (wxWindow* child : control->GetChildren()) SetAccessibleName(child, name);
#endif
}

wxString GetAccessibleName(wxWindow* control) {
#ifdef __WXGTK__
    if (AtkObject* atk = AccessibleOf(control->GetHandle()))
        if (const char* name = atk_object_get_name(atk)) return wxString::FromUTF8(name);
#endif
    return control->GetName();
}

void SetAccessibleDescription(wxWindow* control, const wxString& description) {
    // The help text is kept only while a help provider is installed; on Windows it is what
    // the window's accessible object reads as its description. wx deletes it at exit.
    if (!wxHelpProvider::Get()) wxHelpProvider::Set(new wxSimpleHelpProvider);
    control->SetHelpText(description);
#ifdef __WXGTK__
    const wxScopedCharBuffer utf8 = description.utf8_str();
    ForEachAccessible(control, [&](AtkObject* atk) { atk_object_set_description(atk, utf8.data()); });
#endif
}

wxString GetAccessibleDescription(wxWindow* control) {
#ifdef __WXGTK__
    if (AtkObject* atk = AccessibleOf(control->GetConnectWidget()))
        if (const char* text = atk_object_get_description(atk)) return wxString::FromUTF8(text);
#endif
    return control->GetHelpText();
}
