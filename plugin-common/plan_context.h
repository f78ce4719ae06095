#pragma once

// What the layout models read: the plan, the host's public filter, the
// locale's names and the settings. A plugin fills it from its globals
// (PluginPlanContext); tests fill it directly.

#include "plan_data.h"
#include "support/locale_names.h"
#include "support/setting_values.h"

struct PlanContext {
    CPlanData* plan = nullptr;
    CFilter* publicFilter = nullptr;
    const CLocaleNames* localeNames = nullptr;   // null: the week starts on Monday
    SettingGetter settings;

    // 1 = Monday ... 7 = Sunday.
    int FirstDayOfWeek() const { return localeNames != nullptr ? localeNames->FirstDayOfWeek() : 1; }
    int LastDayOfWeek() const { return localeNames != nullptr ? localeNames->LastDayOfWeek() : 7; }
};
