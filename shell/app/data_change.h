#pragma once

#include <cstdint>

// What every change of the document means for the program-wide objects,
// after the main window has been brought up to date: the booking clipboard
// and the public filter drop what no longer exists (everything when the
// document was replaced), then the plugins hear of the change.
void ApplyDataChange(std::uint32_t mask);
