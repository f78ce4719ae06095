#pragma once

// The host functions of a test program: settings in a map, named commands
// recorded, and the conflict check answered from a field.

#include <map>
#include <string>
#include <vector>

#include "plugin_api.h"

namespace fakehost {

struct ConflictCall {
    std::vector<CResource*> resources;
    std::vector<std::int32_t> startDays, startMinutes, endDays, endMinutes;
    std::vector<CBooking*> ignore;
};

struct State {
    std::map<std::string, std::string> settings;
    std::vector<std::string> commands;
    std::vector<StatusBarTexts> statusTexts;
    std::vector<ConflictCall> conflictChecks;
    std::int32_t conflictResult = BOOKING_CONFLICTS_NONE;
};

State& Host();

}  // namespace fakehost
