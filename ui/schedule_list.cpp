#include "ui/schedule_list.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/entry_texts.h"
#include "model/rate_table.h"
#include "model/week_time.h"
#include "ui/accessibility.h"
#include "ui/list_metrics.h"

namespace {
constexpr int kVideoOutColumn = 8;
}  // namespace

// Rows and cells straight from the document. The texts of the row last asked for are kept,
// since the control asks for a row's cells one after another.
class CScheduleList::Model : public wxDataViewVirtualListModel {
public:
    explicit Model(const ConfigDocument& document)
        : wxDataViewVirtualListModel(static_cast<unsigned>(document.RowCount())), document_(document) {}

    const std::array<std::string, kListColumns>& Texts(unsigned row) const {
        const ScheduleEntry entry = row < document_.RowCount() ? document_.EntryOfRow(row) : ScheduleEntry{};
        if (!memoValid_ || !(entry == memoEntry_)) {
            memoTexts_ = EntryTexts(entry);
            memoEntry_ = entry;
            memoValid_ = true;
        }
        return memoTexts_;
    }

    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override {
        value = column < kListColumns ? wxString::FromUTF8(Texts(row)[column]) : wxString();
    }
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }

private:
    const ConfigDocument& document_;
    mutable bool memoValid_ = false;
    mutable ScheduleEntry memoEntry_;
    mutable std::array<std::string, kListColumns> memoTexts_;
};

// clang-format off
wxBEGIN_EVENT_TABLE(CScheduleList, wxDataViewCtrl)
    EVT_DATAVIEW_SELECTION_CHANGED(wxID_ANY, CScheduleList::OnSelectionChanged)
    EVT_DPI_CHANGED(CScheduleList::OnDPIChanged)
wxEND_EVENT_TABLE()
// clang-format on

CScheduleList::CScheduleList(wxWindow* parent, wxWindowID id, ConfigDocument& document)
    : wxDataViewCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxDV_SINGLE | wxDV_ROW_LINES | wxBORDER_THEME),
      document_(document),
      model_(new Model(document)) {
    AssociateModel(model_);
    model_->DecRef();  // the control holds the model from here on
    for (int column = 0; column < kListColumns; ++column)
        AppendTextColumn(kColumnTitles[column], static_cast<unsigned>(column), wxDATAVIEW_CELL_INERT,
                         FromDIP(kColumnWidths[column]), wxALIGN_LEFT, wxDATAVIEW_COL_RESIZABLE);
    SetAccessibleName(this, "Recording Schedule");
    // "Video Out" is never resized after this; it starts wide enough for its own title.
    wxDataViewColumn* videoOut = GetColumn(kVideoOutColumn);
    videoOut->SetWidth(std::max(FromDIP(kColumnWidths[kVideoOutColumn]), HeaderWidth(kVideoOutColumn)));
    AutosizeColumns();
    listenerId_ = document_.AddListener([this](const ConfigDocument::Change& change) { OnDocumentChange(change); });
}

CScheduleList::~CScheduleList() { document_.RemoveListener(listenerId_); }

void CScheduleList::OnDocumentChange(const ConfigDocument::Change& change) {
    using Kind = ConfigDocument::ChangeKind;
    followingDocument_ = true;
    switch (change.kind) {
        case Kind::kRowInserted:
            model_->RowInserted(static_cast<unsigned>(change.row));
            AutosizeColumns();
            break;
        case Kind::kRowRemoved:
            model_->RowDeleted(static_cast<unsigned>(change.row));
            break;
        case Kind::kReset:
            model_->Reset(static_cast<unsigned>(document_.RowCount()));
            // An empty load leaves the widths as they were.
            if (document_.RowCount() > 0) AutosizeColumns();
            // GTK builds its rows anew after a reset; the selection is shown once it has.
            CallAfter([this] { ShowSelection(); });
            break;
        case Kind::kAllDeleted:
            model_->Reset(0);
            AutosizeColumns();
            break;
        case Kind::kSelection:
            ShowSelection();
            break;
    }
    followingDocument_ = false;
}

void CScheduleList::ShowSelection() {
    const long row = document_.SelectedRow();
    if (row == SelectedRow()) return;
    if (row < 0) {
        UnselectAll();
        return;
    }
    const wxDataViewItem item = model_->GetItem(static_cast<unsigned>(row));
    Select(item);
    EnsureVisible(item);
}

