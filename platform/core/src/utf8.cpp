#include "plat/utf8.h"

#include <cstring>

#include "utf8_decode.h"

namespace plat {
namespace {

// Unicode characters of the bytes 0x80 to 0x9F; the five bytes the code page
// leaves undefined map to the C1 control of the same number.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    cp = value;
    return length;
}

std::size_t DecodeLenient(std::string_view text, std::size_t pos, char32_t& cp) {
    const std::size_t length = DecodeUtf8(text, pos, cp);
    if (length > 0) return length;
    cp = Cp1252ToCodePoint(static_cast<unsigned char>(text[pos]));
    return 1;
}

bool IsValidUtf8(std::string_view bytes) {
    char32_t cp;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = DecodeUtf8(bytes, pos, cp);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string ToUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return Cp1252ToUtf8(bytes);
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    constexpr char32_t kReplacement = 0xFFFD;
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
    }
    if (i < bytes.size()) AppendUtf8(out, kReplacement);
    return out;
}

bool Utf8ToCp1252(std::string_view text, std::string& out) {
    out.clear();
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = DecodeUtf8(text, pos, cp);
        if (length == 0) return false;
        pos += length;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        bool found = false;
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] == cp) {
                out += static_cast<char>(0x80 + i);
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

std::string_view CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    // Walk whole characters (a stray byte counts as one) so that a cut can
    // never land inside a sequence, even in text that is not valid UTF-8.
    std::size_t pos = 0;
    char32_t cp;
    while (pos < text.size()) {
        const std::size_t length = DecodeLenient(text, pos, cp);
        if (pos + length > maxBytes) break;
        pos += length;
    }
    return text.substr(0, pos);
}

void CopyBounded(char* dest, std::size_t capacity, std::string_view text) {
    if (dest == nullptr || capacity == 0) return;
    const std::string_view cut = CutUtf8(text, capacity - 1);
    // An empty view may have no data pointer at all.
    if (!cut.empty()) std::memcpy(dest, cut.data(), cut.size());
    dest[cut.size()] = '\0';
}

std::string_view FirstCodePoint(std::string_view text) {
    if (text.empty()) return text;
    char32_t cp;
    return text.substr(0, DecodeLenient(text, 0, cp));
}

}  // namespace plat
