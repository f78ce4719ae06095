// Real output: PDF files read back with poppler's tools, and the shared
// library as the program loads it.

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <set>

#include "plat/dynlib.h"
#include "plat/version_block.h"
#include "qt_device.h"
#include "report_document_impl.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"

namespace doc {
namespace {

using TempDir = ::testing::TempDirectory;

// Three pages; after the third is made, more text goes back onto the first.
void FillThreePages(CReportDocument& document) {
    document.SetFont(120, 0, 3, 0, 0, 0);
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) document.NewPage();
        const std::string text = "Page " + std::to_string(page) + " body";
        document.DrawText(text.c_str(), 0, 0, document.GetPageWidth(), 200, 0, 0, 0, 0);
    }
    document.currentPage = 1;
    document.DrawText("Added later", 0, 1000, document.GetPageWidth(), 200, 0, 0, 0, 0);
}

void Print(CReportDocument& document, QPagedPaintDevice& device) {
    QPainter painter(&device);
    document.BeginPrinting(&painter, &device);
    FillThreePages(document);
    document.EndPrinting();
    for (int page = 1; page <= document.GetPageCount(); ++page) {
        if (page > 1) device.newPage();
        EXPECT_EQ(document.PrintPage(&painter, &device, page), 0);
    }
}

void ExpectThreePages(const std::string& path) {
    EXPECT_EQ(::testing::PdfPageCount(path), 3);
    const std::string first = ::testing::PdfPageText(path, 1);
    EXPECT_NE(first.find("Page 1 body"), std::string::npos) << first;
    EXPECT_NE(first.find("Added later"), std::string::npos) << first;
    for (int page = 2; page <= 3; ++page) {
        const std::string text = ::testing::PdfPageText(path, page);
        EXPECT_NE(text.find("Page " + std::to_string(page) + " body"), std::string::npos) << text;
        EXPECT_EQ(text.find("Added later"), std::string::npos) << text;
    }
}

TEST(PdfOutputTest, PdfWriterGetsEveryPageWithItsText) {
    TempDir dir;
    const std::string path = dir.File("report.pdf");
    {
        QPdfWriter writer(QString::fromStdString(path));
        ReportDocument document(std::make_unique<QtDevice>());
        Print(document, writer);
    }
    ExpectThreePages(path);
}

TEST(PdfOutputTest, PrinterToPdfGetsEveryPageWithItsText) {
    TempDir dir;
    const std::string path = dir.File("printed.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setFullPage(true);
        ReportDocument document(std::make_unique<QtDevice>());
        Print(document, printer);
        EXPECT_EQ(document.GetPageWidth(), static_cast<int>(std::lround(
                                               printer.pageLayout().fullRect(QPageLayout::Millimeter).width() * 10)));
    }
    ExpectThreePages(path);
}

// The printed page read back as an image at 254 dpi, one pixel a unit.
QImage RenderPdfPage(const std::string& path, const TempDir& dir) {
    ::testing::RunCommand("pdftoppm -png -r 254 -f 1 -l 1 -singlefile '" + path + "' '" + dir.File("page") + "'");
    return QImage(QString::fromStdString(dir.File("page.png")));
}

class PrinterPlacementTest : public ::testing::TestWithParam<bool> {};

// With or without the printer's own margins, the document places its
// drawing from the paper's edge.
TEST_P(PrinterPlacementTest, FillLandsWhereTheMarginsPutIt) {
    TempDir dir;
    const std::string path = dir.File("placed.pdf");
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setResolution(254);
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        printer.setFullPage(GetParam());
        QPainter painter(&printer);
        ReportDocument document(std::make_unique<QtDevice>());
        document.BeginPrinting(&painter, &printer);
        document.marginLeft = 300;
        document.marginTop = 250;
        document.SetBrush(0x0000FF, 0);
        document.FillRect(100, 100, 100, 100);
        document.EndPrinting();
        ASSERT_EQ(document.PrintPage(&painter, &printer, 1), 0);
    }
    const QImage page = RenderPdfPage(path, dir);
    ASSERT_FALSE(page.isNull());
    QRect red;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (const QRgb p = page.pixel(x, y); qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60)
                red = red.united(QRect(x, y, 1, 1));
    EXPECT_NEAR(red.left(), 400, 1);
    EXPECT_NEAR(red.top(), 350, 1);
    EXPECT_NEAR(red.width(), 100, 1);
    EXPECT_NEAR(red.height(), 100, 1);
}

INSTANTIATE_TEST_SUITE_P(FullPage, PrinterPlacementTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "FullPage" : "InsideMargins"; });

TEST(PreviewTest, PreviewWidgetShowsEveryPage) {
    ReportDocument document(std::make_unique<QtDevice>());
    QPrintPreviewWidget preview;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* printer) {
        Print(document, *printer);
    });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 3);
}

TEST(LibraryTest, ExportsOnlyTheDocumentEntryPointsAndItsVersion) {
    const std::string nm = ::testing::RunCommand("nm -D --defined-only '" REPORT_DOCUMENT_LIBRARY "'").output;
    std::set<std::string> names;
    std::smatch match;
    const std::regex line("[0-9a-f]+ [A-Za-z] (\\S+)");
    for (auto it = std::sregex_iterator(nm.begin(), nm.end(), line); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    EXPECT_EQ(names, (std::set<std::string>{"DllFreeDocument", "DllGetDocument", "qel_version_block"}));
}

TEST(LibraryTest, GivesOneDocumentUntilFreed) {
    void* module = plat::LoadLibrary(REPORT_DOCUMENT_LIBRARY);
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    EXPECT_EQ(plat::VersionValue(module, "ProductName"), "QEL Report Document");
    auto get = reinterpret_cast<CReportDocument* (*)(int)>(plat::GetSymbol(module, "DllGetDocument"));
    auto free = reinterpret_cast<void (*)()>(plat::GetSymbol(module, "DllFreeDocument"));
    ASSERT_TRUE(get && free);

    EXPECT_EQ(get(1), nullptr);
    CReportDocument* document = get(0);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(get(0), document);
    EXPECT_EQ(document->GetPageCount(), 0);

    TempDir dir;
    const std::string path = dir.File("library.pdf");
    {
        QPdfWriter writer(QString::fromStdString(path));
        Print(*document, writer);
    }
    ExpectThreePages(path);
    free();
    plat::FreeLibrary(module);
}

}  // namespace
}  // namespace doc
