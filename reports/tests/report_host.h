#pragma once

// The host functions a reports test program exports: settings in a map,
// registrations, prepared reports and "DoReport" requests recorded.

#include <map>
#include <string>
#include <vector>

#include "plugin_api.h"

namespace reporthost {

struct State {
    std::map<std::string, std::string> settings;
    std::vector<std::string> registered;      // what of QELA_Register
    std::vector<PluginReport> reports;
    int prepareCount = 0;
    std::vector<ReportRequest> reportRequests;
};

State& Host();

}  // namespace reporthost
