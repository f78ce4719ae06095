#include "text_split.h"

#include <algorithm>

#include "plat/utf8.h"

namespace {

// The byte offsets where the characters of text start, and text's length.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size(); pos += plat::DecodeLenient(text, pos, cp))
        starts.push_back(pos);
    starts.push_back(text.size());
    return starts;
}

char32_t CodePointAt(std::string_view text, std::size_t pos) {
    char32_t cp = 0;
    plat::DecodeLenient(text, pos, cp);
    return cp;
}

bool IsDelimiter(char32_t cp, std::string_view delimiters) {
    char32_t d;
    for (std::size_t pos = 0; pos < delimiters.size();) {
        pos += plat::DecodeLenient(delimiters, pos, d);
        if (d == cp) return true;
    }
    return false;
}

// Letters of other scripts count as letters, so words in them stay whole.
bool IsWordCharacter(char32_t cp) {
    if (cp >= 0x80) return true;
    return (cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z');
}

bool IsBlank(char32_t cp) { return cp == ' ' || cp == '\t'; }

void WrapLine(std::vector<std::string>& list, std::string_view line, int width, int lookBack) {
    const std::vector<std::size_t> starts = CharacterStarts(line);
    const int count = static_cast<int>(starts.size()) - 1;
    const auto piece = [&](int from, int to) {
        return std::string(line.substr(starts[from], starts[to] - starts[from]));
    };
    if (width < 1 || count <= width) {
        list.emplace_back(line);
        return;
    }
    lookBack = std::clamp(lookBack, 0, width);
    int p = 0;
    while (p < count) {
        if (count - p <= width) {
            list.push_back(piece(p, count));
            return;
        }
        int k = 0;
        while (k < lookBack && IsWordCharacter(CodePointAt(line, starts[p + width - 1 - k]))) ++k;
        const int length = k == lookBack ? width : width - k;
        list.push_back(piece(p, p + length));
        p += length;
        while (p < count && IsBlank(CodePointAt(line, starts[p]))) ++p;
    }
}

}  // namespace

int SplitAny(std::vector<std::string>& list, std::string_view text, std::string_view delimiters) {
    list.clear();
    char32_t cp;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = plat::DecodeLenient(text, pos, cp);
        if (IsDelimiter(cp, delimiters)) {
            list.emplace_back();
            pos += length;
            continue;
        }
        const std::size_t fieldStart = pos;
        while (pos < text.size()) {
            const std::size_t next = plat::DecodeLenient(text, pos, cp);
            if (IsDelimiter(cp, delimiters)) break;
            pos += next;
        }
        list.emplace_back(text.substr(fieldStart, pos - fieldStart));
        // The delimiter that ends a field starts no new one.
        if (pos < text.size()) pos += plat::DecodeLenient(text, pos, cp);
    }
    if (list.empty()) list.emplace_back();
    return static_cast<int>(list.size());
}

int SplitString(std::vector<std::string>& list, std::string_view text, std::string_view separator) {
    list.clear();
    if (separator.empty()) {
        list.emplace_back(text);
        return 1;
    }
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, from)) {
        list.emplace_back(text.substr(from, at - from));
        from = at + separator.size();
    }
    list.emplace_back(text.substr(from));
    return static_cast<int>(list.size());
}

int WrapText(std::vector<std::string>& list, std::string_view text, int width, int lookBack) {
    std::vector<std::string> lines;
    SplitAny(lines, text, "\n");
    list.clear();
    for (std::string_view line : lines) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        WrapLine(list, line, width, lookBack);
    }
    return static_cast<int>(list.size());
}
