#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "checkers.h"
#include "qt_device.h"
#include "report_test_support.h"
#include "reports/printer_page.h"
#include "testing/external_tools.h"
#include "testing/fake_locales.h"
#include "testing/temp_directory.h"
#include "tests/fixed_backend.h"

namespace {

using doc::testing::OpsOn;
using doc::testing::StringsOn;
using doc::testing::TextsOn;
using reports_test::Settings;

// A4 without unprintable border; text measured with the fixed metrics of the
// document library (line height 42 % of the font size, a character 18 %).
const doc::Paper kPaper{2100, 2970, {30, 40, 50, 60}};
int LineHeight(int size) { return size * 42 / 100; }
int TextWidth(const std::string& text, int size) { return static_cast<int>(text.size()) * size * 18 / 100; }

// A report whose body is a text per page on `pages` pages.
class PagesReport : public CPrinterPage {
public:
    PagesReport(const SettingGetter& get, int pages) : CPrinterPage(get), pages_(pages) {}
    int PrintBody(CReportDocument& document) override {
        if (bodyHook) return bodyHook(document);
        for (int page = 1; page <= pages_; ++page) {
            if (page > 1) document.NewPage();
            document.DrawText(("Body " + std::to_string(page)).c_str(), 0, bodyTop, pageWidth, 100, 0, 0, 0, 0);
        }
        return 0;
    }
    std::function<int(CReportDocument&)> bodyHook;

private:
    int pages_;
};

class PrinterPageTest : public ::testing::Test {
protected:
    std::unique_ptr<doc::ReportDocument> document_ = doc::testing::MakeDocument(kPaper);
    reports_test::ReportEnvironment environment_;
    ::testing::ScopedLocale locale_{::testing::EnglishUnitedStates()};
    Settings settings_;
};

bool Contains(const std::vector<std::string>& strings, const std::string& text) {
    return std::find(strings.begin(), strings.end(), text) != strings.end();
}

struct SettingCase {
    const char* key;
    const char* value;
    std::function<bool(const CPrinterPage&)> holds;
};

TEST_F(PrinterPageTest, SettingsReplaceTheDefaults) {
    using Indent = CPrinterPage::Indent;
    const auto indentIs = [](const Indent& i, Indent e) {
        return i.left == e.left && i.top == e.top && i.right == e.right && i.bottom == e.bottom;
    };
    const SettingCase cases[] = {
        {"ReportsPrinterFont", "", [](const CPrinterPage& p) { return p.fontFace == "Arial"; }},
        {"ReportsPrinterFont", "DejaVu Sans", [](const CPrinterPage& p) { return p.fontFace == "DejaVu Sans"; }},
        {"ReportsPrinterHeaderInfoCenter", "", [](const CPrinterPage& p) { return p.headerCenter == "%ti"; }},
        // Only a blank blanks a header text.
        {"ReportsPrinterHeaderInfoCenter", " ", [](const CPrinterPage& p) { return p.headerCenter == " "; }},
        {"ReportsPrinterFooterInfoLeft", "", [](const CPrinterPage& p) { return p.footerLeft == "%ds %ts"; }},
        {"ReportsPrinterFooterInfoRight", "", [](const CPrinterPage& p) { return p.footerRight == "Page %pc of %pt"; }},
        {"ReportsPrinterFooterInfoCenter", "%ti", [](const CPrinterPage& p) { return p.footerCenter == "%ti"; }},
        {"ReportsPrinterHeaderIndent", "1 2 3 4", [&](const CPrinterPage& p) { return indentIs(p.headerIndent, {1, 2, 3, 4}); }},
        {"ReportsPrinterHeaderIndent", "5", [&](const CPrinterPage& p) { return indentIs(p.headerIndent, {5, 0, 0, 0}); }},
        // Indents, spaces and rules stay between none and a few centimetres.
        {"ReportsPrinterFooterIndent", " 7  -8\t9 10 11", [&](const CPrinterPage& p) { return indentIs(p.footerIndent, {7, 0, 9, 10}); }},
        {"ReportsPrinterHeaderIndent", "-100000 2147483647 -2147483648 250", [&](const CPrinterPage& p) { return indentIs(p.headerIndent, {0, 250, 0, 250}); }},
        {"ReportsPrinterHeaderVerticalSpaceBody", "2147483647", [](const CPrinterPage& p) { return p.headerSpaceToBody == 250; }},
        {"ReportsPrinterFooterVerticalSpaceBody", "-1", [](const CPrinterPage& p) { return p.footerSpaceToBody == 0; }},
        {"ReportsPrinterHeaderBottomLineWidth", "1e300", [](const CPrinterPage& p) { return p.headerBottomRule == 1; }},
        {"ReportsPrinterFooterBottomLineWidth", "2147483647", [](const CPrinterPage& p) { return p.footerBottomRule == 100; }},
        {"ReportsPrinterFooterIndent", "", [&](const CPrinterPage& p) { return indentIs(p.footerIndent, {0, 0, 0, 0}); }},
        {"ReportsPrinterMarginsMinimal", "1", [](const CPrinterPage& p) { return p.marginsMinimal; }},
        {"ReportsPrinterMarginsBottom", "250", [](const CPrinterPage& p) { return p.marginBottom == 250 && p.marginTop == 100; }},
        {"ReportsPrinterHeaderFontBold", "0", [](const CPrinterPage& p) { return !p.headerBold; }},
        {"ReportsPrinterHeaderFontUnderline", "1", [](const CPrinterPage& p) { return p.headerUnderline; }},
        {"ReportsPrinterFooterTopLineWidth", "0", [](const CPrinterPage& p) { return p.footerTopRule == 0; }},
        {"ReportsPrinterHeaderFontSize", "", [](const CPrinterPage& p) { return p.headerFontSize == 160; }},
        {"ReportsPrinterCaptionLineStretch", "150", [](const CPrinterPage& p) { return p.captionLineStretch == 150; }},
        {"ReportsPrinterTableCellExtraIndent", "40", [](const CPrinterPage& p) { return p.tableCellExtraIndent == 40; }},
    };
    for (const SettingCase& c : cases) {
        Settings settings{{c.key, c.value}};
        const CPrinterPage page(settings.Getter());
        EXPECT_TRUE(c.holds(page)) << c.key << "=\"" << c.value << "\"";
    }
}

TEST_F(PrinterPageTest, FaceIsCutToThirtyOneBytesOnACharacterBoundary) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "Arial"},
        {std::string(31, 'f'), std::string(31, 'f')},
        {std::string(40, 'f'), std::string(31, 'f')},
        {std::string(30, 'f') + "\xC3\xA9", std::string(30, 'f')},
    };
    for (const auto& [setting, face] : cases) {
        Settings settings{{"ReportsPrinterFont", setting}};
        CPrinterPage page(settings.Getter());
        ASSERT_EQ(page.Print(*document_, nullptr, nullptr), 0);
        EXPECT_STREQ(document_->fontFace, face.c_str()) << setting;
    }
}

