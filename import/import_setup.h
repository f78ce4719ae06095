#pragma once

// The import dialog's choices as plain data: the separator, the names line,
// the grid's column entries, automatic assignment, and the description file
// that keeps them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Separator index of the dialog: 0 ";", 1 ",", anything else TAB.
char SeparatorOfIndex(int index);
// A stored "ImportSeparator" outside 0..2 counts as TAB.
int NormalSeparatorIndex(int index);

// At most this many file columns are offered in the grid: a file of
// thousands of columns would make every choice list unusable.
inline constexpr std::size_t kMaxImportColumns = 1000;

// The grid's column entries: entry 0 is "no column", then one per field of
// the first line (its text with a names line, else columnLabel of its
// 1-based number).
std::vector<std::string> ImportColumnEntries(const std::vector<std::string_view>& firstLine,
                                             bool names,
                                             const std::function<std::string(int)>& columnLabel);

// For each target field without a column (or each field, unless
// skipAssigned), the first entry whose text equals the field's name without
// regard to case. assignments hold entry numbers (0 = none).
void AutoAssignColumns(const std::vector<std::string>& fieldNames,
                       const std::vector<std::string>& entries, bool skipAssigned,
                       std::vector<int>& assignments);

// What an import description file holds.
struct ImportDescription {
    std::string name;            // written, never read back
    int separatorIndex = 2;
    bool firstLineNames = false;
    std::vector<int> columns;    // 0-based file column per target field, -1 none
};

// Rewrites the two sections of path; false when the file cannot be written.
bool SaveImportDescription(const std::string& path, const ImportDescription& description);

enum class DescriptionLoad { Loaded, Unreadable, CountMismatch };
// Reads separator, names flag and field count; the values only when the
// count equals fieldCount, so a wild count allocates nothing.
DescriptionLoad LoadImportDescription(const std::string& path, int fieldCount,
                                      ImportDescription& description);

// The grid entries of the loaded columns against a file of columnCount
// columns; false (entries untouched) when a column is below -1 or beyond
// the file.
bool FitDescriptionColumns(const std::vector<int>& columns, std::size_t columnCount,
                           std::vector<int>& entries);
