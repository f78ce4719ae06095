#include "item_name_check.h"

#include <algorithm>

namespace {

bool Taken(const std::string& name, const std::vector<std::string>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

NameVerdict CheckItemName(const std::string& name, const std::optional<std::string>& edited,
                          const std::vector<std::string>& names, bool confirmSameName) {
    if (name.empty()) return NameVerdict::Empty;
    const bool renamed = !edited || *edited != name;
    if (confirmSameName && renamed && Taken(name, names)) return NameVerdict::AskSameName;
    return NameVerdict::Accept;
}

NameVerdict CheckGroupName(const std::string& name, const std::optional<std::string>& edited,
                           const std::vector<std::string>& names, bool allowSameGroupName) {
    if (name.empty()) return NameVerdict::Empty;
    if (allowSameGroupName || (edited && *edited == name)) return NameVerdict::Accept;
    return Taken(name, names) ? NameVerdict::SameName : NameVerdict::Accept;
}
