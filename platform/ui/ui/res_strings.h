#pragma once

// Texts of the resource library by identifier. Each deliverable links its
// own copy of this library and installs the lookup it bound at start-up.

#include <string>

#include "resource_library.h"

namespace ui {

void SetStringSource(QELResGetStringFn lookup);
// "" for an unknown id or when no lookup is installed.
std::string ResString(unsigned id);

}  // namespace ui
