#pragma once
// The schedule as a nine-column table, drawn on demand from the document: one row per entry
// in the document's row order, the document's selected entry selected. A native table
// (GTK's own tree view on Linux), so screen readers see its rows, cells and column titles.
#include <string>
#include <unordered_map>

#include <wx/dataview.h>

#include "document/config_document.h"
#include "model/entry_texts.h"

class CScheduleList : public wxDataViewCtrl {
public:
    CScheduleList(wxWindow* parent, wxWindowID id, ConfigDocument& document);
    ~CScheduleList() override;

    // Columns 0 to 7 each as wide as the wider of their widest text and their title;
    // "Video Out" keeps its width.
    void AutosizeColumns();
    // The width that shows all nine columns of any schedule without a horizontal scroll bar.
    int FullScheduleWidth();

    bool SetFont(const wxFont& font) override;

private:
    class Model;

    OptionalRow SelectedRow() const;  // the row the control shows selected
    void OnDocumentChange(const ConfigDocument::Change& change);
    void ShowSelection();
    int TextWidth(const std::string& text);
    int HeaderWidth(ListColumn column);
    void OnSelectionChanged(wxDataViewEvent& event);
    void OnDPIChanged(wxDPIChangedEvent& event);

    ConfigDocument& document_;
    Model* model_;
    int listenerId_ = 0;
    bool followingDocument_ = false;  // true while the control is brought in step with the document
    std::unordered_map<std::string, int> textWidths_;  // measured with the current font

    wxDECLARE_EVENT_TABLE();
};
