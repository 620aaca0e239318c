#pragma once
// How wide a column of the schedule table must be to show a text or its title whole, as the
// platform's own table draws them. The one place that knows the table's cell and header padding.
#include <wx/dataview.h>

// The width a column needs for its title.
int HeaderWidth(wxDataViewCtrl* list, unsigned column);
// The width a column needs to show text in a cell without cutting it short.
int CellWidth(wxDataViewCtrl* list, unsigned column, const wxString& text);
