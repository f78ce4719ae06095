#pragma once

// A plan in September 2024 (the 2nd is a Monday) working Monday to Friday,
// one resource and one task, the calendar report's settings in a map, a
// German locale (weeks from Monday) and the program's texts.

#include <string>

#include "plan_context.h"
#include "report_test_support.h"
#include "support/calendar_values.h"
#include "support/locale_names.h"
#include "testing/fake_locales.h"
#include "tests/plan_fixture.h"

class CalendarReportTest : public PlanTest {
protected:
    static int Day(int day) { return DateToJulianDay(9, day, 2024); }
    static std::string Setting(int julianDay) { return CDate::FromJulianDay(julianDay).Format(0, "yyyyMMdd"); }

    CalendarReportTest() {
        g_localeNames.Load(nullptr);
        Begin();
        root.properties->BeginChange();
        root.properties->periodStart = Day(1);
        root.properties->periodEnd = Day(30);
        root.CommitTransaction();
        resource = AddResource("Anna Berg");
        task = AddTask("Site survey");
        SetPeriod(Day(2), Day(13));
        settings.Set("ReportsCalendarShowAdditionalBookings", "0");
    }

    void SetPeriod(int first, int last) {
        settings.Set("ReportsCalendarDateRangeFixed", "1");
        settings.Set("ReportsCalendarDateRangeFixedStart", Setting(first));
        settings.Set("ReportsCalendarDateRangeFixedEnd", Setting(last));
    }

    PlanContext Context() { return PlanContext{&root, nullptr, &g_localeNames, settings.Getter()}; }
    SettingSetter Setter() {
        return [this](std::string_view key, std::string_view value) { settings.Set(std::string(key), std::string(value)); };
    }

    reports_test::ReportEnvironment environment;
    ::testing::ScopedLocale locale{::testing::GermanGermany()};
    reports_test::Settings settings;
    CResource* resource = nullptr;
    CTask* task = nullptr;
};
