#include "option_keys.h"

#include "support/ini_transfer.h"

namespace {

struct OptionKey {
    const char* section;
    const char* key;
};

constexpr OptionKey kOptionKeys[] = {
    // view and file options
    {"Views", "ViewFormatDuration"},
    {"Views", "ViewScheduleNonWorkingTimeHide"},
    {"Views", "ViewScheduleNonWorkingTimeColor"},
    {"Views", "ViewFont"},
    {"Views", "ViewShowNotesOnBookings"},
    {"Views", "ViewOpenFileToday"},
    {"Views", "ViewMarkToday"},
    {"Basic", "FileOpenLast"},
    {"Basic", "CheckBookingConflicts"},
    // schedule options
    {"Views", "ViewScheduleBaseUnit"},
    {"Views", "ViewScheduleTimeBarFormatMajor"},
    {"Views", "ViewScheduleTimeBarFormatMinor"},
    // units on screen
    {"Views", "ViewScheduleUnitsOnScreen"},
};

}  // namespace

void ReadOptionSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath) {
    for (const OptionKey& k : kOptionKeys) IniToStore(get, set, k.section, k.key, iniPath);
}

void WriteOptionSettings(const SettingGetter& get, const std::string& iniPath) {
    for (const OptionKey& k : kOptionKeys) StoreToIni(get, k.section, k.key, iniPath);
}
