#pragma once

// The report settings dialogs: thin windows over the settings values.

#include <string>

#include <QDialog>

#include "reports/report_settings_values.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QTimeEdit;
class QLineEdit;
class QSpinBox;
class QWidget;

// The controls both report dialogs share: header and title, range, footer.
struct ReportPageControls {
    QCheckBox* showHeader = nullptr;
    QLineEdit* title = nullptr;
    QCheckBox* showFooter = nullptr;
    QLineEdit* footer = nullptr;
    QButtonGroup* rangeChoice = nullptr;   // 0 visible range, 1 fixed range
    QWidget* period = nullptr;             // enabled only for the fixed range
    QDateEdit* start = nullptr;
    QDateEdit* end = nullptr;
};

class BookingListSettingsDialog : public QDialog {
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

class CalendarSettingsDialog : public QDialog {
public:
    CalendarSettingsDialog(QWidget* parent, const CalendarSettingsValues& values);
    CalendarSettingsValues Values() const;

    ReportPageControls page;
    QCheckBox* additional = nullptr;
    QButtonGroup* where = nullptr;         // 0 after every page, 1 at the end
    QCheckBox* byDay = nullptr;
    QSpinBox* weeks = nullptr;

private:
    int weeksMax_;
};

class ScheduleReportSettingsDialog : public QDialog {
public:
    ScheduleReportSettingsDialog(QWidget* parent, const ScheduleReportSettingsValues& values);
    ScheduleReportSettingsValues Values() const;
    // OK: a fixed range that does not end after its start is refused with
    // a message and the dialog stays open.
    void accept() override;

    ReportPageControls page;
    QWidget* times = nullptr;              // hidden for a day or coarser unit
    QTimeEdit* startTime = nullptr;
    QTimeEdit* endTime = nullptr;
    QSpinBox* pages = nullptr;
    QDoubleSpinBox* labelWidth = nullptr;

private:
    ScheduleReportSettingsValues loaded_;
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
