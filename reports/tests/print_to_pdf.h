#pragma once

// A printed report's fill replayed onto a PDF file, as the host prints it.

#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <string>

#include "qt_device.h"
#include "report_document_impl.h"

namespace reports_test {

// Fills the report into a document and prints its pages to path; returns
// the page count.
template <class Report>
int PrintToPdf(const std::string& path, Report& report) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(254);
    QPainter painter(&writer);
    doc::ReportDocument document(std::make_unique<doc::QtDevice>());
    EXPECT_EQ(report.Print(document, &painter, &writer), 0);
    for (int page = 1; page <= document.GetPageCount(); ++page) {
        if (page > 1) writer.newPage();
        EXPECT_EQ(document.PrintPage(&painter, &writer, page), 0);
    }
    return document.GetPageCount();
}

}  // namespace reports_test
