#include "reports/report_callbacks.h"

#include <QGuiApplication>
#include <QPainter>

#include "plat/locale_info.h"
#include "plugin_base.h"
#include "reports/booking_list_html.h"
#include "reports/booking_list_print.h"
#include "reports/delimited_export.h"
#include "reports/calendar_report_html.h"
#include "reports/calendar_report_pages.h"
#include "reports/calendar_report_print.h"
#include "reports/report_settings.h"
#include "reports/schedule_report_html.h"
#include "reports/schedule_report_print.h"
#include "reports/settings_dialogs.h"
#include "plat/checked_format.h"
#include "string_ids.h"
#include "ui/painter.h"
#include "ui/prompts.h"

namespace {

constexpr std::int32_t kCancelled = 3;

// The wait cursor while a report fills its pages or writes its files.
class WaitCursor {
public:
    WaitCursor() {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            active_ = false;
    }
    ~WaitCursor() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_ = true;
};

// Tells the user that the period was longer than a calendar report shows.
void TellPeriodCut(CCalendarReport& report) {
    CDate first, last;
    if (report.WidenPeriod(first, last) == 0 || !report.periodCut) return;
    ui::MessageBoxById(nullptr, ids::REPORT_CALENDAR_PERIOD_CUT, ui::MB_OK | ui::MB_ICONINFORMATION,
                       {std::to_string(kCalendarMaxWeeks), last.Format(0, nullptr)});
}

// Tells the user why a schedule report output nothing.
int TellPeriodTooWide(const CScheduleReport& report, int result) {
    if (result == CScheduleReport::kPeriodTooWide)
        ui::MessageBoxById(nullptr, ids::REPORT_SCHEDULE_PERIOD_TOO_WIDE, ui::MB_OK | ui::MB_ICONSTOP,
                           {std::to_string(report.columnCount)});
    return result;
}

}  // namespace

std::int32_t BookingListReportCallback(std::int32_t mode) {
    if (!g_hostApi.IsBound()) return 0;
    g_hostApi.prepareReport();
    const SettingGetter get = PluginSettingGetter();
    if (!GetBoolSetting(get, "ReportsBookingListSaveGrouping", false))
        SetBoolSetting(PluginSettingSetter(), "ReportsBookingListGroupByResources",
                       GetIntSetting(get, "ViewActive", -1) != 1);
    if (mode != PLUGIN_REPORT_MODE_PREVIEW && mode != PLUGIN_REPORT_MODE_PRINT) return 0;
    ReportRequest request{mode == PLUGIN_REPORT_MODE_PREVIEW ? REPORT_REQUEST_PREVIEW : 0,
                          &BookingListPrintCallback, &BookingListSettingsCallback, &BookingListHtmlCallback};
    g_hostApi.command("DoReport", &request);
    return 0;
}

std::int32_t BookingListPrintCallback(CReportDocument* document, QelDC* printer, QelDC* attributes) {
    if (document == nullptr || printer == nullptr || attributes == nullptr) return 1;
    CBookingListPrint report(PluginSettingGetter());
    report.BuildModel(PluginPlanContext());
    return report.Print(*document, &printer->painter(), attributes->painter().device());
}

std::int32_t BookingListSettingsCallback(QelWnd parent) {
    return RunBookingListSettingsDialog(parent, PluginSettingGetter(), PluginSettingSetter()) ? 0 : kCancelled;
}

std::int32_t BookingListHtmlCallback() {
    const SettingGetter get = PluginSettingGetter();
    CBookingListHtml report(get);
    const std::optional<std::string> path =
        ChooseHtmlFile(nullptr, CBookingListReport::ReportTitle(get), get, PluginSettingSetter());
    if (!path) return kCancelled;
    report.BuildModel(PluginPlanContext());
    return report.Render(*path);
}

std::int32_t ExportCallback(std::intptr_t, std::intptr_t) {
    if (!g_hostApi.IsBound()) return 0;
    g_hostApi.prepareReport();
    const SettingGetter get = PluginSettingGetter();
    ExportChoice choice;
    ReadExportStart(get, choice);
    if (!RunExportDialog(nullptr, choice, get, PluginSettingSetter())) return kCancelled;
    return ExportChosen(PluginPlanContext(), PluginSettingSetter(), choice);
}

