#pragma once

// What a filter hides, as the filter dialog edits it, apart from the widgets:
// the four sets of excluded records and the booking mode; the document's
// saved filters in name order; and the rule for a name typed to save under.

#include <cstdint>
#include <string>
#include <vector>

#include "plan_data.h"

inline constexpr std::size_t kFilterNameMaxBytes = 99;

struct FilterChoice {
    std::vector<CResourceGroup*> resourceGroups;
    std::vector<CResource*> resources;
    std::vector<CTaskGroup*> taskGroups;
    std::vector<CTask*> tasks;
    std::int16_t mode = kFilterAll;

    bool operator==(const FilterChoice&) const = default;
};

// The filter's four sets and its mode; none for no filter.
FilterChoice ReadFilterChoice(CFilter* filter);
// Writes the sets (groups, resources, task groups, tasks), then the mode;
// registers no change. 0.
std::int32_t ApplyFilterDialog(CFilter* filter, const FilterChoice& choice);

// The document's saved filters by name, the locale's order without regard to case.
std::vector<CFilter*> CollectSavedFilters(CPlanData* data);

enum class FilterNameVerdict {
    Empty,       // refused
    New,         // no saved filter has it
    Same,        // the filter the dialog was opened with: overwritten without asking
    Other,       // another saved filter: ask before overwriting
};
// names are compared byte for byte; found is the saved filter of that name.
FilterNameVerdict JudgeFilterName(const std::string& name, const std::vector<CFilter*>& saved,
                                  const CFilter* current, CFilter** found);
