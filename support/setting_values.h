#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CDate;

// Every setting is a text under a key, reached through a pair of callbacks.
// The getter gives "" when nothing is stored under the key.
using SettingGetter = std::function<std::string(std::string_view key)>;
using SettingSetter = std::function<void(std::string_view key, std::string_view value)>;

// "" gives the default; "off", "false", "no", "n" (any case) and "0" are false.
bool ParseBool(std::string_view text, bool defaultValue);
// "" gives the default; otherwise leading blanks, sign and digits (0 when
// there are none), clamped to the range of int.
int ParseInt(std::string_view text, int defaultValue);
// The last ',' or '.' is the decimal separator, whatever the locale.
double ParseDouble(std::string_view text);
double ParseDoubleOr(std::string_view text, double defaultValue);
// Digits only: a raw colour value 0x00BBGGRR (clamped to 32 bits); otherwise
// the first three runs of digits are red, green and blue, each cut to its
// low 8 bits, missing runs 0.
std::uint32_t ParseColor(std::string_view text, std::uint32_t defaultValue);
// Appends the non-empty pieces between separator characters; returns the
// list's length.
std::size_t SplitList(std::string_view text, std::vector<std::string>& list,
                      std::string_view separators);

std::string GetStringSetting(const SettingGetter& get, std::string_view key,
                             std::string_view defaultValue);
bool GetBoolSetting(const SettingGetter& get, std::string_view key, bool defaultValue);
int GetIntSetting(const SettingGetter& get, std::string_view key, int defaultValue);
double GetDoubleSetting(const SettingGetter& get, std::string_view key, double defaultValue);
// The setting brought into [low, high], where arithmetic on it stays
// defined; a real number that is no number (NaN) gives the default.
int GetIntSettingIn(const SettingGetter& get, std::string_view key, int defaultValue, int low, int high);
double GetDoubleSettingIn(const SettingGetter& get, std::string_view key, double defaultValue, double low,
                          double high);
std::uint32_t GetColorSetting(const SettingGetter& get, std::string_view key,
                              std::uint32_t defaultValue);
std::size_t GetListSetting(const SettingGetter& get, std::string_view key,
                           std::vector<std::string>& list, std::string_view separators);

void SetIntSetting(const SettingSetter& set, std::string_view key, int value);
// "1" or "0".
void SetBoolSetting(const SettingSetter& set, std::string_view key, bool value);
// "yyyyMMdd"; an empty date stores "".
void SetDateSetting(const SettingSetter& set, std::string_view key, const CDate& date);
// "%f" with a '.' whatever the locale; ParseDouble reads either separator.
void SetDoubleSetting(const SettingSetter& set, std::string_view key, double value);
