#pragma once

#include <map>
#include <string>
#include <string_view>

#include "support/setting_values.h"

// A settings store for tests: a map behind the getter and setter callbacks.
class FakeSettings {
public:
    SettingGetter Getter() {
        return [this](std::string_view key) {
            const auto it = values.find(key);
            return it == values.end() ? std::string() : it->second;
        };
    }
    SettingSetter Setter() {
        return [this](std::string_view key, std::string_view value) {
            values[std::string(key)] = std::string(value);
        };
    }

    std::map<std::string, std::string, std::less<>> values;
};
