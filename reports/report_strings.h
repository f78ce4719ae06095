#pragma once

// Identifiers of the reports plugin's texts in the resource library; those
// that take arguments are in string_ids.h.

inline constexpr unsigned kStrPeriodReversed = 403;
inline constexpr unsigned kStrDateStart = 14000;
inline constexpr unsigned kStrDateEnd = 14001;
inline constexpr unsigned kStrTimeStart = 14010;
inline constexpr unsigned kStrTimeEnd = 14011;
inline constexpr unsigned kStrDateMissing = 14062;
inline constexpr unsigned kStrTimeMissing = 14063;
inline constexpr unsigned kStrReportsDescription = 25000;
inline constexpr unsigned kStrBookingListTitle = 26000;
inline constexpr unsigned kStrColumnResource = 26050;
inline constexpr unsigned kStrColumnTask = 26051;
inline constexpr unsigned kStrColumnNotes = 26052;
inline constexpr unsigned kStrColumnStart = 26053;
inline constexpr unsigned kStrColumnEnd = 26054;
inline constexpr unsigned kStrColumnDuration = 26055;
inline constexpr unsigned kStrTotal = 26056;
inline constexpr unsigned kStrExportDuration = 26057;
inline constexpr unsigned kStrExportStartDate = 26058;
inline constexpr unsigned kStrExportEndDate = 26059;
inline constexpr unsigned kStrExportStartTime = 26060;
inline constexpr unsigned kStrExportEndTime = 26061;
inline constexpr unsigned kStrExportFlag = 26062;
inline constexpr unsigned kStrCalendarTitle = 26200;
inline constexpr unsigned kStrCalendarAdditional = 26300;
inline constexpr unsigned kStrCalendarAdditionalDay = 26301;
inline constexpr unsigned kStrCalendarAdditionalResource = 26302;
inline constexpr unsigned kStrCalendarAdditionalTask = 26303;
inline constexpr unsigned kStrCalendarAdditionalStart = 26304;
inline constexpr unsigned kStrCalendarAdditionalEnd = 26305;
inline constexpr unsigned kStrScheduleTitle = 26500;
inline constexpr unsigned kStrUnitCentimetres = 26520;
inline constexpr unsigned kStrUnitInches = 26521;
inline constexpr unsigned kStrScheduleHeaderResources = 26550;
inline constexpr unsigned kStrScheduleHeaderTasks = 26551;
inline constexpr unsigned kStrExportResourceName = 26600;   // then group and description
inline constexpr unsigned kStrExportTaskName = 26620;       // the same for tasks
inline constexpr unsigned kStrContinued = 27060;
inline constexpr unsigned kStrHtmlExtension = 27500;
inline constexpr unsigned kStrHtmlFilter = 27501;
inline constexpr unsigned kStrHtmlSaveTitle = 27502;
inline constexpr unsigned kStrHtmlDefaultName = 27503;
inline constexpr unsigned kStrExportExtension = 27550;
inline constexpr unsigned kStrExportFilter = 27551;
inline constexpr unsigned kStrExportSaveTitle = 27552;
inline constexpr unsigned kStrExportDefaultName = 27553;
