#pragma once

#include <string>

// One entry of a module's version block ("ProductName", "ProductVersion",
// ...); an empty name gives the first translation as eight upper-case hex
// digits, language first ("040904B0"). "" when the module has no block or
// the entry is missing. A null module means the running program.
std::string GetVersionInfoString(const std::string& name, void* module);
