#include "ui/schedule_printout.h"

#include <algorithm>
#include <cmath>

#include <wx/control.h>
#include <wx/dc.h>
#include <wx/dcclient.h>

#include "model/entry_texts.h"
#include "ui/messages.h"
#include "ui/week_strip.h"

namespace {
constexpr double kMarginMM = 12.0;  // inside the printable area
constexpr int kGap = 8;             // between the header line, the picture, the table and the foot
constexpr int kCellPadding = 6;     // left and right of a cell's text
constexpr int kRowPadding = 3;      // above and below a row's text
}  // namespace

CSchedulePrintout::CSchedulePrintout(const ConfigDocument& document, const CWeekStrip& strip, const wxString& source,
                                     const wxDateTime& printed)
    : wxPrintout(_("Recording Schedule")), document_(document), strip_(strip), source_(source), printed_(printed),
      font_(strip.GetFont()) {}

void CSchedulePrintout::OnPreparePrinting() {
    // The page in screen pixels: the size MapScreenSizeToPage gives it when each page is drawn.
    int pageWidth = 0, pageHeight = 0, screenX = 0, screenY = 0, printerX = 0, printerY = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    GetPPIScreen(&screenX, &screenY);
    GetPPIPrinter(&printerX, &printerY);
    const double toScreenX = printerX > 0 && screenX > 0 ? double(screenX) / printerX : 1.0;
    const double toScreenY = printerY > 0 && screenY > 0 ? double(screenY) / printerY : 1.0;
    const wxSize page(int(pageWidth * toScreenX), int(pageHeight * toScreenY));
    const wxSize margin(int(kMarginMM * screenX / 25.4), int(kMarginMM * screenY / 25.4));
    content_ = wxRect(wxPoint(margin.x, margin.y), page - 2 * margin);

    line_ = strip_.GetCharHeight() + kGap;
    const int body = content_.height - 2 * line_;
    // The picture across the page at the strip's own proportions, never more than half a page.
    const wxSize best = strip_.GetBestSize();
    picture_ = wxSize(content_.width, std::min(body / 2, content_.width * best.y / std::max(1, best.x)));

    MeasureHeader();
    MeasureTable();
    // Rounded up: rows drawn scaled must never reach past the page's body.
    const int row = int(std::ceil(rowHeight_ * tableScale_));
    pages_ = LayOutPrintedPages({body, picture_.y + kGap, row, row}, document_.RowCount());
}

void CSchedulePrintout::MeasureTable() {
    // Each column as wide as its widest text or its title; the whole narrowed to the page.
    const wxFont bold = font_.Bold();
    columnWidths_.assign(kListColumns, 0);
    for (std::size_t c = 0; c < kListColumns; ++c)
        strip_.GetTextExtent(wxString::FromUTF8(ColumnTitle(kAllColumns[c])), &columnWidths_[c], nullptr, nullptr,
                             nullptr, &bold);
    for (std::size_t row = 0; row < document_.RowCount(); ++row) {
        const ColumnTexts texts = EntryTexts(document_.EntryOfRow(row));
        for (std::size_t c = 0; c < kListColumns; ++c)
            columnWidths_[c] = std::max(columnWidths_[c], strip_.GetTextExtent(wxString::FromUTF8(texts.values[c])).x);
    }
    int total = 0;
    for (int& width : columnWidths_) {
        width += 2 * kCellPadding;
        total += width;
    }
    tableScale_ = std::min(1.0, double(content_.width) / std::max(1, total));
    rowHeight_ = strip_.GetCharHeight() + 2 * kRowPadding;
}

bool CSchedulePrintout::HasPage(int page) { return page >= 1 && page <= int(pages_.size()); }

void CSchedulePrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *pageFrom = 1;
    *maxPage = *pageTo = int(pages_.size());
}

