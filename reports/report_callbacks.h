#pragma once

// The reports' callbacks: each report's command and what the host's
// "DoReport" calls back (print, settings, HTML).

#include <cstdint>

#include "plugin_records.h"

// Prepares the report, settles its grouping, and for mode 1 (preview) or
// 2 (print) hands the report to the host's "DoReport". Returns 0.
std::int32_t BookingListReportCallback(std::int32_t mode);
// Fills the document for the printer: printer is the painter (QPainter)
// and attributes the device (QPaintDevice) the host prints on. 0 filled,
// 1 no document, other values the fill's failure.
std::int32_t BookingListPrintCallback(CReportDocument* document, QelDC* printer, QelDC* attributes);
// 0 accepted, 3 cancelled.
std::int32_t BookingListSettingsCallback(QelWnd parent);
// Asks for the file and writes the page; 0 written, 3 cancelled, 1 failed.
std::int32_t BookingListHtmlCallback();

// The export command: asks what to export, the range and the file, then
// writes it. 0 written or nothing chosen, 1 not written, 3 cancelled.
std::int32_t ExportCallback(std::intptr_t, std::intptr_t);

// The schedule report of the active schedule view, registered for the
// resource schedule and the task schedule alike: the rows follow the view
// that is active. Mode 1 previews, 2 prints, others do nothing; 0.
std::int32_t ResourceScheduleReportCallback(std::int32_t mode);
std::int32_t TaskScheduleReportCallback(std::int32_t mode);
std::int32_t ScheduleReportCallback(std::int32_t mode);
std::int32_t DoScheduleReportPrint(CReportDocument* document, QelDC* printer, QelDC* attributes);
std::int32_t DoScheduleReportSettings(QelWnd parent);
std::int32_t DoScheduleReportHtml();
// The calendar report: forgets the bookings per day of an earlier print,
// then as the booking list. Returns 0.
std::int32_t CalendarReportCallback(std::int32_t mode);
// Fills the document with the calendar's pages; results as for the booking list.
std::int32_t CalendarPrintCallback(CReportDocument* document, QelDC* printer, QelDC* attributes);
std::int32_t CalendarSettingsCallback(QelWnd parent);
std::int32_t CalendarHtmlCallback();
