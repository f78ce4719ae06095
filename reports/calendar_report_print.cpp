#include "reports/calendar_report_print.h"

#include <utility>

#include "plat/resource_strings.h"
#include "reports/calendar_report_pages.h"
#include "reports/print_table.h"
#include "reports/report_strings.h"

namespace {

// Left of the overflow marker from the cell's left edge.
constexpr int kMarkerIndent = 10;

}  // namespace

CCalendarPrint::CCalendarPrint(PlanContext context, SettingSetter set)
    : CCalendarReport(std::move(context)), CPrinterPage(Context().settings), set_(std::move(set)) {
    const SettingGetter& get = Context().settings;
    title = GetTitle(get);
    showHeader = GetBoolSetting(get, "ReportsCalendarShowHeader", showHeader);
    showFooter = GetBoolSetting(get, "ReportsCalendarShowFooter", showFooter);
    footerCenter = GetStringSetting(get, "ReportsCalendarFooterNotice", "");
    weeksPerPage = CalendarWeeksPerPage(GetIntSetting(get, "ReportsCalendarWeeks", weeksPerPage),
                                        GetIntSetting(get, "ReportsCalendarWeeksMax", 20));
    additionalAfterEveryPage =
        GetBoolSetting(get, "ReportsCalendarShowAdditionalBookingsAfterEveryPage", additionalAfterEveryPage);
    fontSizeMonthYear = GetPrintedFontSize(get, "ReportsCalendarPrinterFontSizeMonthYear", fontSizeMonthYear);
    fontSizeWeekday = GetPrintedFontSize(get, "ReportsCalendarPrinterFontSizeWeekday", fontSizeWeekday);
    fontSizeDayHeader = GetPrintedFontSize(get, "ReportsCalendarPrinterFontSizeDayHeader", fontSizeDayHeader);
    fontSizeBooking = GetPrintedFontSize(get, "ReportsCalendarPrinterFontSizeBooking", fontSizeBooking);
    gridLinesWidth = GetPrintedLineWidth(get, "ReportsCalendarPrinterGridLinesWidth", penStdWidth * 3 / 2);
    bookingLinesWidth = GetPrintedLineWidth(get, "ReportsCalendarPrinterBookingLinesWidth", penStdWidth * 3 / 2);
    bookingIndent = GetPrintedLength(get, "ReportsCalendarPrinterBookingIndent", bookingIndent);
    captionFontSize = GetPrintedFontSize(get, "ReportsCalendarPrinterCaptionFontSize", captionFontSize);
    captionSpaceAfter = GetPrintedLength(get, "ReportsCalendarPrinterCaptionSpaceAfter", captionSpaceAfter);
    bookingDistance = GetPrintedLength(get, "ReportsCalendarPrinterBookingDistance", 20);
}

int CCalendarPrint::PrintBody(CReportDocument& document) {
    const int days = ShownWeekdayCount();
    CDate first, last;
    const int pages = CalendarPageCount(WidenPeriod(first, last), weeksPerPage);
    if (days == 0 || pages == 0) return 0;

    monthYearHeaderHeight = MeasureCharCell(document, fontSizeMonthYear, true) * 135 / 100;
    weekdayHeaderHeight = MeasureCharCell(document, fontSizeWeekday, false) * 160 / 100;
    dayHeaderHeight = MeasureCharCell(document, fontSizeDayHeader, true) * 125 / 100;
    textLineHeight = MeasureCharCell(document, fontSizeBooking, false) * 115 / 100;
    const CalendarPrintLayout layout =
        CalendarPrintGeometry(pageWidth, bodyBottom - bodyTop, days, weeksPerPage, monthYearHeaderHeight,
                              weekdayHeaderHeight, dayHeaderHeight, GetBookingLineHeight(), bookingDistance);
    dayWidth = layout.dayWidth;
    weekRowHeight = layout.weekRowHeight;
    bookingsPerDay = lineLimit = layout.bookingsPerDay;
    if (set_) SetIntSetting(set_, "ReportsCalendarHtmlBookingsPerDay", bookingsPerDay);

    for (int page = 0; page < pages; ++page) {
        if (page > 0) document.NewPage();
        if (additionalAfterEveryPage) TakeAdditional();
        const CDate pageFirst = AddDays(first, page * weeksPerPage * 7);
        Layout(pageFirst, AddDays(pageFirst, weeksPerPage * 7 - 1));
        PrintPage(document, bodyTop);
        if (showAdditional && additionalAfterEveryPage)
            if (const int result = PrintAdditional(document); result != 0) return result;
    }
    if (showAdditional && !additionalAfterEveryPage) return PrintAdditional(document);
    return 0;
}

