#include "import/import_table.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "plat/files.h"
#include "plat/utf8.h"

void SplitImportLine(std::string_view line, std::string_view separators,
                     std::vector<std::string_view>& fields) {
    if (line.empty()) {
        fields.emplace_back();
        return;
    }
    std::array<bool, 256> isSeparator{};
    for (char c : separators) isSeparator[static_cast<unsigned char>(c)] = true;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (!isSeparator[static_cast<unsigned char>(line[pos])]) continue;
        fields.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
    if (start < line.size()) fields.push_back(line.substr(start));
}

std::string DecodeImportText(std::string bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return plat::Utf16ToUtf8(std::string_view(bytes).substr(2), bytes[0] == '\xFE');
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
    // Files can be large: valid text is kept without a copy, and the
    // ASCII part before the first other byte needs no decoding.
    const auto firstHigh = std::find_if(bytes.begin(), bytes.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
    });
    const std::size_t ascii = static_cast<std::size_t>(firstHigh - bytes.begin());
    if (plat::IsValidUtf8(std::string_view(bytes).substr(ascii))) return bytes;
    return plat::Cp1252ToUtf8(bytes);
}

namespace {

// The line that starts at pos, without its line end; pos moves past it. A
// carriage return before the line feed belongs to the line end.
std::string_view NextLine(std::string_view all, std::size_t& pos) {
    std::size_t end = all.find('\n', pos);
    const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(pos, end - pos);
    if (end < all.size() && line.ends_with('\r')) line.remove_suffix(1);
    pos = next;
    return line;
}

bool ReadDecoded(const std::string& path, std::string& text) {
    plat::File file;
    std::string bytes;
    if (file.Open(path, false) != 0) return false;
    bytes.reserve(static_cast<std::size_t>(std::max<std::int64_t>(file.Size(), 0)));
    if (!file.ReadAll(bytes)) return false;
    text = DecodeImportText(std::move(bytes));
    return true;
}

}  // namespace

void ImportTable::Assign(std::string text, char separator, bool skipFirstLine) {
    Clear();
    text_ = std::move(text);
    separators_[0] = separator;
    const std::string_view all(text_);
    lines_.reserve(static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1);
    std::size_t pos = 0;
    bool first = true;
    while (pos < all.size()) {
        const std::string_view line = NextLine(all, pos);
        if (!(first && skipFirstLine)) lines_.push_back(line);
        first = false;
    }
}

void ImportTable::Clear() {
    lines_.clear();
    lines_.shrink_to_fit();
    text_.clear();
    text_.shrink_to_fit();
}

void ImportTable::GetLine(std::size_t index, std::vector<std::string_view>& fields) const {
    fields.clear();
    SplitImportLine(lines_[index], std::string_view(separators_, 2), fields);
}

bool ReadImportTable(const std::string& path, char separator, bool skipFirstLine,
                     ImportTable& table) {
    table.Clear();
    std::string text;
    if (!ReadDecoded(path, text)) return false;
    table.Assign(std::move(text), separator, skipFirstLine);
    return true;
}

bool ReadImportFirstLine(const std::string& path, std::string& line) {
    std::string text;
    if (!ReadDecoded(path, text)) return false;
    std::size_t pos = 0;
    line = NextLine(text, pos);
    return true;
}
