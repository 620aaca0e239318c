#include <gtest/gtest.h>

#include <vector>

#include "model/printed_pages.h"

namespace {

TEST(PrintedPages, ThePictureHeadsThePagesAndEveryRowPrintsOnceWhole) {
    // A page body of 1000: column titles 20, rows of 10, a picture of 300.
    const PrintHeights a4{1000, 300, 20, 10};
    const struct {
        const char* what;
        PrintHeights heights;
        std::size_t rows;
        std::vector<PrintedPage> pages;
    } cases[] = {
        {"no rows: the picture alone", a4, 0, {{true, 0, 0}}},
        {"one row under the picture", a4, 1, {{true, 0, 1}}},
        {"68 rows fill the first page", a4, 68, {{true, 0, 68}}},
        {"the 69th goes over", a4, 69, {{true, 0, 68}, {false, 68, 1}}},
        {"98 rows a page after the first", a4, 256, {{true, 0, 68}, {false, 68, 98}, {false, 166, 90}}},
        {"room for exactly one row under the picture", {1000, 970, 20, 10}, 3, {{true, 0, 1}, {false, 1, 2}}},
        {"no room under the picture", {1000, 985, 20, 10}, 3, {{true, 0, 0}, {false, 0, 3}}},
        {"a page too small for a row takes one", {25, 10, 20, 10}, 2,
         {{true, 0, 0}, {false, 0, 1}, {false, 1, 1}}},
        {"a row of no height counts as one unit", {100, 0, 0, 0}, 150, {{true, 0, 100}, {false, 100, 50}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<PrintedPage> pages = LayOutPrintedPages(c.heights, c.rows);
        EXPECT_EQ(pages, c.pages);
        std::size_t next = 0;  // each row once, in order
        for (const PrintedPage& page : pages) {
            EXPECT_EQ(page.firstRow, next);
            next += page.rowCount;
        }
        EXPECT_EQ(next, c.rows);
    }
}

}  // namespace
