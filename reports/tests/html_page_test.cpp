#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checkers.h"
#include "plat/files.h"
#include "report_test_support.h"
#include "reports/html_page.h"
#include "reports/html_table.h"
#include "reports/html_text.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"

namespace {

using reports_test::Settings;
using ::testing::ReadFile;
using ::testing::TempDirectory;

// A report of one table: a header row and one data row per text.
class TablePage : public CHtmlPage {
public:
    TablePage(const SettingGetter& get, std::vector<std::string> texts)
        : CHtmlPage(get), texts_(std::move(texts)) {}

    int Render(const std::string& path) override {
        std::string out;
        WriteHead(out, "", "", true);
        WriteSubtitle(out, subtitle);
        CHtmlTable table;
        table.widthPercent = 100;
        table.border = 1;
        table.cellSpacing = 0;
        table.cellPadding = 2;
        table.borderCollapse = CHtmlTable::kCollapse;
        CHtmlRow& header = table.AddRow();
        header.header = true;
        header.AddTextCell("Text", kHtmlAlignLeft, true);
        header.AddTextCell("Length", kHtmlAlignRight, true);
        for (const std::string& text : texts_) {
            CHtmlRow& row = table.AddRow();
            row.verticalAlignment = kHtmlVAlignTop;
            row.AddTextCell(text, kHtmlAlignLeft, false);
            row.AddTextCell(std::to_string(text.size()), kHtmlAlignRight, false);
        }
        table.Write(out);
        WriteFooter(out);
        return WriteFile(out, path);
    }

