#pragma once

// Every text of the resource library as "[id] %s", so a test sees which
// message was shown and with what; installed for both text lookups.

#include <map>
#include <string>

#include "support/resource_strings.h"
#include "ui/res_strings.h"

namespace apptest {

inline const char* IdText(unsigned id) {
    static std::map<unsigned, std::string> texts;
    auto [it, added] = texts.try_emplace(id);
    if (added) it->second = "[" + std::to_string(id) + "] %s";
    return it->second.c_str();
}

class ScopedIdTexts {
public:
    ScopedIdTexts() {
        ui::SetStringSource(IdText);
        SetResourceStringSource(IdText);
    }
    ~ScopedIdTexts() {
        ui::SetStringSource(nullptr);
        SetResourceStringSource(nullptr);
    }
};

// The text of message id with one argument, as the test texts show it.
inline std::string Shown(unsigned id, const std::string& arg = "") {
    return "[" + std::to_string(id) + "] " + arg;
}

}  // namespace apptest
