#include "ui/main_window/schedule_list.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/entry_texts.h"
#include "model/rate_table.h"
#include "model/translation.h"
#include "model/week_time.h"
#include "ui/common/accessibility.h"
#include "ui/main_window/list_metrics.h"

namespace {
unsigned IndexOf(ListColumn column) { return static_cast<unsigned>(column); }
// Every column but "Video Out", the last, which takes the room the others leave.
constexpr std::array<ListColumn, kListColumns - 1> kSizedColumns = {
    ListColumn::kStart,     ListColumn::kStop,       ListColumn::kPalIps,  ListColumn::kNtscIps,
    ListColumn::kImageSize, ListColumn::kResolution, ListColumn::kTrigger, ListColumn::kDuration};
}  // namespace

// Rows and cells straight from the document. The texts of the row last asked for are kept,
// since the control asks for a row's cells one after another.
class CScheduleList::Model : public wxDataViewVirtualListModel {
public:
    explicit Model(const ConfigDocument& document)
        : wxDataViewVirtualListModel(static_cast<unsigned>(document.RowCount())), document_(document) {}

    const ColumnTexts& Texts(unsigned row) const {
        const ScheduleEntry entry = row < document_.RowCount() ? document_.EntryOfRow(row) : ScheduleEntry{};
        if (!memoValid_ || !(entry == memoEntry_)) {
            memoTexts_ = EntryTexts(entry);
            memoEntry_ = entry;
            memoValid_ = true;
        }
        return memoTexts_;
    }

    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override {
        value = column < kListColumns ? wxString::FromUTF8(Texts(row)[kAllColumns[column]]) : wxString();
    }
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }

private:
    const ConfigDocument& document_;
    mutable bool memoValid_ = false;
    mutable ScheduleEntry memoEntry_;
    mutable ColumnTexts memoTexts_;
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
    for (ListColumn column : kAllColumns)
        AppendTextColumn(wxString::FromUTF8(ColumnTitle(column)), IndexOf(column), wxDATAVIEW_CELL_INERT,
                         FromDIP(kColumnWidths[column]), wxALIGN_LEFT, wxDATAVIEW_COL_RESIZABLE);
    SetAccessibleName(this, _("Recording Schedule"));
    // "Video Out" is never resized after this; it starts wide enough for its own title and
    // for either of its texts, in the language shown.
    wxDataViewColumn* videoOut = GetColumn(IndexOf(ListColumn::kVideoOut));
    int videoOutWidth = std::max(FromDIP(kColumnWidths[ListColumn::kVideoOut]), HeaderWidth(ListColumn::kVideoOut));
    for (const char* text : {Tr("On"), Tr("Off")})
        videoOutWidth = std::max(videoOutWidth, CellWidth(this, IndexOf(ListColumn::kVideoOut),
                                                          wxString::FromUTF8(text)));
    videoOut->SetWidth(videoOutWidth);
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
        case Kind::kModified:
            break;
    }
    followingDocument_ = false;
}

void CScheduleList::ShowSelection() {
    const OptionalRow row = document_.SelectedRow();
    if (row == SelectedRow()) return;
    if (!row) {
        UnselectAll();
        return;
    }
    const wxDataViewItem item = model_->GetItem(static_cast<unsigned>(*row));
    Select(item);
    EnsureVisible(item);
}

OptionalRow CScheduleList::SelectedRow() const {
    const wxDataViewItem item = GetSelection();
    if (!item.IsOk()) return std::nullopt;
    return model_->GetRow(item);
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
    PerColumn<std::string> widest;
    PerColumn<int> widestWidth;
    widestWidth.values.fill(-1);
    const unsigned rows = model_->GetCount();
    for (unsigned row = 0; row < rows; ++row) {
        const ColumnTexts& texts = model_->Texts(row);
        for (ListColumn column : kSizedColumns) {
            const int width = TextWidth(texts[column]);
            if (width > widestWidth[column]) {
                widestWidth[column] = width;
                widest[column] = texts[column];
            }
        }
    }
    for (ListColumn column : kSizedColumns) {
        const int contents = rows == 0 ? 0 : CellWidth(this, IndexOf(column), wxString::FromUTF8(widest[column]));
        GetColumn(IndexOf(column))->SetWidth(std::max(contents, HeaderWidth(column)));
    }
}

int CScheduleList::HeaderWidth(ListColumn column) { return ::HeaderWidth(this, IndexOf(column)); }

int CScheduleList::FullScheduleWidth() {
    // The widest text each column can hold, whatever the schedule, as the model words it in
    // the language shown: the longest weekday name at any time, every rate, size, mode,
    // trigger and duration.
    PerColumn<std::vector<std::string>> texts;
    for (int day = 1; day <= 7; ++day) {
        texts[ListColumn::kStart].push_back(WeekTimeText(ComposeWeekTime(day, 0, 0, 0)));
        texts[ListColumn::kStart].push_back(WeekTimeText(ComposeWeekTime(day, 23, 59, 59)));
    }
    texts[ListColumn::kStop] = texts[ListColumn::kStart];
    for (const RateStep& step : kRateTable) {
        texts[ListColumn::kPalIps].push_back(FormatTenths(step.pal10));
        texts[ListColumn::kNtscIps].push_back(FormatTenths(step.ntsc10));
    }
    for (int kb = kMinSizeKB; kb <= kMaxSizeKB; ++kb) texts[ListColumn::kImageSize].push_back(std::to_string(kb) + "kB");
    texts[ListColumn::kResolution] = {Tr("Frame"), Tr("Field")};
    for (int code = 0; code <= kTriggerVmd; ++code) texts[ListColumn::kTrigger].push_back(TriggerText(code));
    texts[ListColumn::kDuration] = {Tr("N/A"), "3600s", "4095s"};
    int total = GetColumn(IndexOf(ListColumn::kVideoOut))->GetWidth();
    for (ListColumn column : kSizedColumns) {
        std::string widest;
        int widestWidth = -1;
        for (const std::string& text : texts[column]) {
            const int width = TextWidth(text);
            if (width > widestWidth) {
                widestWidth = width;
                widest = text;
            }
        }
        total += std::max(CellWidth(this, IndexOf(column), wxString::FromUTF8(widest)), HeaderWidth(column));
    }
    return total;
}

void CScheduleList::OnDPIChanged(wxDPIChangedEvent& event) {
    event.Skip();
    textWidths_.clear();
    AutosizeColumns();
}

bool CScheduleList::SetFont(const wxFont& font) {
    textWidths_.clear();  // measured with the old font
    return wxDataViewCtrl::SetFont(font);
}
