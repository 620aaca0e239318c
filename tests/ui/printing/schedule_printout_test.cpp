// The printed schedule, as a PostScript printer takes it: what each page says and where.
#include <cstring>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <wx/cmndata.h>
#include <wx/dcmemory.h>
#include <wx/dcps.h>
#include <wx/log.h>

#include "model/entry_texts.h"
#include "ui/app/language.h"
#include "ui/printing/schedule_printout.h"
#include "ui/week_strip/week_strip.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;

// A text drawn on a page, and its height on the paper (PostScript counts from the bottom).
struct DrawnText {
    std::string text;
    double y = 0;
};
using Page = std::vector<DrawnText>;

// The texts wxPostScriptDC drew on each page of file.
std::vector<Page> PagesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    const std::regex moveto(R"(^[-0-9.]+ ([-0-9.]+) moveto$)");
    const std::regex text(R"(^\((.*)\) \(\\n\) strsplit$)");
    std::vector<Page> pages;
    double y = 0;
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // written with CRLF on Windows
        if (line.rfind("%%Page:", 0) == 0) pages.emplace_back();
        else if (std::regex_match(line, match, moveto)) y = std::stod(match[1]);
        else if (std::regex_match(line, match, text) && !pages.empty()) pages.back().push_back({match[1], y});
    }
    return pages;
}

int Count(const Page& page, const std::string& text) {
    return static_cast<int>(std::count_if(page.begin(), page.end(), [&](const DrawnText& d) { return d.text == text; }));
}
const DrawnText* Find(const Page& page, const std::string& text) {
    const auto found = std::find_if(page.begin(), page.end(), [&](const DrawnText& d) { return d.text == text; });
    return found == page.end() ? nullptr : &*found;
}

class SchedulePrintoutTest : public ConfigDlgTest {
protected:
    // Prints the window's schedule to PostScript on the paper given, page by page as a
    // printer does; the number of pages the printout announced must be the number printed.
    static wxPrintData PaperData(wxPaperSize paper, wxPrintOrientation orientation, const std::filesystem::path& file) {
        wxPrintData data;
        data.SetPaperId(paper);
        data.SetOrientation(orientation);
        data.SetPrintMode(wxPRINT_MODE_FILE);
        data.SetFilename(PathText(file));
        return data;
    }

    std::vector<Page> Print(wxPaperSize paper, wxPrintOrientation orientation) {
        wxLogNull quiet;  // wx's PostScript device measures text without font metrics and says so
        const auto file = temp.Path() / "printed.ps";
        wxPostScriptDC dc(PaperData(paper, orientation, file));
        CSchedulePrintout printout(dlg->Document(), *dlg->WeekStrip(), "WEEK.DAT",
                                   wxDateTime(8, wxDateTime::Dec, 2026, 14, 2));
        printout.SetUp(dc);
        printout.OnPreparePrinting();
        int first = 0, last = 0, from = 0, to = 0;
        printout.GetPageInfo(&first, &last, &from, &to);
        EXPECT_EQ(first, 1);
        EXPECT_FALSE(printout.HasPage(last + 1));
        dc.StartDoc("schedule");
        for (int page = first; page <= last; ++page) {
            dc.StartPage();
            EXPECT_TRUE(printout.OnPrintPage(page));
            dc.EndPage();
        }
        dc.EndDoc();
        std::vector<Page> pages = PagesOf(file);
        EXPECT_EQ(static_cast<int>(pages.size()), last);
        return pages;
    }
};