bool CSchedulePrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc || !HasPage(page)) return false;
    MapScreenSizeToPage();
    DrawHeaderAndFooter(*dc, page);
    const PrintedPage& printed = pages_[page - 1];
    int top = content_.y + line_;
    if (printed.picture) {
        DrawPicture(*dc);
        top += picture_.y + kGap;
    }
    // The column titles stand on every page with rows, and over an empty schedule.
    if (printed.rowCount > 0 || document_.RowCount() == 0) DrawTable(*dc, printed, top);
    return true;
}

void CSchedulePrintout::MeasureHeader() {
    // Measured on the screen, like everything else the page lays out in screen pixels.
    // TRANSLATORS: at the right end of a printed page's header; %s is the date and time, "2024-05-17 14:02".
    stamp_ = wxString::Format(_("Printed %s"), printed_.Format("%Y-%m-%d %H:%M"));
    stampWidth_ = strip_.GetTextExtent(stamp_).x;
    // A long path gives way in its middle, as on the status line.
    wxClientDC screen(const_cast<CWeekStrip*>(&strip_));
    screen.SetFont(font_);
    const wxString entries = wxString::FromUTF8(EntriesText(document_.EntryCount()));
    // TRANSLATORS: a printed page's header: where the schedule came from and its entries, "WEEK.DAT, 12 entries".
    const wxString header = wxString::Format(_("%s, %s"), source_, entries);
    header_ = wxControl::Ellipsize(header, screen, wxELLIPSIZE_MIDDLE, content_.width - stampWidth_ - 2 * kGap);
}

void CSchedulePrintout::DrawHeaderAndFooter(wxDC& dc, int page) const {
    dc.SetFont(font_);
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(header_, content_.x, content_.y);
    dc.DrawText(stamp_, content_.GetRight() - stampWidth_, content_.y);
    // TRANSLATORS: at the foot of a printed page: the page's number and how many there are.
    const wxString number = wxString::Format(_("Page %d of %zu"), page, pages_.size());
    dc.DrawText(number, content_.x + (content_.width - strip_.GetTextExtent(number).x) / 2,
                content_.GetBottom() - strip_.GetCharHeight());
}

void CSchedulePrintout::DrawPicture(wxDC& dc) {
    OffsetLogicalOrigin(content_.x, content_.y + line_);
    strip_.RenderWeek(dc, picture_);
    MapScreenSizeToPage();  // back to the page's own origin
}

void CSchedulePrintout::DrawTable(wxDC& dc, const PrintedPage& page, int top) {
    // The table is drawn at its natural size, scaled as a whole to the page's width.
    double scaleX = 1.0, scaleY = 1.0;
    dc.GetUserScale(&scaleX, &scaleY);
    dc.SetUserScale(scaleX * tableScale_, scaleY * tableScale_);
    const int left = int(content_.x / tableScale_);
    int y = int(top / tableScale_);
    int width = 0;
    for (int column : columnWidths_) width += column;

    auto drawRow = [&](const std::vector<wxString>& texts) {
        int x = left;
        for (std::size_t c = 0; c < kListColumns; ++c) {
            dc.DrawText(texts[c], x + kCellPadding, y + kRowPadding);
            x += columnWidths_[c];
        }
        y += rowHeight_;
    };
    dc.SetTextForeground(*wxBLACK);
    dc.SetFont(font_.Bold());
    std::vector<wxString> titles;
    for (ListColumn column : kAllColumns) titles.push_back(wxString::FromUTF8(ColumnTitle(column)));
    drawRow(titles);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(left, y, left + width, y);
    dc.SetFont(font_);
    dc.SetPen(wxPen(wxColour(0xC0, 0xC0, 0xC0)));
    for (std::size_t row = page.firstRow; row < page.firstRow + page.rowCount; ++row) {
        const ColumnTexts texts = EntryTexts(document_.EntryOfRow(row));
        std::vector<wxString> cells;
        for (const std::string& text : texts.values) cells.push_back(wxString::FromUTF8(text));
        drawRow(cells);
        dc.DrawLine(left, y, left + width, y);
    }
    dc.SetUserScale(scaleX, scaleY);
}
