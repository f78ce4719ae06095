#pragma once

// The OK checks of the resource, task and group dialogs over plain data.
// Names compare byte for byte: names that differ in letter case differ.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

inline constexpr std::size_t kItemNameMaxBytes = 99;
inline constexpr std::size_t kItemNotesMaxBytes = 199;

enum class NameVerdict {
    Accept,
    Empty,        // refused
    AskSameName,  // an item of this name exists: ask whether to go on
    SameName,     // a group of this name exists: refused
};

// edited: the edited record's name, none for a new record. names: every
// record of the kind, in collection order.
NameVerdict CheckItemName(const std::string& name, const std::optional<std::string>& edited,
                          const std::vector<std::string>& names, bool confirmSameName);
NameVerdict CheckGroupName(const std::string& name, const std::optional<std::string>& edited,
                           const std::vector<std::string>& names, bool allowSameGroupName);