    std::string subtitle;

private:
    std::vector<std::string> texts_;
};

class HtmlPageTest : public ::testing::Test {
protected:
    reports_test::ReportEnvironment environment_;
    Settings settings_;
    TempDirectory dir_;
};

// The frame as the page is written: every line ends in CR LF.
TEST_F(HtmlPageTest, WritesTheFrameByteForByte) {
    settings_.Set("ReportsHtmlFooterFormat", "Report %ti");
    TablePage page(settings_.Getter(), {});
    page.title = "Plan";
    std::string out;
    page.WriteHead(out, "\th1 { color:red; }\n", "<meta name=\"x\" content=\"y\">\n", true);
    page.WriteSubtitle(out, "Week 10");
    page.WriteFooter(out);
    const std::string path = dir_.File("frame.html");
    ASSERT_EQ(page.WriteFile(out, path), 0);

    const std::string expected =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
        "<html>\r\n"
        "<head>\r\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">\r\n"
        "<title>Plan</title>\r\n"
        "\r\n"
        "   <style type=\"text/css\">\r\n"
        "   <!--\r\n"
        "\tbody { margin:0.1in; }\r\n"
        "\tp,h1,h2,h3,h4,div,td,th,b,i,small { font-family:Verdana, Arial, helvetica, sans-serif; }\r\n"
        "\th1 { font-size:14pt; text-align:center; }\r\n"
        "\th2 { font-size:11pt; font-style:italic; font-weight:normal; text-align:center; }\r\n"
        "\tth { font-size:10pt; font-weight:bold; }\r\n"
        "\ttd { font-size:10pt; font-weight:normal; }\r\n"
        "\tp { font-size:10pt; }\r\n"
        "\tsmall { font-size:9pt; }\r\n"
        "\th1 { color:red; }\r\n"
        "\r\n"
        "   //-->\r\n"
        "   </style>\r\n"
        "\r\n"
        "<meta name=\"x\" content=\"y\">\r\n"
        "</head>\r\n"
        "\r\n"
        "<body bgcolor=\"#ffffff\" text=\"#000000\">\r\n"
        "\r\n"
        "<h1>Plan</h1>\r\n"
        "<h2>Week 10</h2>\r\n"
        "\r\n"
        "<hr size=1>\r\n"
        "<small>Report Plan</small>\r\n"
        "\r\n"
        "</body>\r\n"
        "</html>\r\n";
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_EQ(page.WrittenFiles(), std::vector<std::string>{path});
    EXPECT_EQ(reports_test::HtmlProblems(path), "");
}

TEST_F(HtmlPageTest, PageWithoutTitleHasAnEmptyTitleElementAndNoHeading) {
    TablePage page(settings_.Getter(), {"x"});
    const std::string path = dir_.File("untitled.html");
    ASSERT_EQ(page.Render(path), 0);
    const std::string html = ReadFile(path);
    EXPECT_NE(html.find("<title></title>\r\n"), std::string::npos);
    EXPECT_EQ(html.find("<h1>"), std::string::npos);
    EXPECT_EQ(html.find("<h2>"), std::string::npos);
    EXPECT_EQ(reports_test::HtmlProblems(path), "");
}

TEST_F(HtmlPageTest, DefaultFooterNamesTheMomentOfOutput) {
    TablePage page(settings_.Getter(), {});
    std::string out;
    page.WriteFooter(out);
    EXPECT_NE(out.find("<small>Created on "), std::string::npos) << out;
    EXPECT_NE(out.find("2024"), std::string::npos) << out;
    EXPECT_EQ(out.find('%'), std::string::npos) << out;
}

struct SettingCase {
    const char* key;
    const char* value;
    std::uint32_t background;
    const char* expectedInPage;  // "" for nothing to find
    const char* absentFromPage;  // "" for nothing to miss
};

TEST_F(HtmlPageTest, SettingsReplaceOrExtendTheFrame) {
    const SettingCase cases[] = {
        {"ReportsHtmlColorBk", "#00ff00", 0x00FF00, "bgcolor=\"#00ff00\"", ""},
        {"ReportsHtmlColorBk", "00ff00", 0x00FF00, "bgcolor=\"#00ff00\"", ""},
        // Too short for an HTML colour: the setting colour stands (digit runs 00 and 0).
        {"ReportsHtmlColorBk", "#00ff0", 0x000000, "bgcolor=\"#000000\"", ""},
        {"ReportsHtmlColorBk", "0,0,255", 0xFF0000, "bgcolor=\"#0000ff\"", ""},
        {"ReportsHtmlColorBk", "", 0xFFFFFF, "bgcolor=\"#ffffff\"", ""},
        {"ReportsHtmlColorText", "#123456", 0xFFFFFF, "text=\"#123456\"", ""},
        {"ReportsHtmlBegin", "", 0xFFFFFF, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html>", ""},
        {"ReportsHtmlCSS", "\ttd { color:blue; }\n", 0xFFFFFF, "   <!--\r\n\ttd { color:blue; }\r\n", "Verdana"},
        {"ReportsHtmlHeaderAdd", "<link rel=\"stylesheet\" href=\"a.css\">", 0xFFFFFF,
         "<link rel=\"stylesheet\" href=\"a.css\">\r\n</head>", ""},
        {"ReportsHtmlBeginAdd", "<p>Start</p>", 0xFFFFFF, "\">\r\n<p>Start</p>\r\n", ""},
        {"ReportsHtmlEndAdd", "<p>End</p>", 0xFFFFFF, "</small>\r\n<p>End</p>\r\n</body>", ""},
        {"ReportsHtmlFooterShow", "0", 0xFFFFFF, "</table>\r\n\r\n\r\n</body>", "<hr"},
        {"ReportsHtmlFooterFormat", "By %ti", 0xFFFFFF, "<small>By Plan</small>", "Created"},
        // A Windows-1252 setting beside UTF-8 texts: each keeps its characters.
        {"ReportsHtmlBeginAdd", "<p>Caf\xE9 \x80</p>", 0xFFFFFF, "<p>Caf\xE9 &#8364;</p>", ""},
    };
    for (const SettingCase& c : cases) {
        Settings settings{{c.key, c.value}};
        TablePage page(settings.Getter(), {"\xCE\xB1"});
        page.title = "Plan";
        EXPECT_EQ(page.backgroundColor, c.background) << c.key << "=" << c.value;
        const std::string path = dir_.File("settings.html");
        ASSERT_EQ(page.Render(path), 0);
        const std::string html = ReadFile(path);
        EXPECT_NE(html.find(c.expectedInPage), std::string::npos) << c.key << "=" << c.value << "\n" << html;
        if (*c.absentFromPage != 0) {
            EXPECT_EQ(html.find(c.absentFromPage), std::string::npos) << c.key << "=" << c.value;
        }
        EXPECT_NE(html.find("<td align=left >&#945;</td>"), std::string::npos) << c.key << "=" << c.value;
        EXPECT_EQ(reports_test::HtmlProblems(path), "") << c.key << "=" << c.value;
    }
}

struct CellCase {
    const char* name;
    void (*setUp)(CHtmlCell&);
    bool header;
    const char* expected;
};

TEST_F(HtmlPageTest, CellsWriteOnlyTheAttributesSet) {
    const CellCase cases[] = {
        {"empty", [](CHtmlCell&) {}, false, "  <td >&#160;</td>\n"},
        {"white background", [](CHtmlCell& c) { c.text = "x"; c.background = 0xFFFFFF; }, false,
         "  <td >x</td>\n"},
        {"red background", [](CHtmlCell& c) { c.text = "x"; c.background = 0x0000FF; }, false,
         "  <td bgcolor=\"#ff0000\" >x</td>\n"},
        {"header bold", [](CHtmlCell& c) { c.text = "H"; c.bold = true; c.alignment = kHtmlAlignCenter; }, true,
         "  <th align=center ><b>H</b></th>\n"},
        {"empty bold", [](CHtmlCell& c) { c.bold = true; }, false, "  <td >&#160;</td>\n"},
        {"spans", [](CHtmlCell& c) { c.text = "x"; c.colspan = 3; c.rowspan = 2; }, false,
         "  <td rowspan=2 colspan=3 >x</td>\n"},
        // One width only: the percent one wins.
        {"widths", [](CHtmlCell& c) { c.text = "x"; c.widthPercent = 25; c.widthPixels = 80; }, false,
         "  <td width=\"25%\" >x</td>\n"},
        {"pixels", [](CHtmlCell& c) { c.text = "x"; c.widthPixels = 0; }, false, "  <td width=\"0\" >x</td>\n"},
        {"borders", [](CHtmlCell& c) { c.text = "x"; c.borderLeft = 1; c.borderBottom = 2; }, false,
         "  <td style=\"border-left-width:1pt; border-bottom-width:2pt; \" >x</td>\n"},
        {"nowrap and class", [](CHtmlCell& c) { c.text = "x"; c.nowrap = true; c.cssClass = "sum"; }, false,
         "  <td nowrap class=sum >x</td>\n"},
        {"rule", [](CHtmlCell& c) { c.ruleSize = 2; c.ruleNoshade = true; }, false,
         "  <td ><hr noshade >&#160;</td>\n"},
        {"thick rule", [](CHtmlCell& c) { c.ruleSize = 4; c.text = "x"; }, false, "  <td ><hr size=4 >x</td>\n"},
        {"colour and link", [](CHtmlCell& c) { c.text = "a<b"; c.fontColor = 0x00FF00; c.link = "p.html?a=1&b=\"2\""; },
         false, "  <td ><a href=\"p.html?a=1&amp;b=&quot;2&quot;\"><font color=\"#00ff00\">a&lt;b</font></a></td>\n"},
        {"non-breaking", [](CHtmlCell& c) { c.text = "9:00 h"; c.nonBreaking = true; }, false,
         "  <td >9:00&#160;h</td>\n"},
        {"lines", [](CHtmlCell& c) { c.text = "a\nb"; }, false, "  <td >a<br>b</td>\n"},
        {"resource string", [](CHtmlCell& c) { c.text = "ignored"; c.stringId = 230; }, false, "  <td >Untitled</td>\n"},
    };
    for (const CellCase& c : cases) {
        CHtmlCell cell;
        c.setUp(cell);
        std::string out;
        cell.Write(out, c.header, "");
        EXPECT_EQ(out, c.expected) << c.name;
    }
}

TEST_F(HtmlPageTest, RowsAndTablesWriteTheirAttributes) {
    CHtmlTable table;
    table.borderCollapse = CHtmlTable::kSeparate;
    table.widthPercent = 80;
    table.border = 0;
    table.cssClass = "list";
    CHtmlRow& row = table.AddRow();
    row.verticalAlignment = kHtmlVAlignBottom;
    row.cssClass = "even";
    row.cellClass = "c";
    row.AddTextCell("a", kHtmlAlignLeft, false).cssClass = "own";
    row.AddCell(230, kHtmlAlignRight, true);
    row.SetBackground(0x00FFFF);
    row.AddEmptyCell();
    std::string out;
    table.Write(out);
    EXPECT_EQ(out,
              "\n<table style=\"border-collapse: separate\" width=\"80%\" border=0 class=list >\n\n"
              " <tr valign=bottom class=even >\n"
              "  <td align=left bgcolor=\"#ffff00\" class=c >a</td>\n"
              "  <td align=right bgcolor=\"#ffff00\" class=c ><b>Untitled</b></td>\n"
              "  <td class=c >&#160;</td>\n"
              " </tr>\n"
              "\n</table>\n\n");
}

// User texts holding markup, quotes, entities, controls and characters
// beyond Latin-1 come out valid and read back as they went in.
TEST_F(HtmlPageTest, HostileTextsStayValidAndReadable) {
    const std::vector<std::string> texts = {
        "a<b & c>d",
        "&amp; is already an entity",
        "</td></tr></table><script>alert(\"x\")</script>",
        "'single' and \"double\" quotes",
        "caf\xC3\xA9 \xE2\x82\xAC 5",
        "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",    // Greek
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",         // CJK
        "\xF0\x9F\x98\x80 \xF0\x9F\x93\x85",             // emoji
        "first line\nsecond line",
        std::string(10000, 'x'),
    };
    for (const char* meta : {"", "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">"}) {
        Settings settings{{"ReportsHtmlMeta", meta}};
        TablePage page(settings.Getter(), texts);
        page.title = "Plan <\xCE\xB1> & \"\xE6\x97\xA5\"\nsecond";
        page.subtitle = "Sub <\xF0\x9F\x98\x80>";
        const std::string path = dir_.File("hostile.html");
        ASSERT_EQ(page.Render(path), 0);
        EXPECT_EQ(reports_test::HtmlProblems(path), "") << meta;

        std::string expected = "Text\x1eLength";
        for (const std::string& text : texts) expected += "\x1e" + text + "\x1e" + std::to_string(text.size());
        EXPECT_EQ(reports_test::CellTextsByPython(path), expected) << meta;
        const std::string html = ReadFile(path);
        EXPECT_EQ(html.find("<script>"), std::string::npos);
        if (*meta == 0) {
            EXPECT_NE(html.find("<title>Plan &lt;&#945;&gt; &amp; &quot;&#26085;&quot; second</title>"),
                      std::string::npos);
            EXPECT_NE(html.find("caf\xE9 &#8364; 5"), std::string::npos);
        }
    }
}

// The title is text in the page, never part of a path.
TEST_F(HtmlPageTest, TitlesWithPathsOrGreatLengthOnlyChangeTheText) {
    for (const std::string& title : {std::string("../../etc/passwd"), std::string("a/b\\c"), std::string(".."),
                                    std::string(300, 't')}) {
        TempDirectory dir;
        TablePage page(settings_.Getter(), {"x"});
        page.title = title;
        const std::string path = dir.File("report.html");
        ASSERT_EQ(page.Render(path), 0) << title;
        EXPECT_NE(ReadFile(path).find("<title>" + title + "</title>"), std::string::npos) << title;
        const auto entries = plat::ReadDirectory(dir.path());
        ASSERT_EQ(entries.size(), 1u) << title;
        EXPECT_EQ(entries[0].name, "report.html");
        EXPECT_EQ(reports_test::HtmlProblems(path), "") << title;
    }
}

struct BadPathCase {
    const char* name;
    std::string (*path)(const TempDirectory&);
};

TEST_F(HtmlPageTest, UnwritablePlacesGiveAnErrorAndLeaveNoFile) {
    dir_.Write("plain-file", "x");
    const BadPathCase cases[] = {
        {"missing directory", [](const TempDirectory& d) { return d.File("missing/report.html"); }},
        {"directory is a file", [](const TempDirectory& d) { return d.File("plain-file/report.html"); }},
        {"path is a directory", [](const TempDirectory& d) { return d.path(); }},
        {"no path", [](const TempDirectory&) { return std::string(); }},
    };
    for (const BadPathCase& c : cases) {
        ui::ScriptedPrompts prompts;
        TablePage page(settings_.Getter(), {"x"});
        const std::string path = c.path(dir_);
        EXPECT_EQ(page.Render(path), CHtmlPage::kWriteFailed) << c.name;
        EXPECT_TRUE(page.WrittenFiles().empty()) << c.name;
        EXPECT_FALSE(page.LastError().empty()) << c.name;
        ASSERT_EQ(prompts.asked().size(), 1u) << c.name;
        EXPECT_NE(prompts.asked()[0].text.find("could not be written"), std::string::npos) << c.name;
        EXPECT_EQ(prompts.asked()[0].type, ui::MB_OK | ui::MB_ICONSTOP) << c.name;
        const auto entries = plat::ReadDirectory(dir_.path());
        ASSERT_EQ(entries.size(), 1u) << c.name;
        EXPECT_EQ(entries[0].name, "plain-file") << c.name;
    }
}

TEST_F(HtmlPageTest, FullDiskKeepsTheOlderPageWhole) {
    const std::string path = dir_.Write("report.html", "older page");
    ui::ScriptedPrompts prompts;
    TablePage page(settings_.Getter(), {std::string(5000, 'y')});
    plat::SetWriteFailureForTesting(1000);
    const int result = page.Render(path);
    plat::SetWriteFailureForTesting(-1);
    EXPECT_EQ(result, CHtmlPage::kWriteFailed);
    EXPECT_EQ(ReadFile(path), "older page");
    EXPECT_EQ(plat::ReadDirectory(dir_.path()).size(), 1u);
    EXPECT_EQ(prompts.asked().size(), 1u);
}

TEST_F(HtmlPageTest, ErrorMessageSettingOffStaysSilent) {
    settings_.Set("ReportsErrorMessage", "0");
    ui::ScriptedPrompts prompts;
    TablePage page(settings_.Getter(), {"x"});
    EXPECT_EQ(page.Render(dir_.File("missing/report.html")), CHtmlPage::kWriteFailed);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_FALSE(page.LastError().empty());
}

}  // namespace

namespace {

// The checkers themselves must see faults, or every page above would pass.
TEST(HtmlCheckerTest, FlagsMarkupInTheTitleAndDuplicateAttributes) {
    TempDirectory dir;
    const std::string head =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n<html>\n<head>\n";
    EXPECT_NE(reports_test::HtmlProblems(dir.Write("br.html", head + "<title>a<br>b</title>\n</head>\n<body>\n</body>\n</html>\n")), "");
    EXPECT_NE(reports_test::HtmlProblems(dir.Write(
                  "width.html", head + "<title></title>\n</head>\n<body>\n<table><tr><td width=\"1%\" width=\"2\">x</td></tr></table>\n</body>\n</html>\n")),
              "");
    EXPECT_NE(reports_test::HtmlProblems(dir.Write("c1.html", head + "<title>\x85</title>\n</head>\n<body>\n</body>\n</html>\n")), "");
}

}  // namespace