TEST_F(PrinterPageTest, MarginsGoToTheDocumentUnlessMinimal) {
    settings_.Set("ReportsPrinterMarginsLeft", "150");
    settings_.Set("ReportsPrinterMarginsRight", "200");
    settings_.Set("ReportsPrinterMarginsTop", "250");
    settings_.Set("ReportsPrinterMarginsBottom", "300");
    CPrinterPage page(settings_.Getter());
    ASSERT_EQ(page.Print(*document_, nullptr, nullptr), 0);
    EXPECT_EQ(document_->marginLeft, 150);
    EXPECT_EQ(document_->marginBottom, 300);
    EXPECT_EQ(page.pageWidth, 2100 - 150 - 200);
    EXPECT_EQ(page.pageHeight, 2970 - 250 - 300);

    settings_.Set("ReportsPrinterMarginsMinimal", "1");
    CPrinterPage minimal(settings_.Getter());
    ASSERT_EQ(minimal.Print(*document_, nullptr, nullptr), 0);
    EXPECT_EQ(document_->marginLeft, 30);
    EXPECT_EQ(document_->marginTop, 40);
    EXPECT_EQ(document_->marginRight, 50);
    EXPECT_EQ(document_->marginBottom, 60);
    EXPECT_EQ(minimal.pageWidth, 2100 - 30 - 50);
}

struct BodyCase {
    const char* name;
    Settings settings;
    bool showHeader;
    bool showFooter;
    int bodyTop;
    int bodyBottomFromPageEnd;
};

