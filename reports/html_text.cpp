#include "reports/html_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "plat/utf8.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsAllowedControl(char32_t cp) {
    if (cp < 0x20) return cp == '\t' || cp == '\n' || cp == '\r';
    return !(cp >= 0x7F && cp <= 0x9F);
}

}  // namespace

std::string FormatHtmlColor(std::uint32_t colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\"#%02x%02x%02x\"", static_cast<unsigned>(colour & 0xFF),
                  static_cast<unsigned>((colour >> 8) & 0xFF), static_cast<unsigned>((colour >> 16) & 0xFF));
    return buffer;
}

bool ParseHtmlColor(std::string_view text, std::uint32_t& colour) {
    if (text.size() == 7 && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return HexValue(c) >= 0; })) return false;
    const auto pair = [&](std::size_t at) {
        return static_cast<std::uint32_t>(HexValue(text[at]) * 16 + HexValue(text[at + 1]));
    };
    colour = pair(0) | (pair(2) << 8) | (pair(4) << 16);
    return true;
}

std::string EscapeHtml(std::string_view text, bool nonBreaking, bool newlines) {
    const std::string utf8 = plat::ToUtf8(text);
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case ' ':
            if (nonBreaking)
                out += "&#160;";
            else
                out += c;
            break;
        case '\r':
            if (!(newlines && i + 1 < utf8.size() && utf8[i + 1] == '\n')) out += c;
            break;
        case '\n':
            if (newlines)
                out += "<br>";
            else
                out += c;
            break;
        default: out += c;
        }
    }
    return out;
}

std::string EscapeHtmlTitle(std::string_view text) {
    std::string out = EscapeHtml(text, false, false);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

std::string PercentEncode(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 && byte < 0x80) {
            out += c;
        } else if (c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

std::string EncodeHtmlPage(std::string_view text, bool utf8) {
    // Valid UTF-8 from here on, so every lead byte tells its sequence's length.
    const std::string valid = plat::ToUtf8(text);
    std::string out;
    out.reserve(valid.size() + valid.size() / 16);
    for (std::size_t i = 0; i < valid.size();) {
        const auto lead = static_cast<unsigned char>(valid[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(valid[i + k]) & 0x3Fu);
        if (cp == '\n') {
            out += "\r\n";
        } else if (!IsAllowedControl(cp)) {
            out += "&#65533;";
        } else if (utf8 || cp < 0x80) {
            out.append(valid, i, length);
        } else if (cp <= 0xFF) {
            out += static_cast<char>(cp);
        } else {
            out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        }
        i += length;
    }
    return out;
}

bool DeclaresUtf8(std::string_view metaLine) {
    std::string lower(metaLine);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("charset=utf-8") != std::string::npos;
}
