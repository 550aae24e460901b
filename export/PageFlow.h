#pragma once

#include <span>
#include <vector>

namespace molvane {

/// The blocks [first, end) that one page holds.
struct PageRange
{
    int first = 0;
    int end = 0;
    bool operator==(const PageRange &) const = default;
};

/// How a run of blocks flows down pages.
struct PageFlow
{
    std::vector<PageRange> pages; ///< one per page, the page the flow starts on first
    int spaceLeft = 0; ///< below the last block on the last page
};

/// Flows blocks of @p heights down pages: the page the flow starts on has @p firstSpace left,
/// every later page @p pageSpace. Each page's part comes under a @p repeated height (a table's
/// header row). A page takes blocks while they fit; a fresh page takes at least one however
/// tall, and a first page that has no room for the first block stays empty, so that the run
/// starts on the next. With no blocks the run is the repeated part alone, on the first page.
PageFlow FlowDownPages(std::span<const int> heights, int repeated, int firstSpace, int pageSpace);

/// The table's heights as FlowDownPages takes them from its row heights (header first): the
/// header row, repeated, counts whole with the line under the table; every other row counts
/// its height less the line it shares with the row above. A height below zero counts as zero.
struct TableHeights
{
    int header = 0;
    std::vector<int> body;
};
TableHeights TableFlowHeights(std::span<const int> rowHeights);

} // namespace molvane
