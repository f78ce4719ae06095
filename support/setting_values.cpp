#include "support/setting_values.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

#include "plat/ascii.h"
#include "support/calendar_values.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The "C" locale, made once, for number conversion that does not follow
// the user's settings.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

}  // namespace

bool ParseBool(std::string_view text, bool defaultValue) {
    if (text.empty()) return defaultValue;
    for (const char* word : {"off", "false", "no", "n", "0"}) {
        if (plat::EqualsIgnoringAsciiCase(text, word)) return false;
    }
    return true;
}

int ParseInt(std::string_view text, int defaultValue) {
    if (text.empty()) return defaultValue;
    const std::string copy(text);
    const long value = std::strtol(copy.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double ParseDouble(std::string_view text) {
    std::string copy(text);
    const std::size_t separator = copy.find_last_of(",.");
    if (separator != std::string::npos) copy[separator] = '.';
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

double ParseDoubleOr(std::string_view text, double defaultValue) {
    if (text.empty()) return defaultValue;
    return ParseDouble(text);
}

std::uint32_t ParseColor(std::string_view text, std::uint32_t defaultValue) {
    if (text.empty()) return defaultValue;
    bool digitsOnly = true;
    for (char c : text) digitsOnly = digitsOnly && IsDigit(c);
    if (digitsOnly) {
        std::uint64_t value = 0;
        for (char c : text) {
            value = value * 10 + static_cast<unsigned>(c - '0');
            if (value > UINT32_MAX) return UINT32_MAX;
        }
        return static_cast<std::uint32_t>(value);
    }
    std::uint32_t parts[3] = {0, 0, 0};
    int part = 0;
    std::size_t i = 0;
    while (part < 3 && i < text.size()) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        // Modulo 256 as we go: the low 8 bits of the whole run, however long.
        std::uint32_t low = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            low = (low * 10 + static_cast<unsigned>(text[i] - '0')) & 0xFFu;
        parts[part++] = low;
    }
    return parts[0] | (parts[1] << 8) | (parts[2] << 16);
}

std::size_t SplitList(std::string_view text, std::vector<std::string>& list,
                      std::string_view separators) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) list.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return list.size();
}

std::string GetStringSetting(const SettingGetter& get, std::string_view key,
                             std::string_view defaultValue) {
    std::string value = get(key);
    if (value.empty()) return std::string(defaultValue);
    return value;
}

bool GetBoolSetting(const SettingGetter& get, std::string_view key, bool defaultValue) {
    return ParseBool(get(key), defaultValue);
}

int GetIntSetting(const SettingGetter& get, std::string_view key, int defaultValue) {
    return ParseInt(get(key), defaultValue);
}

double GetDoubleSetting(const SettingGetter& get, std::string_view key, double defaultValue) {
    return ParseDoubleOr(get(key), defaultValue);
}

int GetIntSettingIn(const SettingGetter& get, std::string_view key, int defaultValue, int low, int high) {
    return std::clamp(GetIntSetting(get, key, defaultValue), low, high);
}

double GetDoubleSettingIn(const SettingGetter& get, std::string_view key, double defaultValue, double low,
                          double high) {
    const double value = GetDoubleSetting(get, key, defaultValue);
    return std::isnan(value) ? defaultValue : std::clamp(value, low, high);
}

std::uint32_t GetColorSetting(const SettingGetter& get, std::string_view key,
                              std::uint32_t defaultValue) {
    return ParseColor(get(key), defaultValue);
}

std::size_t GetListSetting(const SettingGetter& get, std::string_view key,
                           std::vector<std::string>& list, std::string_view separators) {
    return SplitList(get(key), list, separators);
}

void SetIntSetting(const SettingSetter& set, std::string_view key, int value) {
    set(key, std::to_string(value));
}

void SetBoolSetting(const SettingSetter& set, std::string_view key, bool value) {
    SetIntSetting(set, key, value ? 1 : 0);
}

void SetDateSetting(const SettingSetter& set, std::string_view key, const CDate& date) {
    set(key, date.Format(0, "yyyyMMdd"));
}

void SetDoubleSetting(const SettingSetter& set, std::string_view key, double value) {
    char buffer[512];
    const locale_t previous = uselocale(CLocale());
    std::snprintf(buffer, sizeof buffer, "%f", value);
    uselocale(previous);
    set(key, buffer);
}