TEST_F(PrinterPageTest, BodyLiesBetweenHeaderAndFooter) {
    const int header = LineHeight(160);
    const int footer = LineHeight(100);
    const BodyCase cases[] = {
        {"defaults", {}, true, true, 60 + header, 3 + 50 + footer},
        {"hidden", {}, false, false, 0, 0},
        {"indents and rules",
         {{"ReportsPrinterHeaderIndent", "1 2 3 4"},
          {"ReportsPrinterHeaderTopLineWidth", "5"},
          {"ReportsPrinterHeaderBottomLineWidth", "6"},
          {"ReportsPrinterFooterIndent", "7 8 9 10"},
          {"ReportsPrinterFooterBottomLineWidth", "11"},
          {"ReportsPrinterFooterVerticalSpaceBody", "20"}},
         true, true, 2 + 4 + 6 + 5 + 60 + header, 8 + 10 + 11 + 3 + 20 + footer},
        {"larger header font", {{"ReportsPrinterHeaderFontSize", "300"}}, true, false, 60 + LineHeight(300), 0},
        {"empty header texts count nothing",
         {{"ReportsPrinterHeaderInfoCenter", " "}, {"ReportsPrinterFooterInfoLeft", " "}, {"ReportsPrinterFooterInfoRight", " "}},
         true, true, 60 + header, 3 + 50 + footer},
        {"two-line footer", {{"ReportsPrinterFooterInfoCenter", "a\nb"}}, false, true, 0, 3 + 50 + 2 * footer},
    };
    for (const BodyCase& c : cases) {
        CPrinterPage page(c.settings.Getter());
        page.title = "Plan";
        page.showHeader = c.showHeader;
        page.showFooter = c.showFooter;
        document_->BeginPrinting(nullptr, nullptr);
        ASSERT_EQ(page.BeginDocument(*document_), 0) << c.name;
        EXPECT_EQ(page.bodyTop, c.bodyTop) << c.name;
        EXPECT_EQ(page.pageHeight - page.bodyBottom, c.bodyBottomFromPageEnd) << c.name;
        EXPECT_EQ(document_->fontSize, 110) << c.name;
    }
}

TEST_F(PrinterPageTest, EveryPageGetsItsHeaderAndFooter) {
    settings_.Set("ReportsPrinterHeaderInfoLeft", "%pc %pt");
    PagesReport report(settings_.Getter(), 5);
    report.title = "Plan <Q1>";
    ASSERT_EQ(report.Print(*document_, nullptr, nullptr), 0);
    ASSERT_EQ(document_->GetPageCount(), 5);
    for (int page = 1; page <= 5; ++page) {
        const auto strings = StringsOn(*document_, page);
        const std::string number = std::to_string(page);
        EXPECT_TRUE(Contains(strings, "Body " + number)) << page;
        EXPECT_TRUE(Contains(strings, number + " 5")) << page;
        EXPECT_TRUE(Contains(strings, "Plan <Q1>")) << page;
        EXPECT_TRUE(Contains(strings, "Page " + number + " of 5")) << page;
        EXPECT_TRUE(Contains(strings, "3/5/2024 2:30 PM")) << page;
    }
}

TEST_F(PrinterPageTest, HeaderAndFooterTextsSitInTheirBoxes) {
    settings_.Set("ReportsPrinterHeaderIndent", "10 20 30 0");
    settings_.Set("ReportsPrinterHeaderTopLineWidth", "4");
    settings_.Set("ReportsPrinterFooterInfoCenter", "Mid");
    PagesReport report(settings_.Getter(), 1);
    report.title = "Plan";
    ASSERT_EQ(report.Print(*document_, nullptr, nullptr), 0);
    const int width = report.pageWidth;
    const auto texts = TextsOn(*document_, 1);
    const auto find = [&](const std::string& text) {
        const auto it = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == text; });
        return it == texts.end() ? doc::testing::PlacedText{-1, -1, ""} : *it;
    };
    // Header: centred in the box between the indents, below the top rule.
    const auto title = find("Plan");
    EXPECT_EQ(title.y, 20 + 4);
    EXPECT_NEAR(title.x, 10 + (width - 30 - 10 - TextWidth("Plan", 160)) / 2, 1);
    // Footer: left at the left edge, right text ending at the right edge,
    // the centre text between them.
    const int footerY = report.bodyBottom + 50 + 3;
    const auto left = find("3/5/2024 2:30 PM");
    const auto right = find("Page 1 of 1");
    const auto middle = find("Mid");
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, footerY);
    EXPECT_EQ(right.x + TextWidth("Page 1 of 1", 100), width);
    EXPECT_EQ(middle.y, footerY);
    const int boxLeft = TextWidth("3/5/2024 2:30 PM", 100) + 20;
    const int boxRight = width - TextWidth("Page 1 of 1", 100) - 20;
    EXPECT_NEAR(middle.x, boxLeft + (boxRight - boxLeft - TextWidth("Mid", 100)) / 2, 1);

    // The footer's top rule across the page; rules of width 0 draw nothing.
    const auto lines = OpsOn<doc::LineOp>(*document_, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].y1, 0);
    EXPECT_EQ(lines[0].pen.width, 4);
    EXPECT_EQ(lines[1].y1, report.bodyBottom + 50);
    EXPECT_EQ(lines[1].x2, width);
    EXPECT_EQ(lines[1].pen.width, 3);
}

