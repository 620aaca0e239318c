#pragma once
// The schedule on paper. Every page carries a header (where the schedule came from, whether it
// has unsaved changes, its entries, when it was printed) and "Page n of m" at its foot; the first shows the week as
// the strip draws it, across the page, with its legend; the table of all nine columns
// follows, its column titles on every page, no row split. The same drawing serves every
// paper size and orientation, the printer and the preview; it is laid out in screen pixels,
// which the printout maps onto the paper.
#include <vector>

#include <wx/datetime.h>
#include <wx/font.h>
#include <wx/prntbase.h>

#include "document/config_document.h"
#include "model/printed_pages.h"

class CWeekStrip;

class CSchedulePrintout : public wxPrintout {
public:
    // source: where the schedule came from, as the header names it (a path, which gives way in
    // its middle where room is short); the strip draws the week and lends its font to the table.
    CSchedulePrintout(const ConfigDocument& document, const CWeekStrip& strip, const wxString& source,
                      const wxDateTime& printed = wxDateTime::Now());

    // Lays the pages out for the paper the printer or the preview has set up.
    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    // A line of the header: its text and where it stands, in screen pixels from the page's
    // top left corner within its margins.
    struct HeaderLine {
        wxString text;
        wxRect at;
        bool atRight = false;  // ends at the right margin (the date)
    };
    // The header as OnPreparePrinting laid it out: where the schedule came from and its entries,
    // then the date printed, on one line or, where the page is too narrow for that, on several,
    // every word whole, no two lines in each other's way.
    const std::vector<HeaderLine>& Header() const { return header_; }
    // The page's width within its margins, in screen pixels, once laid out.
    int ContentWidth() const { return content_.width; }

private:
    void MeasureHeader();
    void MeasureTable();
    void DrawHeaderAndFooter(wxDC& dc, int page) const;
    void DrawPicture(wxDC& dc);
    void DrawTable(wxDC& dc, const PrintedPage& page, int top);

    const ConfigDocument& document_;
    const CWeekStrip& strip_;
    wxString source_;
    wxDateTime printed_;
    wxFont font_;

    // The layout, in screen pixels, once OnPreparePrinting has run.
    wxRect content_;               // the page within its margins
    int line_ = 0;                 // the foot's line, with the gap above it
    std::vector<HeaderLine> header_;
    int headerHeight_ = 0;         // the header's lines with the gap beneath them
    wxSize picture_;               // the week picture
    std::vector<int> columnWidths_;  // the table's columns at their natural widths
    int rowHeight_ = 0;            // a row of the table at its natural size
    double tableScale_ = 1.0;      // below 1 when the table is narrowed to the page
    std::vector<PrintedPage> pages_;
};
