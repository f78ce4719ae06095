#pragma once

// The resources or tasks of a plan in tree order, for the reports that list
// them item by item: each group followed by its members, ungrouped items
// among the groups by their order index.

#include <cstdint>
#include <vector>

#include "plan_data.h"

// A group's own line has the group and no item; a member's line both; an
// ungrouped item's line the item alone.
struct ReportItemRow {
    CNamedRecord* group = nullptr;
    CNamedRecord* item = nullptr;
    std::int32_t unused1 = 0;
    std::int32_t unused2 = 0;
};

// Both empty rows first and return the number of rows; a null plan gives none.
int BuildResourceItemList(CPlanData* plan, std::vector<ReportItemRow>& rows);
int BuildTaskItemList(CPlanData* plan, std::vector<ReportItemRow>& rows);
