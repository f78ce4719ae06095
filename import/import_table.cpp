#include "import/import_table.h"

#include "plat/files.h"
#include "plat/utf8.h"

void SplitImportLine(std::string_view line, std::string_view separators,
                     std::vector<std::string_view>& fields) {
    if (line.empty()) {
        fields.emplace_back();
        return;
    }
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t end = line.find_first_of(separators, pos);
        if (end == pos) {
            fields.emplace_back();
        } else {
            fields.push_back(line.substr(pos, end == std::string_view::npos ? end : end - pos));
            if (end == std::string_view::npos) break;
        }
        pos = end + 1;
    }
}

std::string DecodeImportText(std::string_view bytes) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return plat::ToUtf8(bytes);
}

void ImportTable::Assign(std::string text, char separator, bool skipFirstLine) {
    Clear();
    text_ = std::move(text);
    const std::string_view all(text_);
    const char separators[] = {separator, '\n'};
    const std::string_view separatorSet(separators, 2);
    std::size_t pos = 0;
    bool first = true;
    while (pos < all.size()) {
        std::size_t end = all.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(pos, end - pos);
        if (end < all.size() && line.ends_with('\r')) line.remove_suffix(1);
        pos = next;
        if (first && skipFirstLine) {
            first = false;
            continue;
        }
        first = false;
        lineStarts_.push_back(fields_.size());
        SplitImportLine(line, separatorSet, fields_);
    }
}

void ImportTable::Clear() {
    fields_.clear();
    lineStarts_.clear();
    text_.clear();
}

std::span<const std::string_view> ImportTable::Line(std::size_t index) const {
    const std::size_t begin = lineStarts_[index];
    const std::size_t end = index + 1 < lineStarts_.size() ? lineStarts_[index + 1] : fields_.size();
    return {fields_.data() + begin, end - begin};
}

bool ReadImportTable(const std::string& path, char separator, bool skipFirstLine,
                     ImportTable& table) {
    table.Clear();
    plat::File file;
    std::string bytes;
    if (file.Open(path, false) != 0 || !file.ReadAll(bytes)) return false;
    table.Assign(DecodeImportText(bytes), separator, skipFirstLine);
    return true;
}
