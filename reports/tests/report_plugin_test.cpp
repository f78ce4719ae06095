#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <dlfcn.h>

#include "plan_generator.h"
#include "plugin_api.h"
#include "qt_device.h"
#include "report_document_impl.h"
#include "report_host.h"
#include "resource_library.h"
#include "testing/fake_history.h"
#include "testing/temp_directory.h"
#include "ui/painter.h"
#include "plan_root.h"
#include "support/calendar_values.h"

namespace {

using reporthost::Host;

// The real plugin, loaded once as the host loads it, bound to the host
// functions this program exports.
class ReportsPluginTest : public ::testing::Test {
protected:
    static void* Plugin() {
        static void* module = dlopen(QEL_REPORTS_PLUGIN, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        return module;
    }
    static void* Resources() {
        static void* module = dlopen(QEL_RESOURCE_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        return module;
    }
    template <class Fn>
    static Fn Get(const char* name) {
        return reinterpret_cast<Fn>(dlsym(Plugin(), name));
    }

    void SetUp() override {
        ASSERT_NE(Plugin(), nullptr) << dlerror();
        Host() = {};
        PluginInfo info{};
        ASSERT_EQ(Get<QELPluginOnPluginInfoFn>(QELPLUGIN_ONPLUGININFO_SYMBOL)("QEL2", "2.0", "en", Resources(), &info), 1);
    }

    // The callback registered with this kind and view key.
    ReportCallback RegisteredReport(std::int32_t kind = PLUGIN_REPORT_GLOBAL, std::int32_t key = 0) {
        Host().reports.clear();
        EXPECT_EQ(Get<QELPluginOnRegisterFn>(QELPLUGIN_ONREGISTER_SYMBOL)(), 1);
        for (const PluginReport& report : Host().reports)
            if (report.kind == kind && report.key == key) return report.callback;
        return nullptr;
    }
};

TEST_F(ReportsPluginTest, InfoComesFromTheVersionBlockAndTheTexts) {
    PluginInfo info{};
    std::memset(&info, 'z', sizeof info);
    ASSERT_EQ(Get<QELPluginOnPluginInfoFn>(QELPLUGIN_ONPLUGININFO_SYMBOL)("QEL2", "2.0", "en", Resources(), &info), 1);
    EXPECT_STREQ(info.name, "QEL Reports");
    EXPECT_STREQ(info.company, "QEL Planning");
    EXPECT_STRNE(info.version, "");
    EXPECT_STREQ(info.language, "");
    EXPECT_STREQ(info.description, "Prints the booking list and saves reports as HTML pages");
}

// The booking list as the global report, the schedules of the resource and
// task views, the calendar of the calendar view, then the export.
TEST_F(ReportsPluginTest, RegistersTheReportsAndTheExport) {
    ASSERT_EQ(Get<QELPluginOnRegisterFn>(QELPLUGIN_ONREGISTER_SYMBOL)(), 1);
    std::vector<std::string> registered(4, QELA_REGISTER_REPORT);
    registered.push_back(QELA_REGISTER_EXPORT);
    EXPECT_EQ(Host().registered, registered);
    ASSERT_EQ(Host().reports.size(), 4u);
    const std::int32_t expected[][2] = {
        {PLUGIN_REPORT_GLOBAL, 0}, {PLUGIN_REPORT_VIEW, 0}, {PLUGIN_REPORT_VIEW, 1}, {PLUGIN_REPORT_VIEW, 2}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Host().reports[i].tag, 7);
        EXPECT_EQ(Host().reports[i].kind, expected[i][0]);
        EXPECT_EQ(Host().reports[i].key, expected[i][1]);
        EXPECT_NE(Host().reports[i].callback, nullptr);
    }
}

// Both schedule reports prepare the report in every mode and hand only
// preview and print to the host, with the schedule's own callbacks.
TEST_F(ReportsPluginTest, ScheduleReportModes) {
    for (std::int32_t key : {0, 1}) {
        const ReportCallback report = RegisteredReport(PLUGIN_REPORT_VIEW, key);
        ASSERT_NE(report, nullptr);
        const std::pair<int, std::size_t> cases[] = {{1, 1}, {2, 1}, {0, 0}, {3, 0}, {-1, 0}};
        for (const auto& [mode, requests] : cases) {
            Host().prepareCount = 0;
            Host().reportRequests.clear();
            EXPECT_EQ(report(mode), 0) << key << " mode " << mode;
            EXPECT_EQ(Host().prepareCount, 1) << key << " mode " << mode;
            ASSERT_EQ(Host().reportRequests.size(), requests) << key << " mode " << mode;
            if (requests == 0) continue;
            const ReportRequest& request = Host().reportRequests[0];
            EXPECT_EQ(request.flags & 0xFF, mode == 1 ? 1 : 0);
            EXPECT_NE(request.print, nullptr);
            EXPECT_NE(request.relayout, nullptr);
            EXPECT_NE(request.exportHtml, nullptr);
            // A missing document is refused.
            EXPECT_EQ(request.print(nullptr, nullptr, nullptr), 1);
        }
    }
}

// The calendar forgets what an earlier print fitted, then runs as the
// booking list: every mode prepares, only preview and print go to the host,
// and the print callback fills a document from the plan.
TEST_F(ReportsPluginTest, CalendarReportModes) {
    const ReportCallback report = RegisteredReport(PLUGIN_REPORT_VIEW, 2);
    ASSERT_NE(report, nullptr);
    for (const int mode : {0, 3, 2, 1}) {
        Host().prepareCount = 0;
        Host().reportRequests.clear();
        Host().settings = {{"ReportsCalendarHtmlBookingsPerDay", "6"}};
        EXPECT_EQ(report(mode), 0) << mode;
        EXPECT_EQ(Host().prepareCount, 1) << mode;
        EXPECT_EQ(Host().settings["ReportsCalendarHtmlBookingsPerDay"], "-1") << mode;
        ASSERT_EQ(Host().reportRequests.size(), mode == 1 || mode == 2 ? 1u : 0u) << mode;
        if (Host().reportRequests.empty()) continue;
        const ReportRequest& request = Host().reportRequests[0];
        EXPECT_EQ(request.flags & 0xFF, mode == 1 ? 1 : 0);
        EXPECT_NE(request.relayout, nullptr);
        EXPECT_NE(request.exportHtml, nullptr);
    }

    FakeHistory history;
    PlanRoot root(&history);
    PlanShape shape;
    shape.centreDay = DateToJulianDay(1, 15, 2025);
    ASSERT_EQ(GeneratePlan(root, shape), kDataOk);
    ASSERT_EQ(Get<QELPluginOnStartFn>(QELPLUGIN_ONSTART_SYMBOL)(&root), 1);
    Host().settings = {{"ReportsCalendarDateRangeFixed", "1"},
                       {"ReportsCalendarDateRangeFixedStart", "20250101"},
                       {"ReportsCalendarDateRangeFixedEnd", "20250131"}};
    ASSERT_EQ(Host().reportRequests.size(), 1u);
    const ReportPrintCallback print = Host().reportRequests[0].print;
    EXPECT_EQ(print(nullptr, nullptr, nullptr), 1);
    QImage page(2100 / 4, 2970 / 4, QImage::Format_RGB32);
    QPainter painter(&page);
    doc::ReportDocument document(std::make_unique<doc::QtDevice>());
    QelDC dc(painter);
    EXPECT_EQ(print(&document, &dc, &dc), 0);
    EXPECT_GE(document.GetPageCount(), 2);   // five weeks and the bookings that did not fit
    EXPECT_NE(Host().settings["ReportsCalendarHtmlBookingsPerDay"], "-1");
}

// Every mode prepares the report; only preview and print go to the host,
// and the grouping follows the active view unless it is kept.
TEST_F(ReportsPluginTest, ReportModesAndGrouping) {
    const ReportCallback report = RegisteredReport();
    ASSERT_NE(report, nullptr);
    struct Case {
        int mode;
        const char* saveGrouping;
        const char* viewActive;
        const char* groupBefore;
        std::size_t requests;
        const char* groupAfter;
    };
    const Case cases[] = {
        {1, "", "1", "1", 1, "0"},   {2, "", "0", "0", 1, "1"},  {2, "", "", "0", 1, "1"},
        {1, "", "2", "0", 1, "1"},   {1, "1", "1", "1", 1, "1"}, {0, "", "1", "1", 0, "0"},
        {3, "", "0", "0", 0, "1"},
    };
    for (const Case& c : cases) {
        Host().prepareCount = 0;
        Host().reportRequests.clear();
        Host().settings = {{"ReportsBookingListSaveGrouping", c.saveGrouping},
                           {"ViewActive", c.viewActive},
                           {"ReportsBookingListGroupByResources", c.groupBefore}};
        EXPECT_EQ(report(c.mode), 0) << c.mode;
        EXPECT_EQ(Host().prepareCount, 1) << c.mode;
        ASSERT_EQ(Host().reportRequests.size(), c.requests) << c.mode;
        EXPECT_EQ(Host().settings["ReportsBookingListGroupByResources"], c.groupAfter)
            << c.mode << " view " << c.viewActive;
        if (c.requests == 0) continue;
        const ReportRequest& request = Host().reportRequests[0];
        EXPECT_EQ(request.flags & 0xFF, c.mode == 1 ? 1 : 0);
        EXPECT_NE(request.print, nullptr);
        EXPECT_NE(request.relayout, nullptr);
        EXPECT_NE(request.exportHtml, nullptr);
    }
}

// The print callback the report hands to "DoReport" fills a real document
// from the plan the host started the plugin with.
TEST_F(ReportsPluginTest, PrintCallbackFillsTheDocument) {
    const ReportCallback report = RegisteredReport();
    ASSERT_NE(report, nullptr);
    FakeHistory history;
    PlanRoot root(&history);
    PlanShape shape;
    shape.centreDay = DateToJulianDay(1, 15, 2025);
    ASSERT_EQ(GeneratePlan(root, shape), kDataOk);
    ASSERT_EQ(Get<QELPluginOnStartFn>(QELPLUGIN_ONSTART_SYMBOL)(&root), 1);
    Host().settings = {{"ReportsBookingListDateRangeFixed", "1"},
                       {"ReportsBookingListDateRangeFixedStart", "20250101"},
                       {"ReportsBookingListDateRangeFixedEnd", "20250131"}};
    ASSERT_EQ(report(PLUGIN_REPORT_MODE_PREVIEW), 0);
    ASSERT_EQ(Host().reportRequests.size(), 1u);
    const ReportPrintCallback print = Host().reportRequests[0].print;

    EXPECT_EQ(print(nullptr, nullptr, nullptr), 1);
    QImage page(2100 / 4, 2970 / 4, QImage::Format_RGB32);
    QPainter painter(&page);
    doc::ReportDocument document(std::make_unique<doc::QtDevice>());
    QelDC dc(painter);   // as the host hands it over: one device context for both
    EXPECT_EQ(print(&document, &dc, &dc), 0);
    EXPECT_GT(document.GetPageCount(), 1);
}

// The report settings go to their sections of an INI file and come back.
TEST_F(ReportsPluginTest, SettingsRoundTripThroughAnIniFile) {
    ::testing::TempDirectory dir;
    const std::string ini = dir.File("reports.ini");
    Host().settings = {{"ReportsDirectoryHtml", "/tmp/pages/"},
                       {"ReportsBookingListTitle", "Week plan"},
                       {"ReportsBookingListDateShowNotes", "1"},
                       {"ReportsCalendarWeeks", "6"},
                       {"ReportsSchedulePages", "3"},
                       {"ReportsSchedulePrinterWidthLabelColumn", "450"},
                       {"ReportsScheduleDateRangeFixed", "1"},
                       {"ReportsUnrelated", "stays out"}};
    ASSERT_EQ(Get<QELPluginOnSaveSettingsFn>(QELPLUGIN_ONSAVESETTINGS_SYMBOL)(ini.c_str(), 0), 1);
    const std::string text = ::testing::ReadFile(ini);
    for (const char* line : {"[Reports]", "ReportsDirectoryHtml=/tmp/pages/", "[Reports Booking List]",
                             "ReportsBookingListTitle=Week plan", "[Reports Calendar]", "ReportsCalendarWeeks=6",
                             "[Reports Schedule]", "ReportsSchedulePages=3", "ReportsSchedulePrinterWidthLabelColumn=450"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("ReportsUnrelated"), std::string::npos);
    EXPECT_EQ(text.find("ReportsScheduleDateRangeFixed"), std::string::npos);   // lives in the store only

    Host().settings.clear();
    ASSERT_EQ(Get<QELPluginOnLoadSettingsFn>(QELPLUGIN_ONLOADSETTINGS_SYMBOL)(ini.c_str()), 1);
    EXPECT_EQ(Host().settings["ReportsDirectoryHtml"], "/tmp/pages/");
    EXPECT_EQ(Host().settings["ReportsBookingListTitle"], "Week plan");
    EXPECT_EQ(Host().settings["ReportsBookingListDateShowNotes"], "1");
    EXPECT_EQ(Host().settings["ReportsCalendarWeeks"], "6");
    EXPECT_EQ(Host().settings["ReportsSchedulePages"], "3");
    EXPECT_EQ(Host().settings["ReportsSchedulePrinterWidthLabelColumn"], "450");
}

}  // namespace
