#pragma once

#include <vector>

#include "reports/printer_page.h"
#include "reports/schedule_report.h"

// The schedule on printed pages: the time axis spread over the pages
// across, the lines in bands of pages below one another, a two-row time bar
// and the label column on every page, and each booking bar cut at the page
// edges with its name in every part.
class CSchedulePrintRenderer : public CScheduleReport, public CPrinterPage {
public:
    static constexpr int kBookingLineFactor = 127;   // percent
    static constexpr int kRowFactor = 140;           // percent

    // Reads the report's parameters, the page's settings and its own.
    explicit CSchedulePrintRenderer(const PlanContext& context);
    void LoadSettings();

    // The height of a line; 0 when nothing can be printed.
    int ComputeRowHeight(CReportDocument& document);
    int PrintBody(CReportDocument& document) override;

    int timeBarFontSize = 100;
    int labelFontSize = 120;
    int bookingFontSize = 85;
    int labelIndent = 10;
    int labelIndentSubitem = 70;
    int bookingLinesWidth = 3;
    ui::COLORREF colorGridHorz = 0;
    ui::COLORREF colorGridBooking = 0;
    int thinLinesWidth = 3;
    int thickLinesWidth = 5;
    ui::COLORREF colorGridTimebarHorz = 0;

private:
    // What every page of a fill shares.
    struct Frame {
        int labelWidth = 0;      // L
        int barRowHeight = 0;    // h, one row of the time bar
        int lineHeight = 0;      // R
        int barHeight = 0;
        int columnWidth = 0;     // CW
        int linesPerPage = 0;    // P
        bool colourNonWorking = false;
        std::vector<int> columns;   // per page across
    };
    // One page across of a band: its first column, its lines.
    void PrintPage(CReportDocument& document, const Frame& frame, int firstColumn, int columns, int firstLine,
                   int lines) const;
    void PrintMinorRow(CReportDocument& document, const Frame& frame, int firstColumn, int columns, int bottom) const;
    void PrintMajorRow(CReportDocument& document, const Frame& frame, int firstColumn, int columns, int bottom) const;
    void PrintLabels(CReportDocument& document, const Frame& frame, int pageWidth, int firstLine, int lines) const;
    void PrintBars(CReportDocument& document, const Frame& frame, int band, int firstLine, int lines) const;
    int bookingHeight_ = 0;   // b of the last ComputeRowHeight
};
