#include "plat/ini_file.h"

#include <cerrno>

#include "plat/ascii.h"
#include "plat/files.h"
#include "plat/utf8.h"

namespace plat {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The name of a section header line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.size() < 2 || text.front() != '[') return std::nullopt;
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

bool IsQuotePair(std::string_view text) {
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

std::string Unquote(std::string_view value) {
    if (IsQuotePair(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string Quote(std::string_view value) {
    const bool padded = !value.empty() && (kBlanks.find(value.front()) != std::string_view::npos ||
                                           kBlanks.find(value.back()) != std::string_view::npos);
    if (padded || IsQuotePair(value)) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

// A line break inside a value would start a new line of the file.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

// Lines [begin, end) of a section, header excluded; begin is npos when missing.
struct Range {
    std::size_t header = std::string::npos;
    std::size_t begin = std::string::npos;
    std::size_t end = std::string::npos;
};

Range FindSection(const std::vector<std::string>& lines, std::string_view section, std::size_t from = 0) {
    Range range;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name) continue;
        if (range.begin != std::string::npos) {
            range.end = i;
            return range;
        }
        if (EqualsIgnoringAsciiCase(*name, section)) {
            range.header = i;
            range.begin = i + 1;
        }
    }
    if (range.begin != std::string::npos) range.end = lines.size();
    return range;
}

std::size_t FindKey(const std::vector<std::string>& lines, const Range& range, std::string_view key) {
    if (range.begin == std::string::npos) return std::string::npos;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const auto parsed = ParseKeyLine(lines[i]);
        if (parsed && EqualsIgnoringAsciiCase(parsed->key, key)) return i;
    }
    return std::string::npos;
}

}  // namespace

bool IniDocument::Load(const std::string& path) {
    lines_.clear();
    File file;
    const int error = file.Open(path, false);
    if (error == ENOENT) return true;
    std::string bytes;
    if (error != 0 || !file.ReadAll(bytes)) return false;
    // Editors on the original platform put a byte-order mark in front, and
    // a file written over by several of them can begin with more than one.
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::size_t start = 0;
    while (std::string_view(bytes).substr(start).starts_with(kBom)) start += kBom.size();
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back(ToUtf8(line));
        start = end + 1;
    }
    return true;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const std::size_t line = FindKey(lines_, FindSection(lines_, section), key);
    if (line == std::string::npos) return std::nullopt;
    return Unquote(ParseKeyLine(lines_[line])->value);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = OneLine(key) + "=" + Quote(OneLine(value));
    const Range range = FindSection(lines_, section);
    if (range.begin == std::string::npos) {
        lines_.push_back("[" + OneLine(section) + "]");
        lines_.push_back(text);
        return;
    }
    const std::size_t line = FindKey(lines_, range, key);
    if (line != std::string::npos) {
        lines_[line] = text;
        return;
    }
    // After the section's last non-blank line, so the blank line that
    // separates it from the next section stays in place.
    std::size_t at = range.end;
    while (at > range.begin && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<long>(at), text);
}

void IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const std::size_t line = FindKey(lines_, FindSection(lines_, section), key);
    if (line != std::string::npos) lines_.erase(lines_.begin() + static_cast<long>(line));
}

void IniDocument::RemoveSection(std::string_view section) {
    for (Range range = FindSection(lines_, section); range.begin != std::string::npos;
         range = FindSection(lines_, section, range.header)) {
        lines_.erase(lines_.begin() + static_cast<long>(range.header),
                     lines_.begin() + static_cast<long>(range.end));
    }
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        const auto name = SectionName(line);
        if (!name) continue;
        bool seen = false;
        for (const std::string& known : names) seen = seen || EqualsIgnoringAsciiCase(known, *name);
        if (!seen) names.emplace_back(*name);
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const Range range = FindSection(lines_, section);
    if (range.begin == std::string::npos) return keys;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const auto parsed = ParseKeyLine(lines_[i]);
        if (!parsed) continue;
        bool seen = false;
        for (const std::string& known : keys) seen = seen || EqualsIgnoringAsciiCase(known, parsed->key);
        if (!seen) keys.emplace_back(parsed->key);
    }
    return keys;
}

bool IniDocument::Save(const std::string& path) const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += '\n';
    }
    return WriteFileAtomic(path, bytes, nullptr);
}

std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section,
                                        std::string_view key) {
    IniDocument document;
    if (!document.Load(path)) return std::nullopt;
    return document.Get(section, key);
}

bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value) {
    IniDocument document;
    // A file that cannot be read is not overwritten with a single key.
    if (!document.Load(path)) return false;
    document.Set(section, key, value);
    return document.Save(path);
}

namespace {
Profile* g_profile = nullptr;
}  // namespace

Profile* CurrentProfile() { return g_profile; }
void SetCurrentProfile(Profile* profile) { g_profile = profile; }

}  // namespace plat
