#include "filter_choice.h"

#include <algorithm>

#include "support/comparators.h"

namespace {

template <class Record>
std::vector<Record*> Excluded(CFilter* filter, int32_t (CFilter::*count)(), int32_t (CFilter::*get)(Record**)) {
    std::vector<Record*> records(static_cast<std::size_t>(std::max((filter->*count)(), 0)));
    const int32_t got = (filter->*get)(records.data());
    records.resize(static_cast<std::size_t>(std::clamp(got, 0, static_cast<int32_t>(records.size()))));
    return records;
}

template <class Record>
int32_t Count(const std::vector<Record*>& records) {
    return static_cast<int32_t>(records.size());
}

}  // namespace

FilterChoice ReadFilterChoice(CFilter* filter) {
    FilterChoice choice;
    if (filter == nullptr) return choice;
    choice.resourceGroups =
        Excluded(filter, &CFilter::GetExcludedResourceGroupCount, &CFilter::GetExcludedResourceGroups);
    choice.resources = Excluded(filter, &CFilter::GetExcludedResourceCount, &CFilter::GetExcludedResources);
    choice.taskGroups = Excluded(filter, &CFilter::GetExcludedTaskGroupCount, &CFilter::GetExcludedTaskGroups);
    choice.tasks = Excluded(filter, &CFilter::GetExcludedTaskCount, &CFilter::GetExcludedTasks);
    choice.mode = filter->mode;
    return choice;
}

std::int32_t ApplyFilterDialog(CFilter* filter, const FilterChoice& choice) {
    if (filter == nullptr) return 0;
    filter->SetExcludedResourceGroups(choice.resourceGroups.data(), Count(choice.resourceGroups));
    filter->SetExcludedResources(choice.resources.data(), Count(choice.resources));
    filter->SetExcludedTaskGroups(choice.taskGroups.data(), Count(choice.taskGroups));
    filter->SetExcludedTasks(choice.tasks.data(), Count(choice.tasks));
    filter->mode = choice.mode;
    return 0;
}

std::vector<CFilter*> CollectSavedFilters(CPlanData* data) {
    std::vector<CFilter*> filters;
    if (data == nullptr || data->filters == nullptr) return filters;
    for (uint32_t i = 0; CFilter* filter = data->filters->GetAt(i); ++i) filters.push_back(filter);
    std::stable_sort(filters.begin(), filters.end(),
                     [](const CFilter* a, const CFilter* b) { return CompareNames(a->name, b->name) < 0; });
    return filters;
}

FilterNameVerdict JudgeFilterName(const std::string& name, const std::vector<CFilter*>& saved,
                                  const CFilter* current, CFilter** found) {
    if (found != nullptr) *found = nullptr;
    if (name.empty()) return FilterNameVerdict::Empty;
    const auto it = std::find_if(saved.begin(), saved.end(), [&](const CFilter* f) { return name == f->name; });
    if (it == saved.end()) return FilterNameVerdict::New;
    if (found != nullptr) *found = *it;
    return *it == current ? FilterNameVerdict::Same : FilterNameVerdict::Other;
}
