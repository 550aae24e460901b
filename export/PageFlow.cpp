#include "export/PageFlow.h"

#include <algorithm>

namespace molvane {

PageFlow FlowDownPages(std::span<const int> heights, int repeated, int firstSpace, int pageSpace)
{
    PageFlow flow;
    int space = firstSpace - repeated;
    bool fresh = false;
    PageRange page;
    for (int i = 0; i < int(heights.size()); ++i) {
        const int height = std::max(heights[std::size_t(i)], 0);
        const bool taken = page.end > page.first;
        if (height > space && (taken || !fresh)) {
            flow.pages.push_back(page);
            page = { i, i };
            space = pageSpace - repeated;
            fresh = true;
        }
        page.end = i + 1;
        space -= height;
    }
    flow.pages.push_back(page);
    flow.spaceLeft = space;
    return flow;
}

TableHeights TableFlowHeights(std::span<const int> rowHeights)
{
    TableHeights table;
    if (rowHeights.empty())
        return table;
    table.header = std::max(rowHeights.front(), 0);
    for (const int height : rowHeights.subspan(1))
        table.body.push_back(std::max(height - 1, 0));
    return table;
}

} // namespace molvane
