#pragma once

#include <string>

#include "resource_library.h"

// The texts of the resource library by identifier. Each deliverable links
// its own copy of this library and installs the module it got (the dlopen
// handle of the resource library); without one every text is "" and callers
// fall back to their own defaults.

namespace plat {

void SetResourceModule(void* module);
void* GetResourceModule();

// Tests: a string source that replaces every module lookup; null removes it.
void SetResourceStringSource(QELResGetStringFn source);

// The text of a string of the installed module ("" when there is none).
std::string LoadResString(unsigned id);
// The same from a given module.
std::string LoadResString(void* module, unsigned id);

// A command's text is "status prompt\nName": the name, as menus show it
// (the whole text when it has no prompt).
std::string CommandNameOf(const std::string& commandText);

}  // namespace plat
