#include "ui/printing/schedule_printout.h"

#include <algorithm>
#include <cmath>

#include <wx/control.h>
#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/tokenzr.h>

#include "model/entry_texts.h"
#include "ui/common/messages.h"
#include "ui/week_strip/week_strip.h"

namespace {
constexpr double kMarginMM = 12.0;  // inside the printable area
constexpr int kGap = 8;             // between the header line, the picture, the table and the foot
constexpr int kCellPadding = 6;     // left and right of a cell's text
constexpr int kRowPadding = 3;      // above and below a row's text
constexpr int kShortestPath = 12;   // characters a path keeps on the date's line before the header wraps
const wxUniChar kPathMark = 0x1;    // stands for the path while the header's words are laid out
const wxUniChar kGlue = 0x2;        // a space the header's lines never break at

// text with its spaces from the from'th on made ones the header never breaks at.
wxString Glued(const wxString& text, std::size_t from = 0) {
    wxString glued = text;
    std::size_t seen = 0;
    for (auto c = glued.begin(); c != glued.end(); ++c)
        if (*c == ' ' && seen++ >= from) *c = kGlue;
    return glued;
}

// The room a text measured on the screen takes on paper, where the printer's or the preview's
// font may run a little wider: an eighth more.
int OnPaper(int screenWidth) { return screenWidth + screenWidth / 8; }

// Lays out the words of lines of text on the screen.
class HeaderWords {
public:
    HeaderWords(wxDC& screen, const wxString& path) : screen_(screen), path_(path) {}

    int Width(const wxString& text) const {
        wxString shown = text;
        shown.Replace(wxString(kGlue), " ");
        return OnPaper(screen_.GetTextExtent(shown).x);
    }

    // text with the path in place of its mark, the path given way in its middle to fit room;
    // empty when it fits only with the path narrower than shortest (or text without a path
    // does not fit at all).
    wxString FitPath(const wxString& text, int room, int shortest) const {
        if (!text.Contains(kPathMark)) return Width(text) <= room ? text : wxString();
        wxString rest = text;
        rest.Replace(wxString(kPathMark), wxString());
        const int left = room - Width(rest);
        wxString path = path_;
        if (Width(path) > left) {
            if (left < shortest) return wxString();
            // Ellipsize measures on the screen alone: the room is taken back from paper to screen.
            path = wxControl::Ellipsize(path_, screen_, wxELLIPSIZE_MIDDLE, std::max(0, left * 8 / 9));
            if (path.empty()) path = "...";  // as Ellipsize marks what it leaves out
        }
        wxString fitted = text;
        fitted.Replace(wxString(kPathMark), path);
        return fitted;
    }

    // text's words (the path one word, shortened to a line's width where it is wider; words
    // glued together one) on as few lines of width as take them; a word is never split.
    std::vector<wxString> Wrap(const wxString& text, int width) const {
        std::vector<wxString> lines;
        for (wxString word : wxStringTokenize(text, " ", wxTOKEN_STRTOK)) {
            word.Replace(wxString(kGlue), " ");
            if (word.Contains(kPathMark)) word = FitPath(word, width, 0);
            const wxString joined = lines.empty() ? word : lines.back() + " " + word;
            if (!lines.empty() && Width(joined) <= width)
                lines.back() = joined;
            else
                lines.push_back(word);
        }
        return lines;
    }

private:
    wxDC& screen_;
    wxString path_;
};
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
    MeasureHeader();
    const int body = content_.height - headerHeight_ - line_;
    // The picture across the page at the strip's own proportions, never more than half a page.
    const wxSize best = strip_.GetBestSize();
    picture_ = wxSize(content_.width, std::min(body / 2, content_.width * best.y / std::max(1, best.x)));

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
    int top = content_.y + headerHeight_;
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
    wxClientDC screen(const_cast<CWeekStrip*>(&strip_));
    screen.SetFont(font_);
    const HeaderWords words(screen, source_);
    const int lineHeight = strip_.GetCharHeight();
    // TRANSLATORS: the date and time on a printed page, as strftime writes them: "%Y" the year,
    // "%m" the month, "%d" the day, "%H:%M" the hours and minutes; in the language's order.
    // xgettext:no-c-format
    const wxString date = printed_.Format(_("%Y-%m-%d %H:%M"));
    // TRANSLATORS: at the right end of a printed page's header; %s is the date and time, "2024-05-17 14:02".
    const wxString stamp = wxString::Format(_("Printed %s"), date);
    const wxString path(kPathMark);
    // TRANSLATORS: on a printout's header, after where the schedule came from ("WEEK.DAT").
    const wxString unsaved = _("%s, with unsaved changes");
    // The unsaved mark and the entry count stay whole on one line: the mark may go to the next
    // line after its first space ("WEEK.DAT," | "with unsaved changes"), the count only as a whole.
    const wxString source = document_.IsModified() ? Glued(unsaved, unsaved.Find("%s") == 0 ? 1 : 0) : wxString("%s");
    const wxString marked = wxString::Format(source, path);
    const wxString entries = Glued(wxString::FromUTF8(EntriesText(document_.EntryCount())));
    // TRANSLATORS: a printed page's header: where the schedule came from and its entries, "WEEK.DAT, 12 entries".
    const wxString text = wxString::Format(_("%s, %s"), marked, entries);

    header_.clear();
    const int stampWidth = words.Width(stamp);
    // One line: the header at the left, the path given way in its middle, the date at the right.
    const wxString oneLine =
        words.FitPath(text, content_.width - stampWidth - 2 * kGap, kShortestPath * strip_.GetCharWidth());
    if (!oneLine.empty()) {
        wxString line = oneLine;
        line.Replace(wxString(kGlue), " ");
        header_.push_back({line, wxRect(0, 0, words.Width(line), lineHeight)});
        header_.push_back({stamp, wxRect(content_.width - stampWidth, 0, stampWidth, lineHeight), true});
    } else {
        // A page too narrow for that: the header's words, then the date's at the right, on lines of their own.
        int y = 0;
        for (const wxString& line : words.Wrap(text, content_.width)) {
            header_.push_back({line, wxRect(0, y, words.Width(line), lineHeight)});
            y += lineHeight;
        }
        for (const wxString& line : words.Wrap(stamp, content_.width)) {
            const int width = words.Width(line);
            header_.push_back({line, wxRect(std::max(0, content_.width - width), y, width, lineHeight), true});
            y += lineHeight;
        }
    }
    headerHeight_ = header_.back().at.GetBottom() + 1 + kGap;
}

void CSchedulePrintout::DrawHeaderAndFooter(wxDC& dc, int page) const {
    dc.SetFont(font_);
    dc.SetTextForeground(*wxBLACK);
    for (const HeaderLine& line : header_) {
        // The date ends at the page's right margin as the page's own font measures it.
        const int x = line.atRight ? content_.GetRight() + 1 - dc.GetTextExtent(line.text).x : content_.x + line.at.x;
        dc.DrawText(line.text, x, content_.y + line.at.y);
    }
    // TRANSLATORS: at the foot of a printed page: the page's number and how many there are.
    const wxString number = wxString::Format(_("Page %d of %zu"), page, pages_.size());
    dc.DrawText(number, content_.x + (content_.width - strip_.GetTextExtent(number).x) / 2,
                content_.GetBottom() - strip_.GetCharHeight());
}

void CSchedulePrintout::DrawPicture(wxDC& dc) {
    OffsetLogicalOrigin(content_.x, content_.y + headerHeight_);
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
