#pragma once

// The booking list: for a date range, item by item (every resource or every
// task), that item's bookings with the other item, notes, start, end and
// duration, and each item's total. One model under the printed page, the
// HTML page and the export.

#include <string>
#include <vector>

#include "plan_context.h"
#include "support/calendar_values.h"
#include "support/setting_values.h"
#include "support/working_time.h"

struct BookingListEntry {
    CBooking* booking = nullptr;
    std::string duration;
};

// One item: a resource when grouping by resources, else a task.
struct BookingListGroup {
    CResource* resource = nullptr;
    CTask* task = nullptr;
    std::vector<BookingListEntry> bookings;
    std::string total;

    const char* Name() const;
};

class CBookingListReport {
public:
    // restrictToRange: durations count only the part inside the range (the
    // printed and HTML forms).
    explicit CBookingListReport(bool restrictToRange) : restrictDurations(restrictToRange) {}
    virtual ~CBookingListReport() = default;

    // Reads the range and the settings, then lists the groups. Returns the
    // number of groups.
    int BuildModel(const PlanContext& context);

    // The range as the settings give it: the fixed range, or the view's
    // visible one, whose end at 0:00 names the day before.
    static void ReadRange(const SettingGetter& get, CDate& first, CDate& last);
    // String 26000, or the title setting, or "" when the title is switched off.
    static std::string ReportTitle(const SettingGetter& get);

    // The booking's other item: its task when grouping by resources.
    const char* OtherName(const CBooking& booking) const;
    std::string FormatStart(const CBooking& booking) const;
    std::string FormatEnd(const CBooking& booking) const;
    // A group's total row shows only with two bookings or more.
    bool ShowsTotal(const BookingListGroup& group) const;

    std::string subtitle;
    std::vector<BookingListGroup> groups;
    CDate rangeStart;
    CDate rangeEnd;
    bool groupByResources = true;
    int dateFormat = 2;
    bool dateAlignmentRight = true;
    bool showNotes = false;
    bool showDuration = true;
    bool showDurationTotal = true;
    bool durationRealTime = false;
    int durationFormat = 4;
    bool restrictDurations = true;

private:
    void ReadSettings(const SettingGetter& get);
    // found and passed are scratch lists, kept between items.
    void AddGroup(CFilter* filter, const WorkingTime& wt, CResource* resource, CTask* task,
                  std::vector<CBooking*>& found, std::vector<CBooking*>& passed);
};
