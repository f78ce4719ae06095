#include "reports/booking_list_html.h"

#include "reports/html_table.h"
#include "reports/report_strings.h"

CBookingListHtml::CBookingListHtml(const SettingGetter& get) : CBookingListReport(true), CHtmlPage(get) {
    headerBackground = GetColorSetting(get, "ReportsListHtmlBkColorHeader", headerBackground);
    subtitleBackground = GetColorSetting(get, "ReportsListHtmlBkColorSubTitle", subtitleBackground);
    showFooter = GetBoolSetting(get, "ReportsBookingListShowFooter", showFooter);
    if (GetBoolSetting(get, "ReportsBookingListShowHeader", true)) title = ReportTitle(get);
}

std::string CBookingListHtml::BuildPage() const {
    std::string out;
    WriteHead(out, "", "", true);
    WriteSubtitle(out, subtitle);

    CHtmlTable table;
    table.border = 0;
    table.cellSpacing = 0;
    table.cellPadding = 5;
    const short span = static_cast<short>(4 + (showNotes ? 1 : 0) + (showDuration ? 1 : 0));
    const int dateAlign = dateAlignmentRight ? kHtmlAlignRight : kHtmlAlignLeft;

    table.WriteStart(out);
    CHtmlRow heading;
    heading.header = true;
    heading.AddCell(static_cast<int>(groupByResources ? kStrColumnResource : kStrColumnTask), kHtmlAlignNone, true)
        .colspan = span;
    heading.SetBackground(headerBackground);
    heading.Write(out);
    CHtmlRow titles;
    titles.header = true;
    titles.AddEmptyCell();
    titles.AddCell(static_cast<int>(groupByResources ? kStrColumnTask : kStrColumnResource), kHtmlAlignNone, true);
    if (showNotes) titles.AddCell(static_cast<int>(kStrColumnNotes), kHtmlAlignNone, true);
    titles.AddCell(static_cast<int>(kStrColumnStart), dateAlign, true);
    titles.AddCell(static_cast<int>(kStrColumnEnd), dateAlign, true);
    if (showDuration) titles.AddCell(static_cast<int>(kStrColumnDuration), kHtmlAlignRight, true);
    titles.SetBackground(headerBackground);

    titles.Write(out);

    // Rows are written as they are made, so the page never holds a
    // second copy of a long list.
    CHtmlRow row;
    const auto flush = [&] {
        row.Write(out);
        row = CHtmlRow();
    };
    for (const BookingListGroup& group : groups) {
        row.AddTextCell(group.Name(), kHtmlAlignNone, true).colspan = span;
        row.SetBackground(subtitleBackground);
        flush();
        for (const BookingListEntry& entry : group.bookings) {
            const CBooking& booking = *entry.booking;
            row.AddEmptyCell();
            row.AddTextCell(OtherName(booking), kHtmlAlignNone, false);
            if (showNotes) row.AddTextCell(booking.text, kHtmlAlignNone, false);
            row.AddTextCell(FormatStart(booking), dateAlign, false);
            row.AddTextCell(FormatEnd(booking), dateAlign, false);
            if (showDuration) row.AddTextCell(entry.duration, kHtmlAlignRight, false);
            flush();
        }
        if (ShowsTotal(group)) {
            row.AddCell(static_cast<int>(kStrTotal), kHtmlAlignRight, true).colspan =
                static_cast<short>(4 + (showNotes ? 1 : 0));
            row.AddTextCell(group.total, kHtmlAlignRight, true);
            flush();
        }
    }
    CHtmlTable::WriteEnd(out);
    WriteFooter(out);
    return out;
}

int CBookingListHtml::Render(const std::string& path) { return WriteFile(BuildPage(), path); }
