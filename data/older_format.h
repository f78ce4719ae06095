#pragma once

#include <cstdint>
#include <string_view>

class PlanRoot;

// Reads the body of an older-format file (everything after its 40-byte
// header) into the open load transaction. Every failure is status 1,
// except a refused Add (2). textsShortened tells whether a name or text
// grew past its field when converted to UTF-8 and was cut.
int32_t ReadOlderBody(PlanRoot& root, std::string_view body, bool& textsShortened);
