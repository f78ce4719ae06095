#pragma once

#include <cstdint>
#include <string_view>

class PlanRoot;

// Reads the body of an older-format file (everything after its 40-byte
// header) into the open load transaction. Every failure is status 1,
// except a refused Add (2).
int32_t ReadOlderBody(PlanRoot& root, std::string_view body);