// 55 characters of size 100 take 990 of the 1900 units on each side.
TEST_F(PrinterPageTest, CentreFooterTextWithoutRoomIsLeftOut) {
    settings_.Set("ReportsPrinterFooterInfoLeft", std::string(55, 'L'));
    settings_.Set("ReportsPrinterFooterInfoRight", std::string(55, 'R'));
    settings_.Set("ReportsPrinterFooterInfoCenter", "Mid");
    PagesReport report(settings_.Getter(), 1);
    ASSERT_EQ(report.Print(*document_, nullptr, nullptr), 0);
    const auto strings = StringsOn(*document_, 1);
    EXPECT_TRUE(Contains(strings, std::string(55, 'L')));
    EXPECT_FALSE(Contains(strings, "Mid"));
}

// A table left open shows whether the fill was ended: EndPrinting lays it out.
TEST_F(PrinterPageTest, FailingStepEndsTheFillAtOnce) {
    for (const int bodyResult : {0, 7}) {
        PagesReport report(settings_.Getter(), 1);
        report.title = "Plan";
        report.bodyHook = [&](CReportDocument& document) {
            document.AddTable(0, report.bodyTop, report.pageWidth, report.bodyBottom, report.bodyTop);
            const int widths[] = {500};
            const int row = document.SetColumnWidths(kReportRowData, 1, widths);
            document.SetCellText(kReportRowData, row, 0, "Row text");
            return bodyResult;
        };
        EXPECT_EQ(report.Print(*document_, nullptr, nullptr), bodyResult);
        const auto strings = StringsOn(*document_, 1);
        EXPECT_EQ(Contains(strings, "Row text"), bodyResult == 0) << bodyResult;
        EXPECT_EQ(Contains(strings, "Plan"), bodyResult == 0) << bodyResult;
        EXPECT_EQ(Contains(strings, "Page 1 of 1"), bodyResult == 0) << bodyResult;
    }
}

class FailingStartReport : public CPrinterPage {
public:
    using CPrinterPage::CPrinterPage;
    int BeginDocument(CReportDocument&) override { return 3; }
    int PrintBody(CReportDocument&) override {
        bodyCalled = true;
        return 0;
    }
    bool bodyCalled = false;
};

TEST_F(PrinterPageTest, FailingStartSkipsTheBody) {
    FailingStartReport report(settings_.Getter());
    EXPECT_EQ(report.Print(*document_, nullptr, nullptr), 3);
    EXPECT_FALSE(report.bodyCalled);
    EXPECT_TRUE(StringsOn(*document_, 1).empty());
}

TEST_F(PrinterPageTest, CharCellIsTheHeightOfALine) {
    CPrinterPage page(settings_.Getter());
    EXPECT_EQ(page.MeasureCharCell(*document_, 200, true), LineHeight(200));
    EXPECT_EQ(document_->fontSize, 200);
    EXPECT_EQ(document_->fontBold, 1);
    EXPECT_EQ(page.MeasureCharCell(*document_, 0, false), LineHeight(200));
    EXPECT_EQ(document_->fontBold, 0);
}

// The fill replayed onto a real PDF, read back by poppler.
TEST_F(PrinterPageTest, PdfShowsHeadersAndFootersOnEveryPage) {
    ::testing::TempDirectory dir;
    const std::string path = dir.File("report.pdf");
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setResolution(254);
        QPainter painter(&writer);
        doc::ReportDocument document(std::make_unique<doc::QtDevice>());
        PagesReport report(settings_.Getter(), 2);
        report.title = "Quarterly \xCE\xB1 plan";
        ASSERT_EQ(report.Print(document, &painter, &writer), 0);
        for (int page = 1; page <= document.GetPageCount(); ++page) {
            if (page > 1) writer.newPage();
            ASSERT_EQ(document.PrintPage(&painter, &writer, page), 0);
        }
    }
    EXPECT_EQ(::testing::PdfPageCount(path), 2);
    for (int page = 1; page <= 2; ++page) {
        const std::string text = ::testing::PdfPageText(path, page);
        const std::string number = std::to_string(page);
        EXPECT_NE(text.find("Quarterly \xCE\xB1 plan"), std::string::npos) << text;
        EXPECT_NE(text.find("Body " + number), std::string::npos) << text;
        EXPECT_NE(text.find("Page " + number + " of 2"), std::string::npos) << text;
    }
}

}  // namespace
