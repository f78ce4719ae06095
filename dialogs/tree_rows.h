#pragma once

// The rows of the resource and task trees in the user's order: groups and
// ungrouped items by order index, each group's items right after it.

#include <vector>

#include "plan_data.h"
#include "support/comparators.h"

std::vector<ResourceTreePair> ResourceTreeRows(CPlanData* data);
std::vector<TaskTreePair> TaskTreeRows(CPlanData* data);