long CScheduleList::SelectedRow() const {
    const wxDataViewItem item = GetSelection();
    return item.IsOk() ? static_cast<long>(model_->GetRow(item)) : -1;
}

long CScheduleList::RowCount() const { return static_cast<long>(model_->GetCount()); }

wxString CScheduleList::CellText(long row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= kListColumns) return {};
    return wxString::FromUTF8(model_->Texts(static_cast<unsigned>(row))[column]);
}

void CScheduleList::OnSelectionChanged(wxDataViewEvent& event) {
    event.Skip();
    if (followingDocument_ || IsBeingDeleted()) return;
    document_.SelectRow(SelectedRow());
}

int CScheduleList::TextWidth(const std::string& text) {
    const auto known = textWidths_.find(text);
    if (known != textWidths_.end()) return known->second;
    const int width = GetTextExtent(wxString::FromUTF8(text)).x;
    textWidths_.emplace(text, width);
    return width;
}

void CScheduleList::AutosizeColumns() {
    // The widest text of each column, in one pass over the rows: the texts of a row come
    // together, and a text's width is measured once.
    std::array<std::string, kVideoOutColumn> widest;
    std::array<int, kVideoOutColumn> widestWidth;
    widestWidth.fill(-1);
    const long rows = RowCount();
    for (long row = 0; row < rows; ++row) {
        const auto& texts = model_->Texts(static_cast<unsigned>(row));
        for (int column = 0; column < kVideoOutColumn; ++column) {
            const int width = TextWidth(texts[column]);
            if (width > widestWidth[column]) {
                widestWidth[column] = width;
                widest[column] = texts[column];
            }
        }
    }
    for (int column = 0; column < kVideoOutColumn; ++column) {
        const int contents = rows == 0 ? 0 : CellWidth(this, static_cast<unsigned>(column), wxString::FromUTF8(widest[column]));
        GetColumn(static_cast<unsigned>(column))->SetWidth(std::max(contents, HeaderWidth(column)));
    }
}

int CScheduleList::HeaderWidth(int column) { return ::HeaderWidth(this, static_cast<unsigned>(column)); }

int CScheduleList::FullScheduleWidth() {
    // The widest text each column can hold, whatever the schedule: the longest weekday name
    // at any time, every rate, size, mode, trigger and duration.
    std::array<std::vector<std::string>, kListColumns> texts;
    for (int day = 1; day <= 7; ++day) {
        for (const char* digits : {"00:00:00", "23:59:59"}) {
            texts[0].push_back(std::string(digits) + " on " + WeekdayName(day));
        }
    }
    texts[1] = texts[0];
    for (const RateStep& step : kRateTable) {
        texts[2].push_back(FormatTenths(step.pal10));
        texts[3].push_back(FormatTenths(step.ntsc10));
    }
    for (int kb = kMinSizeKB; kb <= kMaxSizeKB; ++kb) texts[4].push_back(std::to_string(kb) + "kB");
    texts[5] = {"Frame", "Field"};
    for (int code = 0; code <= kTriggerVmd; ++code) texts[6].push_back(TriggerText(code));
    texts[7] = {"N/A", "3600s", "4095s"};
    int total = GetColumn(kVideoOutColumn)->GetWidth();
    for (int column = 0; column < kVideoOutColumn; ++column) {
        std::string widest;
        int widestWidth = -1;
        for (const std::string& text : texts[column]) {
            const int width = TextWidth(text);
            if (width > widestWidth) {
                widestWidth = width;
                widest = text;
            }
        }
        total += std::max(CellWidth(this, static_cast<unsigned>(column), wxString::FromUTF8(widest)),
                          HeaderWidth(column));
    }
    return total;
}

void CScheduleList::OnDPIChanged(wxDPIChangedEvent& event) {
    event.Skip();
    textWidths_.clear();
    AutosizeColumns();
}

wxDataViewItem CScheduleList::ItemOfRow(long row) const {
    return row < 0 || row >= RowCount() ? wxDataViewItem() : model_->GetItem(static_cast<unsigned>(row));
}

bool CScheduleList::SetFont(const wxFont& font) {
    textWidths_.clear();  // measured with the old font
    return wxDataViewCtrl::SetFont(font);
}
