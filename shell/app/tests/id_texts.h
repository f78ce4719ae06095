#pragma once

// Every text of the resource library as "[id] %s", so a test sees which
// message was shown and with what; installed as the text source.

#include <map>
#include <string>

#include "plat/resource_strings.h"

namespace apptest {

inline const char* IdText(unsigned id) {
    static std::map<unsigned, std::string> texts;
    auto [it, added] = texts.try_emplace(id);
    if (added) it->second = "[" + std::to_string(id) + "] %s";
    return it->second.c_str();
}

class ScopedIdTexts {
public:
    ScopedIdTexts() { plat::SetResourceStringSource(IdText); }
    ~ScopedIdTexts() { plat::SetResourceStringSource(nullptr); }
};

// The text of message id with one argument, as the test texts show it.
inline std::string Shown(unsigned id, const std::string& arg = "") {
    return "[" + std::to_string(id) + "] " + arg;
}

}  // namespace apptest
