#include "reports/booking_list_print.h"

#include "plat/resource_strings.h"
#include "reports/print_table.h"
#include "reports/report_strings.h"

CBookingListPrint::CBookingListPrint(const SettingGetter& get) : CBookingListReport(true), CPrinterPage(get) {
    captionFontSize = GetPrintedFontSize(get, "ReportsBookingListCaptionPrinterFontSize", captionFontSize);
    captionBold = GetBoolSetting(get, "ReportsBookingListCaptionPrinterFontBold", captionBold);
    captionDistance = GetPrintedLength(get, "ReportsBookingListCaptionPrinterDistance", captionDistance);
    showHeader = GetBoolSetting(get, "ReportsBookingListShowHeader", showHeader);
    showFooter = GetBoolSetting(get, "ReportsBookingListShowFooter", showFooter);
    footerCenter = GetStringSetting(get, "ReportsBookingListFooterNotice", "");
    title = ReportTitle(get);
}

int CBookingListPrint::PrintBody(CReportDocument& document) {
    int top = bodyTop;
    if (!subtitle.empty()) {
        document.SetFont(captionFontSize, captionBold, 0, 0, 0, 0);
        int height = 0;
        document.GetTextExtentWrapped(nullptr, &height, subtitle.c_str(), pageWidth, 1, 0);
        top = bodyTop + captionDistance + height;
    }
    document.SetFont(bodyFontSize, 0, 3, 0, 0, 0);
    const int result = PrintTable(document, top);
    if (!subtitle.empty()) {
        const int lastPage = document.currentPage;
        document.SetFont(captionFontSize, captionBold, 0, 0, 0, 0);
        document.textAlignment = kReportAlignCenter;
        for (int page = 1; page <= document.GetPageCount(); ++page) {
            document.currentPage = page;
            document.DrawText(subtitle.c_str(), 0, bodyTop, pageWidth, bodyBottom - bodyTop, 1, 0, 0, 0);
        }
        document.textAlignment = kReportAlignLeft;
        document.currentPage = lastPage;
    }
    return result;
}

std::vector<double> CBookingListPrint::ColumnWidths() const {
    const double dateWidth = dateFormat == 1 ? 3.5 : dateFormat == 2 ? 3.0 : dateFormat == 3 ? 2.5 : 2.0;
    std::vector<double> widths = {1.0, 3.5};
    if (showNotes) widths.push_back(4.5);
    widths.push_back(dateWidth);
    widths.push_back(dateWidth);
    if (showDuration) widths.push_back(1.5);
    return widths;
}

int CBookingListPrint::PrintTable(CReportDocument& document, int top) {
    CPrintTable table(document);
    table.widths = ColumnWidths();
    const int columns = static_cast<int>(table.widths.size());
    const int width = table.ScaleWidths(pageWidth);
    if (int result = table.AddTable(0, top, width, bodyBottom, top); result != 0) return result;

    const int dateAlign = dateAlignmentRight ? kReportAlignRight : kReportAlignLeft;
    const PrintRow heading = table.SetColumnWidths(kReportRowHeader);
    table.SetRowFont(heading, bodyFontSize, true);
    table.SetCellText(heading, 0, plat::LoadResString(groupByResources ? kStrColumnResource : kStrColumnTask));
    table.SpanCells(heading, 0, columns);

    const PrintRow titles = table.SetColumnWidths(kReportRowHeader);
    table.SetRowFont(titles, bodyFontSize, true);
    table.SetRowLines(titles, kReportLineTop | kReportLineBottom, penThickWidth);
    int column = 1;
    table.SetCellText(titles, column++, plat::LoadResString(groupByResources ? kStrColumnTask : kStrColumnResource));
    if (showNotes) table.SetCellText(titles, column++, plat::LoadResString(kStrColumnNotes));
    table.SetCellText(titles, column, plat::LoadResString(kStrColumnStart));
    table.SetCellAlignment(titles, column++, dateAlign);
    table.SetCellText(titles, column, plat::LoadResString(kStrColumnEnd));
    table.SetCellAlignment(titles, column++, dateAlign);
    if (showDuration) {
        table.SetCellText(titles, column, plat::LoadResString(kStrColumnDuration));
        table.SetCellAlignment(titles, column, kReportAlignRight);
    }

    // A row takes the font selected when it is made; selecting it only when
    // it changes keeps long lists quick.
    int selectedBold = -1;
    const auto selectFont = [&](bool bold) {
        if (selectedBold == static_cast<int>(bold)) return;
        document.SetFont(bodyFontSize, bold, 3, 0, 0, 0);
        selectedBold = bold;
    };
    const std::string totalText = plat::LoadResString(kStrTotal);
    const std::string continued = plat::LoadResString(kStrContinued);
    int groupNumber = 0;
    for (const BookingListGroup& group : groups) {
        selectFont(true);
        const PrintRow title = table.SetColumnWidths(kReportRowGroup);
        table.SetCellText(title, 0, group.Name());
        table.SpanCells(title, 0, columns);
        table.MarkGroupRow(title);
        table.SetRowLines(title, kReportLineTop | kReportLineBottom, penStdWidth);
        document.SetRowSpaceBefore(title.kind, title.id, tableSubtitleSpaceBefore);
        document.SetRowSpaceAfter(title.kind, title.id, tableSubtitleSpaceAfter);
        int lastId = title.id;

        selectFont(false);
        for (const BookingListEntry& entry : group.bookings) {
            const CBooking& booking = *entry.booking;
            const PrintRow row = table.SetColumnWidths(kReportRowData);
            column = 1;
            table.SetCellText(row, column++, OtherName(booking));
            if (showNotes) table.SetCellText(row, column++, booking.text);
            table.SetCellText(row, column, FormatStart(booking));
            table.SetCellAlignment(row, column++, dateAlign);
            table.SetCellText(row, column, FormatEnd(booking));
            table.SetCellAlignment(row, column++, dateAlign);
            if (showDuration) {
                table.SetCellText(row, column, entry.duration);
                table.SetCellAlignment(row, column, kReportAlignRight);
            }
            lastId = row.id;
        }

        if (ShowsTotal(group)) {
            const PrintRow totals = table.SetColumnWidths(kReportRowGroup);
            const int joined = showNotes ? 4 : 3;
            table.SetCellText(totals, 1, totalText);
            table.SpanCells(totals, 1, joined);
            table.SetCellText(totals, 1 + joined, group.total);
            for (int cell : {1, 1 + joined}) {
                table.SetCellAlignment(totals, cell, kReportAlignRight);
                table.SetCellLines(totals, cell, kReportLineTop, penStdWidth);
                table.SetCellOption(totals, cell, kReportCellWrap, 0);
            }
            lastId = totals.id;
        }

        if (lastId > title.id) {
            selectFont(true);
            const PrintRow continuation = table.SetColumnWidths(kReportRowData);
            table.SetCellText(continuation, 0, std::string(group.Name()) + continued);
            table.SpanCells(continuation, 0, columns);
            document.GroupRows(groupNumber, title.id, lastId);
        }
        ++groupNumber;
    }

    document.SetHeaderGridIndent(0, tableGridHorzIndent);
    document.SetTableModeFirst(1);
    document.SetTableModeSecond(0);
    return table.EndTable();
}
