#include "ui/accessibility.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {
#ifdef __WXGTK__
// A composite wx control (a time picker, say) is a container of GTK widgets; the one that
// takes the focus is what a screen reader announces, so it gets the name as well.
void NameGtkWidget(GtkWidget* widget, const char* name) {
    if (!widget) return;
    if (AtkObject* atk = gtk_widget_get_accessible(widget)) atk_object_set_name(atk, name);
}
#endif
}  // namespace

void SetAccessibleName(wxWindow* control, const wxString& name) {
    control->SetName(name);
#ifdef __WXGTK__
    const wxScopedCharBuffer utf8 = name.utf8_str();
    NameGtkWidget(control->GetHandle(), utf8.data());
    if (control->m_wxwindow) NameGtkWidget(control->m_wxwindow, utf8.data());
    for (wxWindow* child : control->GetChildren()) SetAccessibleName(child, name);
#endif
}

wxString GetAccessibleName(wxWindow* control) {
#ifdef __WXGTK__
    if (GtkWidget* widget = control->GetHandle())
        if (AtkObject* atk = gtk_widget_get_accessible(widget))
            if (const char* name = atk_object_get_name(atk)) return wxString::FromUTF8(name);
#endif
    return control->GetName();
}