std::int32_t ResourceScheduleReportCallback(std::int32_t mode) { return ScheduleReportCallback(mode); }

std::int32_t TaskScheduleReportCallback(std::int32_t mode) { return ScheduleReportCallback(mode); }

std::int32_t ScheduleReportCallback(std::int32_t mode) {
    if (!g_hostApi.IsBound()) return 0;
    g_hostApi.prepareReport();
    if (mode != PLUGIN_REPORT_MODE_PREVIEW && mode != PLUGIN_REPORT_MODE_PRINT) return 0;
    ReportRequest request{mode == PLUGIN_REPORT_MODE_PREVIEW ? REPORT_REQUEST_PREVIEW : 0, &DoScheduleReportPrint,
                          &DoScheduleReportSettings, &DoScheduleReportHtml};
    g_hostApi.command("DoReport", &request);
    return 0;
}

std::int32_t CalendarReportCallback(std::int32_t mode) {
    if (!g_hostApi.IsBound()) return 0;
    g_hostApi.prepareReport();
    SetIntSetting(PluginSettingSetter(), "ReportsCalendarHtmlBookingsPerDay", -1);
    if (mode != PLUGIN_REPORT_MODE_PREVIEW && mode != PLUGIN_REPORT_MODE_PRINT) return 0;
    ReportRequest request{mode == PLUGIN_REPORT_MODE_PREVIEW ? REPORT_REQUEST_PREVIEW : 0, &CalendarPrintCallback,
                          &CalendarSettingsCallback, &CalendarHtmlCallback};
    g_hostApi.command("DoReport", &request);
    return 0;
}

std::int32_t DoScheduleReportPrint(CReportDocument* document, QelDC* printer, QelDC* attributes) {
    if (document == nullptr || printer == nullptr || attributes == nullptr) return 1;
    const WaitCursor wait;
    CSchedulePrintRenderer report(PluginPlanContext());
    return TellPeriodTooWide(report, report.Print(*document, &printer->painter(), attributes->painter().device()));
}

std::int32_t DoScheduleReportSettings(QelWnd) {
    return RunScheduleReportSettingsDialog(nullptr, PluginSettingGetter(), PluginSettingSetter(),
                                           plat::CurrentLocale().metric)
               ? 0
               : kCancelled;
}

std::int32_t DoScheduleReportHtml() {
    const SettingGetter get = PluginSettingGetter();
    const std::optional<std::string> path =
        ChooseHtmlFile(nullptr, CScheduleReport::GetTitle(get), get, PluginSettingSetter());
    if (!path) return kCancelled;
    const WaitCursor wait;
    CScheduleHtmlRenderer report(PluginPlanContext());
    return TellPeriodTooWide(report, report.Render(*path));
}

std::int32_t CalendarPrintCallback(CReportDocument* document, QelDC* printer, QelDC* attributes) {
    if (document == nullptr || printer == nullptr || attributes == nullptr) return 1;
    const WaitCursor wait;
    CCalendarPrint report(PluginPlanContext(), PluginSettingSetter());
    const int result = report.Print(*document, &printer->painter(), attributes->painter().device());
    TellPeriodCut(report);
    return result;
}

std::int32_t CalendarSettingsCallback(QelWnd parent) {
    return RunCalendarSettingsDialog(parent, PluginSettingGetter(), PluginSettingSetter()) ? 0 : kCancelled;
}

std::int32_t CalendarHtmlCallback() {
    const SettingGetter get = PluginSettingGetter();
    const std::optional<std::string> path =
        ChooseHtmlFile(nullptr, CCalendarReport::GetTitle(get), get, PluginSettingSetter());
    if (!path) return kCancelled;
    const WaitCursor wait;
    CCalendarHtml report(PluginPlanContext());
    const int result = report.Render(*path);
    TellPeriodCut(report);
    return result;
}
