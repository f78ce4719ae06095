#pragma once

// Settings, texts and clock for report tests.

#include <map>
#include <string>

#include "plat/resource_strings.h"
#include "resource_library.h"
#include "support/setting_values.h"
#include "testing/scoped_clock.h"

namespace reports_test {

// Settings held in a map; a missing key reads as "".
class Settings {
public:
    Settings() = default;
    Settings(std::initializer_list<std::pair<const std::string, std::string>> values) : values_(values) {}
    void Set(const std::string& key, std::string value) { values_[key] = std::move(value); }
    SettingGetter Getter() const {
        return [this](std::string_view key) {
            const auto it = values_.find(std::string(key));
            return it == values_.end() ? std::string() : it->second;
        };
    }

private:
    std::map<std::string, std::string> values_;
};

// The program's own texts and a fixed moment (5 March 2024, 14:30) while
// the object lives.
class ReportEnvironment {
public:
    ReportEnvironment() { plat::SetResourceStringSource(QELRes_GetString); }
    ~ReportEnvironment() { plat::SetResourceStringSource(nullptr); }
    ReportEnvironment(const ReportEnvironment&) = delete;
    ReportEnvironment& operator=(const ReportEnvironment&) = delete;

private:
    ::testing::ScopedClock clock_{plat::LocalDateTime{2024, 3, 5, 14, 30, 0}};
};

}  // namespace reports_test