TEST_F(SchedulePrintoutTest, EveryRowPrintsOnceWholeUnderTheColumnTitlesOnNumberedPages) {
    const struct {
        const char* name;
        wxPaperSize paper;
        wxPrintOrientation orientation;
    } papers[] = {{"A4", wxPAPER_A4, wxPORTRAIT}, {"A4 landscape", wxPAPER_A4, wxLANDSCAPE},
                  {"Letter", wxPAPER_LETTER, wxPORTRAIT}, {"A5", wxPAPER_A5, wxPORTRAIT}};
    for (const auto& paper : papers) {
        std::size_t previousPages = 0;
        for (std::size_t entries : {0, 1, 40, 256}) {
            SCOPED_TRACE(std::string(paper.name) + ", " + std::to_string(entries) + " entries");
            // Starts spread over the week, each a text of its own.
            Fill(EntriesEvery(entries, 0, kSecondsPerWeek / 256, 60));
            const std::vector<Page> pages = Print(paper.paper, paper.orientation);
            ASSERT_FALSE(pages.empty());
            if (entries <= 1) {
                EXPECT_EQ(pages.size(), 1u);
            }
            EXPECT_GE(pages.size(), previousPages);
            previousPages = pages.size();

            const std::string header = "WEEK.DAT, " + EntriesText(entries);
            std::vector<std::size_t> rowsOnPage(pages.size(), 0);
            for (std::size_t p = 0; p < pages.size(); ++p) {
                const Page& page = pages[p];
                const DrawnText* top = Find(page, header);
                const DrawnText* foot = Find(page, "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size()));
                ASSERT_TRUE(top && foot) << "page " << p + 1;
                const DrawnText* stamp = Find(page, "Printed 2026-12-08 14:02");
                ASSERT_TRUE(stamp);
                EXPECT_EQ(stamp->y, top->y);
                // The week picture on the first page only; the column titles wherever rows stand.
                EXPECT_EQ(Count(page, "Mon"), p == 0 ? 1 : 0);
                for (ListColumn column : kAllColumns) EXPECT_EQ(Count(page, kColumnTitles[column]), 1) << p + 1;
                // Everything else lies between the header line and the page number.
                for (const DrawnText& drawn : page) {
                    if (&drawn == top || &drawn == stamp || &drawn == foot) continue;
                    EXPECT_TRUE(drawn.y < top->y && drawn.y > foot->y) << drawn.text << " at " << drawn.y;
                }
            }
            for (std::size_t row = 0; row < entries; ++row) {
                const std::string start = EntryTexts(dlg->Document().EntryOfRow(row))[ListColumn::kStart];
                std::size_t onPages = 0;
                for (std::size_t p = 0; p < pages.size(); ++p) {
                    const int times = Count(pages[p], start);
                    onPages += times;
                    if (times) ++rowsOnPage[p];
                }
                EXPECT_EQ(onPages, 1u) << start;
            }
            // Every page between the first and the last is full: as many rows as the second.
            for (std::size_t p = 2; p + 1 < pages.size(); ++p) EXPECT_EQ(rowsOnPage[p], rowsOnPage[1]) << p + 1;
        }
    }
}

// The header on every paper and in every shipped language: the path gives way in its middle
// and nothing else does; the unsaved mark, the entry count and the date stay whole, in the
// language's words and date format; no line runs into another or off the page.
TEST_F(SchedulePrintoutTest, TheHeaderKeepsEveryWordWholeAndClearOfTheDate) {
    const struct {
        const char* language;
        const char* date;
    } languages[] = {{"en", "2026-12-08 14:02"}, {"de", "08.12.2026 14:02"}, {"es", "08/12/2026 14:02"},
                     {"fr", "08/12/2026 14:02"}, {"it", "08/12/2026 14:02"}};
    const wxString longPath = "/media/operator/RECORDER_CARD/backups/2026/december/week forty-nine/WEEK.DAT";
    Fill(EntriesAt({0, kDay}, 60));
    dlg->Document().SetModified();
    for (const auto& language : languages) {
        UseLanguage(static_cast<wxLanguage>(wxLocale::FindLanguageInfo(language.language)->Language));
        const wxString unsaved = wxString::Format(_("%s, with unsaved changes"), "");
        const wxString entries = wxString::FromUTF8(EntriesText(2));
        const wxString stamp = wxString::Format(_("Printed %s"), language.date);
        for (const wxPaperSize paper : {wxPAPER_A4, wxPAPER_A6}) {
            for (const wxString& path : {wxString("WEEK.DAT"), longPath}) {
                SCOPED_TRACE(std::string(language.language) + (paper == wxPAPER_A6 ? ", A6, " : ", A4, ") +
                             path.utf8_string());
                wxLogNull quiet;
                const auto file = temp.Path() / "header.ps";
                wxPostScriptDC dc(PaperData(paper, wxPORTRAIT, file));
                CSchedulePrintout printout(dlg->Document(), *dlg->WeekStrip(), path,
                                           wxDateTime(8, wxDateTime::Dec, 2026, 14, 2));
                printout.SetUp(dc);
                printout.OnPreparePrinting();
                dc.StartDoc("schedule");
                dc.StartPage();
                EXPECT_TRUE(printout.OnPrintPage(1));
                dc.EndPage();
                dc.EndDoc();
                const auto& lines = printout.Header();
                ASSERT_FALSE(lines.empty());
                wxString joined;
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    joined += (i ? " " : "") + lines[i].text;
                    EXPECT_GE(lines[i].at.GetLeft(), 0) << lines[i].text;
                    EXPECT_LE(lines[i].at.GetRight(), printout.ContentWidth()) << lines[i].text;
                    for (std::size_t j = 0; j < i; ++j)
                        EXPECT_FALSE(lines[i].at.Intersects(lines[j].at)) << lines[i].text << " / " << lines[j].text;
                }
                EXPECT_TRUE(joined.EndsWith(unsaved + ", " + entries + " " + stamp)) << joined;
                // The unsaved mark and the entry count each stand whole on one line.
                for (const wxString& whole : {unsaved.AfterFirst(' '), entries})
                    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& line) { return line.text.Contains(whole); }))
                        << whole << " in " << joined;
                // The path whole, or its beginning and its name with an ellipsis between.
                const wxString shown = joined.Left(joined.length() - (unsaved + ", " + entries + " " + stamp).length());
                if (shown != path) {
                    EXPECT_TRUE(shown.StartsWith("/me") && shown.EndsWith(".DAT") && shown.Contains("..."))
                        << shown;
                }
                // The picture and the table stand below the header, whose lines are drawn first.
                const std::vector<Page> pages = PagesOf(file);
                ASSERT_FALSE(pages.empty());
                ASSERT_GT(pages[0].size(), lines.size());
                double headerBottom = pages[0][0].y;
                for (std::size_t i = 0; i < lines.size(); ++i) headerBottom = std::min(headerBottom, pages[0][i].y);
                for (std::size_t i = lines.size(); i < pages[0].size(); ++i)
                    EXPECT_LT(pages[0][i].y, headerBottom) << pages[0][i].text;
                // A4 takes the whole header on one line, with the date at its right end.
                if (paper == wxPAPER_A4) {
                    ASSERT_EQ(lines.size(), 2u);
                    EXPECT_EQ(lines[1].text, stamp);
                    EXPECT_EQ(lines[1].at.GetRight() + 1, printout.ContentWidth());
                }
            }
        }
    }
    UseLanguage(wxLANGUAGE_ENGLISH_US);
}

