#pragma once

// Exported files read back by Python's csv module (read_export.py).

#include <string>
#include <vector>

#include "testing/external_tools.h"

namespace export_test {

using Records = std::vector<std::vector<std::string>>;

// The records of the file; quote "" reads without quoting. Empty when
// python3 is missing (the test then fails naming the package).
inline Records ReadByPython(const std::string& path, const std::string& separator, const std::string& quote) {
    if (!testing::HaveTool("python3", "python3")) return {};
    const testing::CommandResult run = testing::RunCommand(
        "python3 " + testing::ShellQuoted(READ_EXPORT_SCRIPT) + " " + testing::ShellQuoted(path) + " " +
        testing::ShellQuoted(separator) + " " + testing::ShellQuoted(quote));
    Records records;
    if (run.status != 0) return records;
    records.emplace_back().emplace_back();
    for (const char c : run.output) {
        if (c == '\x1e')
            records.emplace_back().emplace_back();
        else if (c == '\x1f')
            records.back().emplace_back();
        else
            records.back().back() += c;
    }
    return records;
}

}  // namespace export_test
