#include "support/time_bar_units.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UnitsOnScreen kDefaultUnitsOnScreen = {30, 30, 30, 24, 31, 13, 12, 3};
constexpr LabelCodes kDefaultMajorCodes = {0, 0, 0, 33, 3, 0, 23, 30};
constexpr LabelCodes kDefaultMinorCodes = {36, 36, 36, 35, 13, 4, 27, 0};

std::vector<std::string> ReadList(const SettingGetter& get, std::string_view key) {
    std::vector<std::string> pieces;
    GetListSetting(get, key, pieces, " ");
    if (pieces.size() > kTimeBarUnitCount) pieces.resize(kTimeBarUnitCount);
    return pieces;
}

}  // namespace

int MajorUnitOf(int unit) {
    switch (unit) {
    case 0:
    case 1:
    case 2:
        return 3;
    case 3:
        return 4;
    case 4:
    case 5:
        return 6;
    case 6:
        return 7;
    default:
        return unit;
    }
}

void GetDefaultUnitsOnScreen(UnitsOnScreen& units) {
    units = kDefaultUnitsOnScreen;
}

void GetDefaultTimeBarFormats(LabelCodes& major, LabelCodes& minor) {
    major = kDefaultMajorCodes;
    minor = kDefaultMinorCodes;
}

void LoadUnitsOnScreen(const SettingGetter& get, UnitsOnScreen& units) {
    GetDefaultUnitsOnScreen(units);
    const std::vector<std::string> pieces = ReadList(get, kUnitsOnScreenKey);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        units[i] = static_cast<std::int16_t>(std::clamp(ParseInt(pieces[i], 0), 1, 32767));
}

void LoadFormatList(const SettingGetter& get, std::string_view key, LabelCodes& codes) {
    const std::vector<std::string> pieces = ReadList(get, key);
    for (std::size_t i = 0; i < pieces.size(); ++i) codes[i] = ParseInt(pieces[i], 0);
}

void LoadTimeBarFormats(const SettingGetter& get, LabelCodes& major, LabelCodes& minor) {
    GetDefaultTimeBarFormats(major, minor);
    LoadFormatList(get, kTimeBarFormatMajorKey, major);
    LoadFormatList(get, kTimeBarFormatMinorKey, minor);
}