void CCalendarPrint::PrintPage(CReportDocument& document, int top) {
    const int days = ShownWeekdayCount();
    const int width = days * dayWidth;
    const int headerTop = top + monthYearHeaderHeight;
    const int bodyTopY = headerTop + weekdayHeaderHeight;
    const int bodyHeight = weeksPerPage * weekRowHeight;

    document.SetFont(fontSizeMonthYear, 1, 0, 0, 0, 0);
    document.textColor = monthHeaderTextColor;
    document.textAlignment = kReportAlignCenterBoth;
    document.DrawText(RangeCaption().c_str(), 0, top, pageWidth, monthYearHeaderHeight, 0, 1, 0, 0);

    document.SetFont(fontSizeWeekday, 0, 0, 0, 0, 0);
    document.textColor = dayNameHeaderTextColor;
    std::vector<int> weekdays;
    GetVisibleWeekdays(weekdays);
    const std::vector<std::string> names = ColumnNames();
    for (int column = 0; column < days; ++column) {
        const int x = column * dayWidth;
        document.SetBrush(dayNameHeaderBackgroundColor, 0);
        document.DrawText(names[static_cast<std::size_t>(column)].c_str(), x, headerTop, dayWidth, weekdayHeaderHeight,
                          0, 1, 1, 1);
        document.SetBrush(ColumnColor(weekdays[static_cast<std::size_t>(column)], backgroundColor), 0);
        document.FillRect(x, bodyTopY, dayWidth, bodyHeight);
        document.SetPen(gridLinesWidth, 0);
        document.DrawLine(x, headerTop, x, bodyTopY + bodyHeight);
    }

    for (std::size_t w = 0; w < Weeks().size(); ++w)
        PrintWeek(document, Weeks()[w], bodyTopY + static_cast<int>(w) * weekRowHeight);

    document.SetPen(gridLinesWidth, 0);
    document.DrawLine(0, headerTop, width, headerTop);
    document.DrawLine(0, bodyTopY + bodyHeight, width, bodyTopY + bodyHeight);
    document.DrawLine(width, headerTop, width, bodyTopY + bodyHeight);
    document.textAlignment = kReportAlignLeft;
}

void CCalendarPrint::PrintWeek(CReportDocument& document, const CalendarWeek& week, int top) {
    document.textColor = dayHeaderTextColor;
    document.textAlignment = kReportAlignRight;
    for (int d = 0; d < week.cellCount; ++d) {
        const CalendarDayCell& cell = Cells()[static_cast<std::size_t>(week.firstCell + d)];
        const int x = d * dayWidth;
        bool firstOfMonth = false;
        const std::string caption = FormatDayCaption(cell.start.date, firstOfMonth) + " ";
        document.SetBrush(dayHeaderBackgroundColor, 0);
        document.SetFont(fontSizeDayHeader, firstOfMonth ? 1 : 0, kReportFontCondensed, 0, 0, 0);
        document.DrawText(caption.c_str(), x, top, dayWidth, dayHeaderHeight, 0, 1, 1, 1);
        if (CellOverflows(cell, bookingsPerDay)) {
            const int k = 2 * dayHeaderHeight / 9;
            const int y = top + (dayHeaderHeight - k) / 2;
            const ReportPoint marker[3] = {{x + kMarkerIndent, y}, {x + kMarkerIndent + 2 * k, y},
                                           {x + kMarkerIndent + k, y + k}};
            document.polygonOutline = 0;
            document.lineWidth = 0;
            document.Polygon(marker, 3);
        }
        document.lineWidth = gridLinesWidth;
        document.outlineColor = 0;
        document.DrawLine(x, top, x + dayWidth, top);
        document.DrawLine(x, top + dayHeaderHeight, x + dayWidth, top + dayHeaderHeight);
        document.DrawLine(x, top, x, top + dayHeaderHeight);
    }

    document.SetFont(fontSizeBooking, 0, 0, 0, 0, 0);
    document.textAlignment = kReportAlignLeft;
    const int entryHeight = GetBookingLineHeight();
    for (const CalendarSegment& segment : week.segments) {
        if (segment.line >= bookingsPerDay) continue;
        const CBooking& booking = *segment.booking;
        const int x = segment.firstDay * dayWidth;
        const int width = (segment.lastDay - segment.firstDay + 1) * dayWidth;
        const int y = top + dayHeaderHeight + segment.line * (entryHeight + bookingDistance) + bookingDistance;
        document.lineWidth = bookingLinesWidth;
        document.textColor = booking.color1;
        document.polygonOutline = booking.color2;
        document.FillRect(x, y, width, entryHeight);
        const int textX = x + bookingIndent;
        const int textWidth = width - bookingIndent;
        document.DrawText(booking.resource != nullptr ? booking.resource->name : "", textX, y, textWidth,
                          textLineHeight, 0, 1, 0, 0);
        document.DrawText(booking.task != nullptr ? booking.task->name : "", textX, y + textLineHeight, textWidth,
                          textLineHeight, 0, 1, 0, 0);
        if (notesOnBookings)
            document.DrawText(NotesOnOneLine(booking.text).c_str(), textX, y + 2 * textLineHeight, textWidth,
                              textLineHeight, 0, 1, 0, 0);
    }
    CollectAdditional(week, bookingsPerDay);
}

