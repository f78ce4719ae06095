#pragma once

// The delimited text export: resources, tasks or the bookings of a range as
// lines of fields with a title line. The text is built in memory and written
// in one piece under a temporary name, so the final name never holds half a
// file.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "plan_context.h"
#include "reports/booking_list_report.h"
#include "reports/report_output.h"
#include "support/calendar_values.h"
#include "support/setting_values.h"

class CExportFile : public CReportOutput {
public:
    // Results of WriteFile.
    static constexpr int kWritten = 0;
    static constexpr int kNotWritten = 1;

    // Reads the "ReportsExport" settings; an empty value keeps the default.
    explicit CExportFile(const SettingGetter& get);

    // The title line; titles are not encoded and come before the first row.
    void AddTitle(std::string_view text);
    void AddTitle(unsigned stringId);

    // Starts a row; a field with no row yet starts one.
    void NewRow();
    void AddField(std::string_view text);
    void AddNumber(int value);
    // The locale's short date, or "yyyyMMdd" when localized dates are off.
    void AddDate(const CDate& date);
    // The locale's time, whatever the date setting.
    void AddTime(const CTimeOfDay& time);

    // Line breaks (LF, CR and CR LF) become the line feed replacement, tabs
    // the tab replacement. Without a delimiter a separator in the text
    // becomes the tab replacement too, so the columns never shift; with one
    // the text is enclosed in it and a delimiter inside is doubled, as
    // readers of quoted fields expect.
    std::string EncodeField(std::string_view text) const;

    // The file's bytes: the title line ending in CR LF, then the rows
    // separated by CR LF, with no line end after the last row.
    const std::string& Text();
    // kWritten, or kNotWritten for an empty path or a failed write; a
    // failed write shows a message unless "ReportsErrorMessage" is off.
    int WriteFile(const std::string& path);
    const std::string& LastError() const { return lastError_; }

    // Room for bytes of text, so that a large export grows its text once.
    void Reserve(std::size_t bytes);

    bool useLocalizedDate = true;
    std::string separator = "\t";
    std::string delimiter;
    std::string newlineReplacement = " ";
    std::string tabReplacement = " ";
    bool showErrors = true;

private:
    void StartBody();
    void AppendEncoded(std::string_view text);

    std::vector<std::string> titles_;
    std::string text_;
    bool bodyStarted_ = false;
    std::int64_t rows_ = 0;
    int fieldsInRow_ = 0;
    std::string lastError_;
    // Dates and times repeat across many bookings; each is formatted once.
    std::unordered_map<std::int32_t, std::string> dateTexts_;
    std::array<std::string, CTimeOfDay::kMinutesPerDay + 1> timeTexts_;
};

// The resource list (resources true) or the task list: name, group and
// description of every item in the list's order, public filter applied when
// "ViewFilterActive" is on.
class CItemListExport : public CExportFile {
public:
    CItemListExport(const SettingGetter& get, bool resources) : CExportFile(get), resources_(resources) {}
    void WriteBody(const PlanContext& context);

private:
    bool resources_;
};

// The booking list of its model's range, one row per booking: both items
// with their groups (the grouping item first), start and end, duration,
// text, flag and both colours.
class CBookingListExport : public CExportFile {
public:
    explicit CBookingListExport(const SettingGetter& get);
    // Builds the model from the context's settings and writes the rows.
    void WriteBody(const PlanContext& context);

    CBookingListReport model;
};

// What the export dialog starts with: the last choice and the range (the
// stored export range when "ReportsExportDateRangeReset" is on, else the
// view's visible range).
struct ExportChoice;
void ReadExportStart(const SettingGetter& get, ExportChoice& choice);

// Writes the chosen export to choice.fileName and stores the file and the
// choice. Bookings are listed over the dialog's range, grouped as the
// active view groups, without changing the booking list's own settings.
// Returns WriteFile's result; 0 for an unknown choice.
int ExportChosen(const PlanContext& context, const SettingSetter& set, const ExportChoice& choice);
