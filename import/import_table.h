#pragma once

// The lines of a delimited text file split into fields. There is no
// quoting: every separator character splits.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Appends the fields of one line: a separator character ends a field, so
// consecutive separators give an empty field and a leading one an empty
// first field; a trailing separator adds no field; an empty line gives one
// empty field.
void SplitImportLine(std::string_view line, std::string_view separators,
                     std::vector<std::string_view>& fields);

// File bytes as UTF-8: a UTF-8 byte-order mark is dropped; UTF-16 with its
// byte-order mark is converted; other bytes that are not valid UTF-8 are
// read as Windows-1252.
std::string DecodeImportText(std::string bytes);

class ImportTable {
public:
    ImportTable() = default;
    // The fields point into the table's own text.
    ImportTable(const ImportTable&) = delete;
    ImportTable& operator=(const ImportTable&) = delete;

    // Splits decoded text into lines at each line feed (a carriage return
    // before it belongs to the line end; a final line feed ends the last
    // line) and each line at separator; skipFirstLine drops a line of
    // field names.
    void Assign(std::string text, char separator, bool skipFirstLine);
    void Clear();

    std::size_t LineCount() const { return lines_.size(); }
    // The fields of a line, split when asked (large files would need
    // several times their size to hold every field at once).
    void GetLine(std::size_t index, std::vector<std::string_view>& fields) const;

private:
    std::string text_;
    std::vector<std::string_view> lines_;   // without their line ends
    char separators_[2] = {'\t', '\n'};
};

// Reads and decodes a whole file into the table; false when it cannot be
// read (the table is then empty).
bool ReadImportTable(const std::string& path, char separator, bool skipFirstLine,
                     ImportTable& table);

// The first line of a file as the table reads it: decoded first (a UTF-16
// line feed is two bytes), without its line end; false when the file
// cannot be read.
bool ReadImportFirstLine(const std::string& path, std::string& line);
