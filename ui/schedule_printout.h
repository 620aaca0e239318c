#pragma once
// The schedule on paper. Every page carries a header line (where the schedule came from, its
// entries, when it was printed) and "Page n of m" at its foot; the first shows the week as
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
    // source: where the schedule came from, as the header line names it; the strip draws the
    // week and lends its font to the table.
    CSchedulePrintout(const ConfigDocument& document, const CWeekStrip& strip, const wxString& source,
                      const wxDateTime& printed = wxDateTime::Now());

    // Lays the pages out for the paper the printer or the preview has set up.
    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

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
    int line_ = 0;                 // a line of the header or the foot
    wxString header_;              // where the schedule came from and its entries
    wxString stamp_;               // the date printed, at the header's right end
    int stampWidth_ = 0;
    wxSize picture_;               // the week picture
    std::vector<int> columnWidths_;  // the table's columns at their natural widths
    int rowHeight_ = 0;            // a row of the table at its natural size
    double tableScale_ = 1.0;      // below 1 when the table is narrowed to the page
    std::vector<PrintedPage> pages_;
};
