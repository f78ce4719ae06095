#include "reports/report_period.h"

#include <string>

#include "date_setting.h"

void ReadReportPeriod(const SettingGetter& get, std::string_view prefix, CDate& first, CDate& last) {
    const CDate today = CDate::Today();
    const std::string key(prefix);
    if (GetBoolSetting(get, key + "Fixed", false)) {
        first = GetDateSetting(get, key + "FixedStart", today);
        last = GetDateSetting(get, key + "FixedEnd", today);
        return;
    }
    first = GetDateSetting(get, "ViewVisibleDateFirst", today);
    last = GetDateSetting(get, "ViewVisibleDateLast", today);
    if (GetIntSetting(get, "ViewVisibleTimeLast", 0) == 0 && first < last) last = AddDays(last, -1);
}

CDateTime BookingMoment(std::int32_t day, std::int16_t minutes) {
    CDateTime moment(CDate::FromJulianDay(day));
    if (minutes >= CTimeOfDay::kMinutesPerDay)
        moment.time = CTimeOfDay::EndOfDay();
    else
        moment.time = CTimeOfDay(minutes);
    return moment;
}
