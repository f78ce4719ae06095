#pragma once

// The report settings dialogs and the export dialog: thin windows over the
// settings values, with the control library's date and time periods and
// number edits as the program's own dialogs have them.

#include <string>

#include "reports/report_settings_values.h"
#include "spctrl/sp_controls.h"
#include "ui/dialog_base.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

inline constexpr int IDC_REPORT_PERIOD = 1016;
inline constexpr int IDC_REPORT_WEEKS = 1022;
inline constexpr int IDC_REPORT_PAGES = 1030;
inline constexpr int IDC_REPORT_LABEL_WIDTH = 1031;
inline constexpr int IDC_REPORT_TIMES = 1062;

// A dialog with the period (start and end): captioned and shown in the
// program's date format when the dialog opens, read back on OK. OK refuses
// a date that is not valid, or an end before the start, while the period is
// enabled; a disabled period keeps, for such a date, the one the dialog
// opened with.
class PeriodDialog : public ui::DialogBase {
public:
    // The period control, a child of parent.
    QWidget* CreatePeriod(QWidget* parent);

    CSPDatePeriodCtrl period;
    CDate start;   // as opened, and after OK as chosen
    CDate end;

protected:
    PeriodDialog(QWidget* parent, const CDate& first, const CDate& last)
        : DialogBase(parent), start(first), end(last) {}
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
};

// The controls the report dialogs share: header and title, range, footer.
struct ReportPageControls {
    QCheckBox* showHeader = nullptr;
    QLineEdit* title = nullptr;
    QCheckBox* showFooter = nullptr;
    QLineEdit* footer = nullptr;
    QButtonGroup* rangeChoice = nullptr;   // 0 visible range, 1 fixed range; the period follows it
};

// Values(): what the dialog shows, with what the control library's controls
// show (dates, times, numbers) as OK took it.
class BookingListSettingsDialog : public PeriodDialog {
public:
    BookingListSettingsDialog(QWidget* parent, const BookingListSettingsValues& values);
    BookingListSettingsValues Values() const;

    ReportPageControls page;
    QButtonGroup* grouping = nullptr;      // 0 by resources, 1 by tasks
    QComboBox* dateFormat = nullptr;       // item data: the format code
    QButtonGroup* alignment = nullptr;     // 0 left, 1 right
    QCheckBox* notes = nullptr;
    QCheckBox* duration = nullptr;
    QCheckBox* total = nullptr;            // enabled only with the duration
};

class CalendarSettingsDialog : public PeriodDialog {
public:
    CalendarSettingsDialog(QWidget* parent, const CalendarSettingsValues& values);
    CalendarSettingsValues Values() const;

    ReportPageControls page;
    QCheckBox* additional = nullptr;
    QButtonGroup* where = nullptr;         // 0 after every page, 1 at the end
    QCheckBox* byDay = nullptr;
    CSPLongEditCtrl weeks;   // 1 to the stored maximum

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;

private:
    CalendarSettingsValues values_;   // as opened, and after OK the weeks as chosen
};

class ScheduleReportSettingsDialog : public PeriodDialog {
public:
    ScheduleReportSettingsDialog(QWidget* parent, const ScheduleReportSettingsValues& values);
    ScheduleReportSettingsValues Values() const;

    ReportPageControls page;
    CSPTimePeriodCtrl times;               // hidden for a day or coarser unit
    CSPLongEditCtrl pages;                 // 1 to the stored maximum
    CSPDoubleEditCtrl labelWidth;          // not below 0
    QLabel* unit = nullptr;                // of the label width

protected:
    // A time the control cannot read is refused while the times are in
    // use, as the period refuses a date; a disabled or hidden part keeps
    // the time the dialog opened with.
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    // A fixed range that does not end after its start is refused with a
    // message and the dialog stays open.
    void OnOK() override;

private:
    ScheduleReportSettingsValues values_;   // as opened, and after OK the times, pages and width as chosen
};

// Each edits its report's settings; true when closed with OK (the settings
// are then written).
bool RunBookingListSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set);
bool RunCalendarSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set);
// metric: the locale measures in centimetres.
bool RunScheduleReportSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set, bool metric);

// The export's choice: 0 resources, 1 tasks, 2 bookings in the range.
struct ExportChoice {
    int what = 0;
    CDate rangeStart;
    CDate rangeEnd;
    std::string fileName;
};
// OK asks for the file first; cancelling that keeps the dialog open.
bool RunExportDialog(QWidget* parent, ExportChoice& choice, const SettingGetter& get, const SettingSetter& set);
