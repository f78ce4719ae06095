#include "import/import_setup.h"

#include <algorithm>

#include "plat/collate.h"
#include "plat/ini_file.h"
#include "support/setting_values.h"

namespace {

constexpr std::string_view kDescription = "Description";
constexpr std::string_view kAssignment = "Field Assignment";

std::string ValueKey(std::size_t index) { return "Value" + std::to_string(index + 1); }

}  // namespace

char SeparatorOfIndex(int index) {
    switch (index) {
    case 0: return ';';
    case 1: return ',';
    default: return '\t';
    }
}

int NormalSeparatorIndex(int index) { return index == 0 || index == 1 ? index : 2; }

std::vector<std::string> ImportColumnEntries(const std::vector<std::string_view>& firstLine,
                                             bool names,
                                             const std::function<std::string(int)>& columnLabel) {
    std::vector<std::string> entries{std::string()};
    const std::size_t count = std::min(firstLine.size(), kMaxImportColumns);
    for (std::size_t i = 0; i < count; ++i)
        entries.push_back(names ? std::string(firstLine[i]) : columnLabel(static_cast<int>(i) + 1));
    return entries;
}

void AutoAssignColumns(const std::vector<std::string>& fieldNames,
                       const std::vector<std::string>& entries, bool skipAssigned,
                       std::vector<int>& assignments) {
    assignments.resize(fieldNames.size(), 0);
    for (std::size_t f = 0; f < fieldNames.size(); ++f) {
        if (skipAssigned && assignments[f] > 0) continue;
        for (std::size_t e = 1; e < entries.size(); ++e) {
            if (plat::CompareNoCase(entries[e], fieldNames[f]) == 0) {
                assignments[f] = static_cast<int>(e);
                break;
            }
        }
    }
}

bool SaveImportDescription(const std::string& path, const ImportDescription& description) {
    plat::IniDocument ini;
    if (!ini.Load(path)) return false;
    ini.RemoveSection(kDescription);
    ini.RemoveSection(kAssignment);
    const char separator = SeparatorOfIndex(description.separatorIndex);
    ini.Set(kDescription, "Name", description.name);
    ini.Set(kDescription, "Separator", separator == '\t' ? std::string("Tab") : std::string(1, separator));
    ini.Set(kDescription, "Fieldname in first line", description.firstLineNames ? "Yes" : "No");
    ini.Set(kDescription, "Field Count", std::to_string(description.columns.size()));
    for (std::size_t i = 0; i < description.columns.size(); ++i)
        ini.Set(kAssignment, ValueKey(i), std::to_string(description.columns[i]));
    return ini.Save(path);
}

DescriptionLoad LoadImportDescription(const std::string& path, int fieldCount,
                                      ImportDescription& description) {
    plat::IniDocument ini;
    if (!ini.Load(path)) return DescriptionLoad::Unreadable;
    const std::string separator = ini.Get(kDescription, "Separator").value_or("Tab");
    const char first = separator.empty() ? '\0' : separator.front();
    const int count = ParseInt(ini.Get(kDescription, "Field Count").value_or(""), 0);
    if (count != fieldCount) return DescriptionLoad::CountMismatch;
    description.separatorIndex = first == ';' ? 0 : first == ',' ? 1 : 2;
    description.firstLineNames = ini.Get(kDescription, "Fieldname in first line").value_or("No") == "Yes";
    description.columns.assign(static_cast<std::size_t>(count), -1);
    for (std::size_t i = 0; i < description.columns.size(); ++i)
        description.columns[i] = ParseInt(ini.Get(kAssignment, ValueKey(i)).value_or(""), -1);
    return DescriptionLoad::Loaded;
}

bool FitDescriptionColumns(const std::vector<int>& columns, std::size_t columnCount,
                           std::vector<int>& entries) {
    for (int column : columns)
        if (column < -1 || (column >= 0 && static_cast<std::size_t>(column) >= columnCount)) return false;
    entries.clear();
    for (int column : columns) entries.push_back(column + 1);
    return true;
}