// The selected entry is outlined on the screen only: the week on paper is the same picture
// whether or not an entry is selected.
TEST_F(SchedulePrintoutTest, ThePrintedWeekShowsNoSelection) {
    Fill(EntriesAt({0, kDay}, 8 * 3600));
    const wxSize size(700, 200);
    auto picture = [&](OptionalRow row) {
        dlg->Document().SelectRow(row);
        wxBitmap bitmap(size, 24);
        {
            wxMemoryDC dc(bitmap);
            dlg->WeekStrip()->RenderWeek(dc, size);
        }
        return bitmap.ConvertToImage();
    };
    const wxImage none = picture(std::nullopt), selected = picture(OptionalRow(0));
    ASSERT_TRUE(none.IsOk() && selected.IsOk());
    EXPECT_EQ(0, std::memcmp(none.GetData(), selected.GetData(), std::size_t(size.x) * size.y * 3));
}

// The first page says how much of the week is recorded, under the week it draws; the pages
// after it carry the table alone.
TEST_F(SchedulePrintoutTest, TheFirstPageSaysWhatTheWeekRecords) {
    // Enough rows for a second page on either system's page metrics.
    std::vector<ScheduleEntry> entries = EntriesEvery(100, 0, kDay / 16, 1800);
    entries.back().control |= 9u << kTriggerShift;  // one motion entry
    Fill(entries);
    const std::vector<Page> pages = Print(wxPAPER_A4, wxPORTRAIT);
    ASSERT_GE(pages.size(), 2u);
    for (const std::string line : {"Recorded 50 h of 168 h", "Continuous 49 h 30 min, VMD 30 min"}) {
        const DrawnText* said = Find(pages[0], line);
        const DrawnText* sunday = Find(pages[0], "Sun");
        ASSERT_TRUE(said && sunday) << line;
        EXPECT_LT(said->y, sunday->y) << line;
        for (std::size_t p = 1; p < pages.size(); ++p) EXPECT_EQ(Count(pages[p], line), 0) << p + 1;
    }
}

}  // namespace
