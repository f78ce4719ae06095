#pragma once

// A real plan in memory and a schedule model over it, with settings in a map
// and a fixed today.

#include <string>
#include <vector>

#include "schedule_model.h"
#include "support/tests/settings_fixture.h"
#include "testing/scoped_clock.h"
#include "tests/plan_fixture.h"

class ScheduleTest : public PlanTest {
protected:
    // January 2025 by default: the 6th is a Monday.
    static int Day(int day, int month = 1, int year = 2025) { return DateToJulianDay(month, day, year); }

    ScheduleTest() : model(PlanContext{&root, nullptr, nullptr, settings.Getter()}) {}

    void SetPlan(int periodStart, int periodEnd, int dayStart = 480, int dayEnd = 1020,
                 std::array<uint8_t, 7> workingDays = {1, 1, 1, 1, 1, 0, 0}) {
        Begin();
        root.properties->BeginChange();
        root.properties->periodStart = periodStart;
        root.properties->periodEnd = periodEnd;
        root.properties->dayStartMinutes = static_cast<int16_t>(dayStart);
        root.properties->dayEndMinutes = static_cast<int16_t>(dayEnd);
        std::copy(workingDays.begin(), workingDays.end(), root.properties->workingDays);
        root.CommitTransaction();
    }

    CResource* Resource(const char* name, int order, CResourceGroup* group = nullptr) {
        return Added(root.resources, name, [&](CResource* r) { r->group = group; r->orderIndex = order; });
    }
    CResourceGroup* ResourceGroup(const char* name, int order) {
        return Added(root.resourceGroups, name, [&](CResourceGroup* g) { g->orderIndex = order; });
    }
    CTask* Task(const char* name, int order, CTaskGroup* group = nullptr) {
        return Added(root.tasks, name, [&](CTask* t) { t->group = group; t->orderIndex = order; });
    }

    // Builds the axis and lays out count columns from the period's first day.
    void Layout(int unit, int count, bool hide = false, int width = 20) {
        model.baseUnit = unit;
        model.hideNonWorkingTime = hide;
        model.columnWidth = width;
        model.BuildDayTable();
        model.LayoutRows(CDateTime(model.FirstDay(), CTimeOfDay(model.DayStart() % 1440)), count);
    }

    std::vector<std::string> RowNames() {
        std::vector<std::string> names;
        for (int i = 0; i < static_cast<int>(model.Rows().size()); ++i) {
            std::string text;
            bool isGroup, indented;
            model.GetRowLabel(i, text, isGroup, indented);
            names.push_back((isGroup ? "[" + text + "]" : indented ? "  " + text : text));
        }
        return names;
    }

    FakeSettings settings;
    testing::ScopedClock clock{plat::LocalDateTime{2025, 1, 8, 10, 0, 0}};
    CScheduleModel model;
};
