#include "date_setting.h"

CDate TextToDate(std::string_view text, const CDate& defaultDate) {
    if (text.empty()) return defaultDate;
    CDate date = defaultDate;
    date.ParseText(text);
    if (date.GetJulianDay() == CDate::kInvalid || date.IsEmpty()) return CDate::Today();
    return date;
}

CDate GetDateSetting(const SettingGetter& get, std::string_view key, const CDate& defaultDate) {
    return TextToDate(get(key), defaultDate);
}
