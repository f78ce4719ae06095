#include "reports/delimited_export.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "date_setting.h"
#include "plat/files.h"
#include "plat/resource_strings.h"
#include "reports/report_item_lists.h"
#include "reports/report_strings.h"
#include "reports/settings_dialogs.h"
#include "schedule_rows.h"
#include "string_ids.h"
#include "support/time_bar_labels.h"
#include "ui/prompts.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string TextSetting(const SettingGetter& get, std::string_view key, std::string_view defaultValue) {
    std::string value = get(key);
    return value.empty() ? std::string(defaultValue) : value;
}

// Red, green and blue of 0x00BBGGRR as "%i %i %i", into buffer.
std::string_view ColorText(std::uint32_t colour, std::array<char, 12>& buffer) {
    char* end = buffer.data();
    for (int shift = 0; shift <= 16; shift += 8) {
        if (shift > 0) *end++ = ' ';
        end = std::to_chars(end, buffer.data() + buffer.size(), (colour >> shift) & 0xFF).ptr;
    }
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

const char* GroupName(const CNamedRecord* group) { return group != nullptr ? group->name : ""; }

// The settings the export reads, with some of them replaced.
SettingGetter Overlaid(SettingGetter base, std::map<std::string, std::string, std::less<>> values) {
    return [base = std::move(base), values = std::move(values)](std::string_view key) {
        const auto it = values.find(key);
        return it != values.end() ? it->second : base(key);
    };
}

std::string CompactDate(const CDate& date) { return date.Format(0, "yyyyMMdd"); }

}  // namespace

CExportFile::CExportFile(const SettingGetter& get)
    : useLocalizedDate(GetBoolSetting(get, "ReportsExportUseLocalizedDate", true)),
      separator(TextSetting(get, "ReportsExportSeparator", "\t")),
      delimiter(get("ReportsExportDelimiter")),
      newlineReplacement(TextSetting(get, "ReportsExportNewlineReplacement", " ")),
      tabReplacement(TextSetting(get, "ReportsExportTabReplacement", " ")),
      showErrors(GetBoolSetting(get, "ReportsErrorMessage", true)) {}

void CExportFile::AddTitle(std::string_view text) { titles_.emplace_back(text); }

void CExportFile::AddTitle(unsigned stringId) { titles_.push_back(plat::LoadResString(stringId)); }

void CExportFile::StartBody() {
    if (bodyStarted_) return;
    bodyStarted_ = true;
    if (titles_.empty()) return;
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        if (i > 0) text_ += separator;
        text_ += titles_[i];
    }
    text_ += kLineEnd;
}

void CExportFile::NewRow() {
    StartBody();
    if (rows_ > 0) text_ += kLineEnd;
    ++rows_;
    fieldsInRow_ = 0;
}

void CExportFile::AddField(std::string_view text) {
    if (rows_ == 0) NewRow();
    if (fieldsInRow_ > 0) text_ += separator;
    ++fieldsInRow_;
    AppendEncoded(text);
}

