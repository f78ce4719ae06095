#pragma once

// A report run: the request a plugin handed to "DoReport", the pages its
// print callback filled into the report document, and their output onto a
// printer (a print queue, a PDF file, or the preview's printer).

#include <functional>
#include <utility>

#include "plugin_records.h"

class QPainter;
class QPrinter;
class QWidget;

class CReportRun {
public:
    // Keeps the request; the page count starts again at 0.
    void Start(const ReportRequest& request);
    const ReportRequest& Request() const { return request_; }
    bool CanPrint() const { return request_.print != nullptr; }
    // Pages of the last fill (0 before it, or when it failed).
    int PageCount() const { return pageCount_; }

    // Lets the print callback fill the document for the painter's device.
    // False when there is no print callback or document, or the callback
    // failed; the page count is then 0.
    bool Fill(CReportDocument* document, QPainter& painter);
    // Draws the filled pages first..last (0: from the first, to the last)
    // onto the printer, a new printer page before each but the first. False,
    // with nothing drawn, when no page is in range.
    bool Replay(CReportDocument* document, QPainter& painter, QPrinter& printer, int first = 0, int last = 0) const;
    // Whether pages first..last (as Replay takes them) hold a filled page.
    bool HasPages(int first, int last) const;

private:
    std::pair<int, int> Range(int first, int last) const;

    ReportRequest request_{};
    int pageCount_ = 0;
};

enum class ReportPrintResult {
    Printed,
    Cancelled,       // the user closed the print dialog
    NothingPrinted,  // no callback or document, the callback failed, or no page in range
    OutputFailed,    // the printer or the output file could not be written
};

// Asks for the printer and the pages (1 to pageCount; none offered when
// pageCount is 0). False when the user cancelled.
using PrintDialogFn = std::function<bool(QWidget* parent, QPrinter& printer, int pageCount)>;

// Prints the run's report on the printer. A PDF file is written under a
// temporary name and takes its final name only when complete, so a failed
// run leaves no file behind; a print job that fails is aborted. With
// askUser false the dialog is skipped.
ReportPrintResult PrintReport(CReportRun& run, CReportDocument* document, QPrinter& printer, bool askUser,
                              const PrintDialogFn& dialog, QWidget* parent);

// Replaces the print dialog of the main window's report runs; empty puts
// the system's dialog back (tests choose the printer or a PDF file here).
void SetReportPrintDialog(PrintDialogFn dialog);