int CCalendarPrint::PrintAdditional(CReportDocument& document) {
    const std::vector<CalendarAdditionalBooking> list = TakeAdditional();
    if (list.empty()) return 0;
    document.NewPage();
    document.textColor = 0;
    document.textAlignment = kReportAlignLeft;
    const std::string caption = plat::LoadResString(kStrCalendarAdditional);
    document.SetFont(captionFontSize, 0, 0, 0, 0, 0);
    int captionHeight = 0;
    document.GetTextExtentWrapped(nullptr, &captionHeight, caption.c_str(), pageWidth, 1, 0);
    document.DrawText(caption.c_str(), 0, bodyTop, pageWidth, captionHeight, 1, 0, 0, 0);
    const int top = bodyTop + captionHeight + captionSpaceAfter;

    CPrintTable table(document);
    table.widths = groupByDay ? std::vector<double>{1, 5, 5, 2, 2} : std::vector<double>{5, 5, 2, 2};
    const int columns = static_cast<int>(table.widths.size());
    const int first = groupByDay ? 1 : 0;
    const int width = table.ScaleWidths(pageWidth);
    document.SetFont(bodyFontSize, 1, 3, 0, 0, 0);
    if (const int result = table.AddTable(0, top, width, bodyBottom, bodyTop); result != 0) return result;

    if (groupByDay) {
        const PrintRow heading = table.SetColumnWidths(kReportRowHeader);
        table.SetRowFont(heading, bodyFontSize, true);
        table.SetCellText(heading, 0, plat::LoadResString(kStrCalendarAdditionalDay));
        table.SpanCells(heading, 0, columns);
    }
    const PrintRow titles = table.SetColumnWidths(kReportRowHeader);
    table.SetRowFont(titles, bodyFontSize, true);
    table.SetRowLines(titles, kReportLineTop | kReportLineBottom, penThickWidth);
    const unsigned titleIds[] = {kStrCalendarAdditionalResource, kStrCalendarAdditionalTask,
                                 kStrCalendarAdditionalStart, kStrCalendarAdditionalEnd};
    for (int i = 0; i < 4; ++i) {
        table.SetCellText(titles, first + i, plat::LoadResString(titleIds[i]));
        if (i >= 2) table.SetCellAlignment(titles, first + i, kReportAlignRight);
    }

    const std::string continued = plat::LoadResString(kStrContinued);
    int group = 0;
    for (std::size_t i = 0; i < list.size();) {
        PrintRow dayRow;
        if (groupByDay) {
            document.SetFont(bodyFontSize, 1, 3, 0, 0, 0);
            dayRow = table.SetColumnWidths(kReportRowGroup);
            table.SetCellText(dayRow, 0, FormatAdditionalDay(list[i].day));
            table.SpanCells(dayRow, 0, columns);
            table.MarkGroupRow(dayRow);
            table.SetRowLines(dayRow, kReportLineTop | kReportLineBottom, penStdWidth);
        }
        document.SetFont(bodyFontSize, 0, 3, 0, 0, 0);
        int lastId = dayRow.id;
        std::size_t end = i;
        for (; end < list.size() && (!groupByDay || list[end].day == list[i].day); ++end) {
            const CBooking& booking = *list[end].booking;
            const PrintRow row = table.SetColumnWidths(kReportRowData);
            table.SetCellText(row, first, booking.resource != nullptr ? booking.resource->name : "");
            table.SetCellText(row, first + 1, booking.task != nullptr ? booking.task->name : "");
            table.SetCellText(row, first + 2, FormatAdditionalStart(booking));
            table.SetCellAlignment(row, first + 2, kReportAlignRight);
            table.SetCellText(row, first + 3, FormatAdditionalEnd(booking));
            table.SetCellAlignment(row, first + 3, kReportAlignRight);
            lastId = row.id;
        }
        if (groupByDay) {
            document.SetFont(bodyFontSize, 1, 3, 0, 0, 0);
            const PrintRow continuation = table.SetColumnWidths(kReportRowData);
            table.SetCellText(continuation, 0, FormatAdditionalDay(list[i].day) + continued);
            table.SpanCells(continuation, 0, columns);
            document.GroupRows(group++, dayRow.id, lastId);
        }
        i = end;
    }

    document.SetHeaderGridIndent(0, tableGridHorzIndent);
    document.SetTableModeFirst(1);
    document.SetTableModeSecond(0);
    return table.EndTable();
}
