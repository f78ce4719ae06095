#pragma once

#include <cstddef>
#include <cstdint>

// One input through the import. When the first byte's top bit is clear the
// rest is a file to import: the first byte's low two bits choose the kind
// (0 and 3 bookings, 1 resources, 2 tasks), the next two the separator
// (0 ";", 1 ",", else TAB), the next one a names line; each set bit of the
// second byte leaves that target field without a column. When the top bit
// is set the rest is a description file, over which the description the
// second byte chooses is saved and loaded back. Aborts on a broken
// invariant; returns the import's result or the description's load result.
int FuzzImportInput(const uint8_t* data, std::size_t size);
