#pragma once

#include "reports/booking_list_report.h"
#include "reports/printer_page.h"

// The booking list on the printed page: the range as caption on every page
// and one table, a group per item.
class CBookingListPrint : public CBookingListReport, public CPrinterPage {
public:
    // Reads the page's and the list's own printer settings and the title.
    explicit CBookingListPrint(const SettingGetter& get);

    int PrintBody(CReportDocument& document) override;

    int captionFontSize = 120;
    bool captionBold = false;
    int captionDistance = 20;

private:
    int PrintTable(CReportDocument& document, int top);
    std::vector<double> ColumnWidths() const;
};