void CExportFile::AddNumber(int value) {
    std::array<char, 12> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    AddField(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void CExportFile::Reserve(std::size_t bytes) { text_.reserve(bytes); }

void CExportFile::AddDate(const CDate& date) {
    auto [it, added] = dateTexts_.try_emplace(date.GetJulianDay());
    if (added)
        it->second = useLocalizedDate ? FormatTimeBarLabel(CDateTime(date), 4, false) : CompactDate(date);
    AddField(it->second);
}

void CExportFile::AddTime(const CTimeOfDay& time) {
    if (time.IsEmpty()) {
        AddField("");
        return;
    }
    // 0:00 to 24:00.
    const std::size_t minutes = static_cast<std::size_t>(time.GetMinutes());
    std::string& text = timeTexts_[minutes];
    if (text.empty()) text = FormatTimeBarLabel(CDateTime(CDate(), time), 33, false);
    AddField(text);
}

std::string CExportFile::EncodeField(std::string_view text) const {
    std::string out;
    out.reserve(text.size() + 2 * delimiter.size());
    out += delimiter;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += newlineReplacement;
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else if (c == '\t') {
            out += tabReplacement;
            ++i;
        } else if (delimiter.empty() && !separator.empty() && text.substr(i).starts_with(separator)) {
            out += tabReplacement;
            i += separator.size();
        } else if (!delimiter.empty() && text.substr(i).starts_with(delimiter)) {
            out += delimiter;
            out += delimiter;
            i += delimiter.size();
        } else {
            out += c;
            ++i;
        }
    }
    out += delimiter;
    return out;
}

void CExportFile::AppendEncoded(std::string_view text) {
    // Most texts hold nothing to replace; they go in as they are.
    const char separatorStart = separator.empty() ? '\t' : separator[0];
    const bool plain = delimiter.empty() && std::none_of(text.begin(), text.end(), [&](char c) {
        return c == '\r' || c == '\n' || c == '\t' || c == separatorStart;
    });
    if (plain)
        text_ += text;
    else
        text_ += EncodeField(text);
}

const std::string& CExportFile::Text() {
    StartBody();
    return text_;
}

int CExportFile::WriteFile(const std::string& path) {
    if (path.empty()) {
        lastError_ = "No file name was given.";
        return kNotWritten;
    }
    if (plat::WriteFileAtomic(path, Text(), &lastError_)) return kWritten;
    if (showErrors)
        ui::MessageBoxById(nullptr, ids::REPORT_FILE_NOT_WRITTEN, ui::MB_OK | ui::MB_ICONSTOP, {path, lastError_});
    return kNotWritten;
}

void CItemListExport::WriteBody(const PlanContext& context) {
    const unsigned firstTitle = resources_ ? kStrExportResourceName : kStrExportTaskName;
    for (unsigned id = firstTitle; id < firstTitle + 3; ++id) AddTitle(id);
    std::vector<ReportItemRow> rows;
    if (resources_)
        BuildResourceItemList(context.plan, rows);
    else
        BuildTaskItemList(context.plan, rows);
    CFilter* filter = GetBoolSetting(context.settings, "ViewFilterActive", false) ? context.publicFilter : nullptr;
    for (const ReportItemRow& row : rows) {
        if (row.item == nullptr) continue;
        auto* resource = resources_ ? static_cast<CResource*>(row.item) : nullptr;
        auto* task = resources_ ? nullptr : static_cast<CTask*>(row.item);
        if (IsExcludedByFilter(ScheduleRowItem{nullptr, resource, nullptr, task}, filter)) continue;
        NewRow();
        AddField(row.item->name);
        AddField(GroupName(row.group));
        AddField(resource != nullptr ? resource->description : task->description);
    }
}

CBookingListExport::CBookingListExport(const SettingGetter& get)
    : CExportFile(get), model(GetBoolSetting(get, "ReportsBookingListExportRestrictDateRangeForDuration", false)) {}

void CBookingListExport::WriteBody(const PlanContext& context) {
    model.BuildModel(context);
    const bool byResources = model.groupByResources;
    AddTitle(byResources ? kStrColumnResource : kStrColumnTask);
    AddTitle(byResources ? "Group Resource" : "Group Task");
    AddTitle(byResources ? kStrColumnTask : kStrColumnResource);
    AddTitle(byResources ? "Group Task" : "Group Resource");
    for (unsigned id : {kStrExportStartDate, kStrExportStartTime, kStrExportEndDate, kStrExportEndTime,
                        kStrExportDuration, kStrColumnNotes, kStrExportFlag})
        AddTitle(id);
    AddTitle("Color Text");
    AddTitle("Color Background");

    // Rows of this export run to about a hundred bytes; the text grows once.
    std::size_t rows = 0;
    for (const BookingListGroup& group : model.groups) rows += group.bookings.size();
    Reserve(rows * 128);
    std::array<char, 12> colour;
    // Bookings lie all over memory; asking for a few ahead hides the wait.
    constexpr std::size_t kAhead = 8;
    for (const BookingListGroup& group : model.groups) {
        for (std::size_t i = 0; i < group.bookings.size(); ++i) {
            if (i + kAhead < group.bookings.size()) __builtin_prefetch(group.bookings[i + kAhead].booking);
            const BookingListEntry& entry = group.bookings[i];
            const CBooking& booking = *entry.booking;
            const CNamedRecord* resource = booking.resource;
            const CNamedRecord* resourceGroup = booking.resource != nullptr ? booking.resource->group : nullptr;
            const CNamedRecord* task = booking.task;
            const CNamedRecord* taskGroup = booking.task != nullptr ? booking.task->group : nullptr;
            const CNamedRecord* first = byResources ? resource : task;
            const CNamedRecord* second = byResources ? task : resource;
            NewRow();
            AddField(first != nullptr ? first->name : "");
            AddField(GroupName(byResources ? resourceGroup : taskGroup));
            AddField(second != nullptr ? second->name : "");
            AddField(GroupName(byResources ? taskGroup : resourceGroup));
            AddDate(CDate::FromJulianDay(booking.startDay));
            AddTime(CTimeOfDay(booking.startMinutes));
            // An end at 24:00 is written as 0:00 of the next day: a 12-hour
            // clock would print 24:00 as the midnight that starts the day.
            const bool endOfDay = booking.endMinutes >= CTimeOfDay::kMinutesPerDay;
            AddDate(CDate::FromJulianDay(endOfDay ? booking.endDay + 1 : booking.endDay));
            AddTime(CTimeOfDay(endOfDay ? 0 : booking.endMinutes));
            AddField(entry.duration);
            AddField(booking.text);
            AddNumber(booking.flag);
            AddField(ColorText(booking.color1, colour));
            AddField(ColorText(booking.color2, colour));
        }
    }
}

void ReadExportStart(const SettingGetter& get, ExportChoice& choice) {
    const CDate today = CDate::Today();
    CDate first = GetDateSetting(get, "ViewVisibleDateFirst", today);
    CDate last = GetDateSetting(get, "ViewVisibleDateLast", today);
    if (GetIntSetting(get, "ViewVisibleTimeLast", 0) == 0 && first < last) last = AddDays(last, -1);
    if (GetBoolSetting(get, "ReportsExportDateRangeReset", false)) {
        first = GetDateSetting(get, "ReportsExportDateRangeStart", first);
        last = GetDateSetting(get, "ReportsExportDateRangeEnd", last);
    }
    choice.rangeStart = first;
    choice.rangeEnd = last;
    choice.what = GetIntSetting(get, "ReportsExportSelectionLast", 0);
}

int ExportChosen(const PlanContext& context, const SettingSetter& set, const ExportChoice& choice) {
    set("ReportsExportFilename", choice.fileName);
    SetIntSetting(set, "ReportsExportSelectionLast", choice.what);
    if (choice.what == 0 || choice.what == 1) {
        CItemListExport list(context.settings, choice.what == 0);
        list.WriteBody(context);
        return list.WriteFile(choice.fileName);
    }
    if (choice.what != 2) return 0;
    // The dialog's range and the active view's grouping hold for this run
    // only; the booking list keeps its own settings.
    PlanContext run = context;
    run.settings = Overlaid(context.settings,
                            {{"ReportsBookingListDateRangeFixed", "1"},
                             {"ReportsBookingListDateRangeFixedStart", CompactDate(choice.rangeStart)},
                             {"ReportsBookingListDateRangeFixedEnd", CompactDate(choice.rangeEnd)},
                             {"ReportsBookingListGroupByResources",
                              GetIntSetting(context.settings, "ViewActive", -1) != 1 ? "1" : "0"}});
    CBookingListExport bookings(run.settings);
    bookings.WriteBody(run);
    return bookings.WriteFile(choice.fileName);
}
