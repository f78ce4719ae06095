#pragma once

// The program's own texts for the import tests, and the texts they expect.

#include <initializer_list>
#include <string>

#include "plat/checked_format.h"
#include "plat/resource_strings.h"

namespace importtest {

class ProgramTexts {
public:
    ProgramTexts() { plat::SetResourceStringSource(QELRes_GetString); }
    ~ProgramTexts() { plat::SetResourceStringSource(nullptr); }
    ProgramTexts(const ProgramTexts&) = delete;
    ProgramTexts& operator=(const ProgramTexts&) = delete;
};

inline std::string Text(unsigned id, std::initializer_list<plat::FormatArg> args = {}) {
    return plat::FormatChecked(QELRes_GetString(id), args);
}

}  // namespace importtest
