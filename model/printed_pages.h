#pragma once
// How a printed schedule falls on its pages: the week picture heads the first page, the table
// of entries follows with its column titles on every page that holds rows, and no row is split.
#include <cstddef>
#include <vector>

// Heights in the one unit the pages are measured in.
struct PrintHeights {
    int body = 0;         // what each page gives the picture and the table, within its margins,
                          // header line and page number
    int picture = 0;      // the week picture with the gap beneath it
    int tableHeader = 0;  // the row of column titles
    int row = 0;          // one entry's row
};

// What one page prints: the picture or not, and rows [firstRow, firstRow + rowCount).
struct PrintedPage {
    bool picture = false;
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
    friend bool operator==(const PrintedPage&, const PrintedPage&) = default;
};

// The pages that print rows rows in order: one at the least, the picture on the first. Each
// page takes as many whole rows as fit under the column titles; a page too small for a single
// row still takes one, so that printing ends.
std::vector<PrintedPage> LayOutPrintedPages(const PrintHeights& heights, std::size_t rows);
