#include "model/printed_pages.h"

#include <algorithm>

namespace {
// The whole rows that fit in space under the column titles.
std::size_t RowsFitting(const PrintHeights& heights, int space) {
    const int room = space - heights.tableHeader;
    const int row = std::max(1, heights.row);
    return room < row ? 0 : static_cast<std::size_t>(room / row);
}
}  // namespace

std::vector<PrintedPage> LayOutPrintedPages(const PrintHeights& heights, std::size_t rows) {
    // The first page: the picture, and the rows that fit beneath it (perhaps none).
    const std::size_t first = std::min(rows, RowsFitting(heights, heights.body - heights.picture));
    std::vector<PrintedPage> pages{{true, 0, first}};
    const std::size_t perPage = std::max<std::size_t>(1, RowsFitting(heights, heights.body));
    for (std::size_t next = first; next < rows; next += perPage)
        pages.push_back({false, next, std::min(perPage, rows - next)});
    return pages;
}
