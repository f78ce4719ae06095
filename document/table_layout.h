#pragma once

#include "page_store.h"
#include "table_model.h"
#include "text_layout.h"

namespace doc {

struct TableLayoutResult {
    int status = 0;    // EndTable's result: 0 laid out, 2 cannot be placed
    int lastPage = 0;  // page the table ends on
};

// Lays the table out from page `startPage` (which exists) on, appending the
// pages it needs; with status 2 nothing is drawn.
TableLayoutResult LayOutTable(const Table& table, TextMeasure& measure, PageStore& pages,
                              int startPage);

}  // namespace doc
