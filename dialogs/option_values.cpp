#include "option_values.h"

#include <algorithm>

namespace {

constexpr const char* kHideKey = "ViewScheduleNonWorkingTimeHide";

std::string Bool(bool value) { return value ? "1" : "0"; }

}  // namespace

ViewOptions LoadViewOptions(const SettingGetter& get, const std::string& defaultFont) {
    ViewOptions o;
    o.durationStyle = GetIntSetting(get, "ViewFormatDuration", 4);
    o.showNonWorkingTime = !GetBoolSetting(get, kHideKey, false);
    o.nonWorkingColor = ParseColor(get("ViewScheduleNonWorkingTimeColor"), 0xD4D4D4);
    o.fileOpenLast = GetBoolSetting(get, "FileOpenLast", true);
    o.showNotesOnBookings = GetBoolSetting(get, "ViewShowNotesOnBookings", false);
    o.openFileToday = GetBoolSetting(get, "ViewOpenFileToday", true);
    o.checkBookingConflicts = GetBoolSetting(get, "CheckBookingConflicts", false);
    o.markToday = GetBoolSetting(get, "ViewMarkToday", true);
    o.font = GetStringSetting(get, "ViewFont", defaultFont);
    return o;
}

void SaveViewOptions(const ViewOptions& o, const SettingSetter& set) {
    set("ViewFormatDuration", std::to_string(o.durationStyle));
    set(kHideKey, Bool(!o.showNonWorkingTime));
    // The raw 0x00BBGGRR value in decimal, which the colour reader takes back.
    set("ViewScheduleNonWorkingTimeColor", std::to_string(o.nonWorkingColor & 0xFFFFFF));
    set("FileOpenLast", Bool(o.fileOpenLast));
    set("ViewShowNotesOnBookings", Bool(o.showNotesOnBookings));
    set("ViewOpenFileToday", Bool(o.openFileToday));
    set("CheckBookingConflicts", Bool(o.checkBookingConflicts));
    set("ViewMarkToday", Bool(o.markToday));
    set("ViewFont", o.font);
}

ScheduleOptions LoadScheduleOptions(const SettingGetter& get) {
    ScheduleOptions o;
    o.baseUnit = GetIntSetting(get, "ViewScheduleBaseUnit", 4);
    LoadTimeBarFormats(get, o.major, o.minor);
    o.weekNumbers = GetBoolSetting(get, "ViewScheduleFormatEnableWeekNumber", false);
    return o;
}

void SaveScheduleOptions(const ScheduleOptions& o, const SettingSetter& set) {
    set("ViewScheduleBaseUnit", std::to_string(o.baseUnit));
    set(kTimeBarFormatMajorKey, JoinNumbers(o.major));
    set(kTimeBarFormatMinorKey, JoinNumbers(o.minor));
}

std::vector<int> AllowedLabelCodes(int unit, bool weekNumbers) {
    static const std::vector<int> kDayCodes = {7, 8, 9, 10, 11, 4, 12, 13, 17, 18, 3, 19, 20, 21};
    switch (unit) {
    case 0:
    case 1:
    case 2: return {33, 36};
    case 3: return {2, 31, 32, 33, 35};
    case 4: {
        std::vector<int> codes = kDayCodes;
        codes.insert(codes.end(), {14, 15, 16});
        return codes;
    }
    case 5: {
        std::vector<int> codes = kDayCodes;
        if (weekNumbers) codes.insert(codes.end(), {37, 38});
        return codes;
    }
    case 6: return {23, 24, 25, 26, 27, 28};
    case 7: return {30, 29};
    default: return {};
    }
}

int LabelCodeIndex(const std::vector<int>& codes, int stored) {
    const auto it = std::find(codes.begin(), codes.end(), stored);
    return it == codes.end() ? 0 : int(it - codes.begin());
}

int UnitsOnScreenUnit(const SettingGetter& get) {
    const int unit = GetIntSetting(get, "ViewScheduleBaseUnit", 4);
    return unit >= 0 && unit < kTimeBarUnitCount ? unit : 4;
}

int UnitsOnScreenMax(const SettingGetter& get) {
    return std::clamp(GetIntSetting(get, "ViewScheduleUnitsOnScreenMax", 100), 1, 32767);
}
