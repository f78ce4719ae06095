#include "report_printing.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>

#include "plat/files.h"
#include "report_document.h"
#include "ui/painter.h"

void CReportRun::Start(const ReportRequest& request) {
    request_ = request;
    pageCount_ = 0;
}

bool CReportRun::Fill(CReportDocument* document, QPainter& painter) {
    pageCount_ = 0;
    if (request_.print == nullptr || document == nullptr) return false;
    QelDC dc(painter);
    // The same context stands for the output and for its device's metrics.
    if (request_.print(document, &dc, &dc) != 0) return false;
    pageCount_ = std::max(0, document->GetPageCount());
    return true;
}

std::pair<int, int> CReportRun::Range(int first, int last) const {
    return {std::max(first, 1), last > 0 ? std::min(last, pageCount_) : pageCount_};
}

bool CReportRun::HasPages(int first, int last) const {
    const auto [from, to] = Range(first, last);
    return from <= to;
}

bool CReportRun::Replay(CReportDocument* document, QPainter& painter, QPrinter& printer, int first, int last) const {
    if (document == nullptr || !HasPages(first, last)) return false;
    const auto [from, to] = Range(first, last);
    for (int page = from; page <= to; ++page) {
        if (page > from) printer.newPage();
        document->PrintPage(&painter, &printer, page);
    }
    return true;
}

namespace {

// A new empty file beside the final one, for the output until it is complete.
std::optional<QString> PartFileName(const QString& finalName) {
    const QFileInfo info(finalName);
    QTemporaryFile part(info.absoluteDir().filePath("." + info.fileName() + ".XXXXXX.part"));
    part.setAutoRemove(false);
    if (!part.open()) return std::nullopt;
    return part.fileName();
}

void RemoveFile(const QString& path) {
    std::error_code ignored;
    std::filesystem::remove(path.toStdString(), ignored);
}

// The report is filled for a device with the printer's resolution and page,
// so that a failing callback has not started a print job or a file.
bool FillForPrinter(CReportRun& run, CReportDocument* document, const QPrinter& printer) {
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter measure(&scratch);
    measure.setResolution(printer.resolution());
    measure.setPageLayout(printer.pageLayout());
    QPainter painter(&measure);
    return run.Fill(document, painter);
}

}  // namespace

ReportPrintResult PrintReport(CReportRun& run, CReportDocument* document, QPrinter& printer, bool askUser,
                              const PrintDialogFn& dialog, QWidget* parent) {
    if (!run.CanPrint() || document == nullptr) return ReportPrintResult::NothingPrinted;
    if (askUser && !(dialog && dialog(parent, printer, run.PageCount()))) return ReportPrintResult::Cancelled;
    const bool range = printer.printRange() == QPrinter::PageRange;
    const int first = range ? printer.fromPage() : 0;
    const int last = range ? printer.toPage() : 0;
    if (!FillForPrinter(run, document, printer)) return ReportPrintResult::NothingPrinted;
    if (!run.HasPages(first, last)) return ReportPrintResult::NothingPrinted;

    const QString finalName = printer.outputFileName();
    std::optional<QString> part;
    if (!finalName.isEmpty()) {
        part = PartFileName(finalName);
        if (!part) return ReportPrintResult::OutputFailed;
        printer.setOutputFileName(*part);
    }
    QPainter painter;
    bool written = painter.begin(&printer);
    if (written) {
        run.Replay(document, painter, printer, first, last);
        written = painter.end();
    }
    if (part) {
        printer.setOutputFileName(finalName);
        std::error_code error;
        // The part file was made private; the report takes the permissions
        // of the program's other files.
        if (written)
            std::filesystem::permissions(part->toStdString(),
                                         std::filesystem::perms(plat::NewFileMode(finalName.toStdString())), error);
        if (written && !error) std::filesystem::rename(part->toStdString(), finalName.toStdString(), error);
        if (!written || error) {
            RemoveFile(*part);
            return ReportPrintResult::OutputFailed;
        }
    }
    return written ? ReportPrintResult::Printed : ReportPrintResult::OutputFailed;
}
