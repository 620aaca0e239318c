#include "ui/main_window/list_metrics.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>

// GTK's tree view sizes a column as the wider of its header button and its cells; a cell is
// what its renderer asks for (the text and the renderer's padding) plus the tree view's
// separator between columns.
int HeaderWidth(wxDataViewCtrl* list, unsigned column) {
    auto* gtkColumn = GTK_TREE_VIEW_COLUMN(list->GetColumn(column)->GetGtkHandle());
    gint natural = 0;
    gtk_widget_get_preferred_width(gtk_tree_view_column_get_button(gtkColumn), nullptr, &natural);
    return natural;
}

int CellWidth(wxDataViewCtrl* list, unsigned column, const wxString& text) {
    GtkWidget* view = list->GtkGetTreeView();
    GtkCellRenderer* cell = list->GetColumn(column)->GetRenderer()->GetGtkHandle();
    g_object_set(cell, "text", text.utf8_str().data(), nullptr);
    gint natural = 0;
    gtk_cell_renderer_get_preferred_width(cell, view, nullptr, &natural);
    gint separator = 0;
    gtk_widget_style_get(view, "horizontal-separator", &separator, nullptr);
    return natural + separator;
}
#else
#include <wx/headerctrl.h>
#include <wx/renderer.h>

namespace {
// The generic table keeps this many pixels clear on either side of a cell's text
// (PADDING_RIGHTLEFT in its source), unscaled.
constexpr int kCellPadding = 3;
}  // namespace

// The header is a native header control: it draws the title in its own font, between
// margins the platform renderer knows, across the whole width of the column.
int HeaderWidth(wxDataViewCtrl* list, unsigned column) {
    const wxDataViewColumn* col = list->GetColumn(column);
    if (wxHeaderCtrl* header = list->GenericGetHeader())
        return header->GetTextExtent(col->GetTitle()).x + wxRendererNative::Get().GetHeaderButtonMargin(header);
    return list->GetTextExtent(col->GetTitle()).x + wxRendererNative::Get().GetHeaderButtonMargin(list);
}

// A cell's text is drawn in the table's font, inset by the padding on each side.
int CellWidth(wxDataViewCtrl* list, unsigned, const wxString& text) {
    return list->GetTextExtent(text).x + 2 * kCellPadding;
}
#endif
