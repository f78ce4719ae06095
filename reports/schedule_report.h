#pragma once

// The schedule report: the schedule the active schedule view shows (a time
// bar over rows of resources or tasks with their bookings as bars), over
// the period the view shows or a fixed one. The printed and HTML forms
// derive from it.

#include <string>

#include "schedule_model.h"
#include "schedule_time_bar.h"
#include "support/calendar_values.h"

class CScheduleReport : public CScheduleLabelSettings, public CScheduleTimeBarSettings, public CScheduleModel {
public:
    // More columns than this are not laid out: the period is cut there.
    static constexpr int kMaxColumns = 100000;
    static constexpr int kMaxPagesAcross = 1000;
    // The widest a bar's minimum width may be set (document units or pixels).
    static constexpr int kMaxMinimumBarWidth = 1000;
    // The result of a print or HTML run whose columns would be narrower
    // than the output's unit: nothing is output.
    static constexpr int kPeriodTooWide = 2;

    // Reads the parameters at once.
    explicit CScheduleReport(PlanContext context);

    // The label and time-bar settings, the model's settings, the period,
    // the pages across, the label column, the kind of rows and the
    // collapsed groups.
    void LoadParameters();

    // String 26500, or the title setting, or "" when the title is off.
    static std::string GetTitle(const SettingGetter& get);

    CDateTime PeriodStart() const { return CDateTime(firstDate, firstTime); }
    CDateTime PeriodEnd() const { return CDateTime(lastDate, lastTime); }
    // The day table must be built. The base units from the period's start
    // while before its end, at most kMaxColumns; 0 when the axis is empty or
    // a step does not move on.
    int CountColumns() const;
    // String 26550 or 26551.
    std::string HeaderText() const;
    // The text a bar shows: the booking's task in a resource schedule, its
    // resource in a task schedule.
    const char* BarName(const CBooking& booking) const;

    CDate firstDate;
    CDate lastDate;
    CTimeOfDay firstTime{0};
    CTimeOfDay lastTime{0};
    int labelColumnWidth = 400;   // hundredths of a centimetre
    int pagesAcross = 1;
    int bookingIndent = 0;
    int timeBarIndent = 0;
    // The columns of the last layout (CountColumns).
    int columnCount = 0;

private:
    void LoadCollapsedGroups();
};
