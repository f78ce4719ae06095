#pragma once

// A real plan in January 2025 (the 6th is a Monday), working 8:00 to 17:00
// on weekdays, with the report's settings in a map and the program's texts.

#include <string>
#include <vector>

#include "report_test_support.h"
#include "reports/booking_list_report.h"
#include "testing/fake_locales.h"
#include "tests/plan_fixture.h"

class BookingListReportTest : public PlanTest {
protected:
    static int Day(int day) { return DateToJulianDay(1, day, 2025); }

    BookingListReportTest() {
        Begin();
        root.properties->BeginChange();
        root.properties->periodStart = Day(1);
        root.properties->periodEnd = Day(31);
        root.properties->dayStartMinutes = 480;
        root.properties->dayEndMinutes = 1020;
        root.CommitTransaction();
        // The visible range of the week of the 6th, ending at 0:00 of the 13th.
        settings.Set("ViewVisibleDateFirst", "20250106");
        settings.Set("ViewVisibleDateLast", "20250113");
        settings.Set("ViewVisibleTimeLast", "0");
        settings.Set("ViewFormatDuration", "1");
    }

    CResource* Resource(const char* name, int order, CResourceGroup* group = nullptr) {
        return Added(root.resources, name, [&](CResource* r) { r->group = group; r->orderIndex = order; });
    }
    CTask* Task(const char* name, int order, CTaskGroup* group = nullptr) {
        return Added(root.tasks, name, [&](CTask* t) { t->group = group; t->orderIndex = order; });
    }

    PlanContext Context() { return PlanContext{&root, nullptr, nullptr, settings.Getter()}; }

    // "name: other start-end duration, ... | total" per group, for the whole list.
    static std::vector<std::string> Summary(const CBookingListReport& report) {
        std::vector<std::string> lines;
        for (const BookingListGroup& group : report.groups) {
            std::string line = std::string(group.Name()) + ":";
            for (const BookingListEntry& entry : group.bookings)
                line += " " + std::string(report.OtherName(*entry.booking)) + " " + entry.duration + ",";
            if (report.ShowsTotal(group)) line += " | " + group.total;
            lines.push_back(line);
        }
        return lines;
    }

    reports_test::ReportEnvironment environment;
    ::testing::ScopedLocale locale{::testing::EnglishUnitedStates()};
    reports_test::Settings settings;
};
