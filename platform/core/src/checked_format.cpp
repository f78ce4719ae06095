#include "plat/checked_format.h"

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "plat/locale_info.h"
#include "plat/utf8.h"
#include "utf8_decode.h"

namespace plat {
namespace {

// Bounds that keep any field printable; no real text needs more.
constexpr int kMaxWidth = 256;
constexpr int kMaxPrecision = 100;

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string size;
    char conversion = 0;
};

int ReadNumber(std::string_view format, std::size_t& pos) {
    int value = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        if (value < 1000000) value = value * 10 + (format[pos] - '0');
        ++pos;
    }
    return value;
}

// Parses the specifier after a '%' at pos; false when it is not one this
// formatter knows (pos is then past what was read).
bool ParseDirective(std::string_view format, std::size_t& pos, Directive& directive) {
    while (pos < format.size() && std::strchr("-+ #0", format[pos]) != nullptr && format[pos] != '\0') {
        if (directive.flags.find(format[pos]) == std::string::npos) directive.flags += format[pos];
        ++pos;
    }
    if (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') directive.width = ReadNumber(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        directive.precision = ReadNumber(format, pos);
    }
    static const char* const kSizes[] = {"I64", "I32", "hh", "ll", "h", "l", "L", "I", "j", "z", "t", "q", "w"};
    for (const char* size : kSizes) {
        if (format.substr(pos).starts_with(size)) {
            directive.size = size;
            pos += std::strlen(size);
            break;
        }
    }
    if (pos >= format.size()) return false;
    const char conversion = format[pos];
    if (std::strchr("diuxXocsfFeEgG", conversion) == nullptr || conversion == '\0') return false;
    directive.conversion = conversion;
    ++pos;
    return true;
}

std::string NumericFormat(const Directive& directive, const char* size) {
    std::string text = "%" + directive.flags;
    if (directive.width >= 0) text += std::to_string(std::min(directive.width, kMaxWidth));
    if (directive.precision >= 0) text += "." + std::to_string(std::min(directive.precision, kMaxPrecision));
    text += size;
    text += directive.conversion;
    return text;
}

template <typename T>
std::string Print(const std::string& format, T value) {
    // Under "C" so that the locale of the moment cannot change the digits.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const locale_t previous = cLocale != static_cast<locale_t>(0) ? uselocale(cLocale) : static_cast<locale_t>(0);
    const int length = std::snprintf(nullptr, 0, format.c_str(), value);
    std::string out(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::snprintf(out.data(), out.size() + 1, format.c_str(), value);
    if (previous != static_cast<locale_t>(0)) uselocale(previous);
    return out;
}

std::int64_t ToInt(const FormatArg& arg) {
    switch (arg.kind()) {
    case FormatArg::Kind::Int: return arg.asInt();
    case FormatArg::Kind::Double: {
        const double v = arg.asDouble();
        if (std::isnan(v)) return 0;
        if (v >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
        if (v <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
        return static_cast<std::int64_t>(v);
    }
    case FormatArg::Kind::Text: break;
    }
    return 0;
}

double ToDouble(const FormatArg& arg) {
    switch (arg.kind()) {
    case FormatArg::Kind::Int: return static_cast<double>(arg.asInt());
    case FormatArg::Kind::Double: return arg.asDouble();
    case FormatArg::Kind::Text: break;
    }
    return 0;
}

std::string FormatReal(const Directive& directive, double value) {
    std::string out = Print(NumericFormat(directive, ""), value);
    const std::size_t point = out.find('.');
    if (point != std::string::npos) out.replace(point, 1, CurrentLocale().decimalSeparator);
    return out;
}

std::string FormatInteger(const Directive& directive, std::int64_t value) {
    const std::string& size = directive.size;
    const bool wide = size == "ll" || size == "I64" || size == "j" || size == "q" || size == "z" || size == "t";
    Directive checked = directive;
    // '#' has no meaning (and no defined behaviour) for decimal conversions.
    if (std::strchr("diu", directive.conversion) != nullptr) {
        const std::size_t hash = checked.flags.find('#');
        if (hash != std::string::npos) checked.flags.erase(hash, 1);
    }
    if (directive.conversion == 'd' || directive.conversion == 'i') {
        long long v = value;
        if (directive.size == "h") v = static_cast<short>(value);
        if (directive.size == "hh") v = static_cast<signed char>(value);
        return Print(NumericFormat(checked, "ll"), v);
    }
    unsigned long long v = wide ? static_cast<std::uint64_t>(value) : static_cast<std::uint32_t>(value);
    if (directive.size == "h") v = static_cast<std::uint16_t>(value);
    if (directive.size == "hh") v = static_cast<std::uint8_t>(value);
    return Print(NumericFormat(checked, "ll"), v);
}

// Text fields: precision limits bytes (cut on a character), width counts characters.
std::string FormatText(const Directive& directive, std::string_view text) {
    if (directive.precision >= 0) text = CutUtf8(text, static_cast<std::size_t>(directive.precision));
    std::size_t characters = 0;
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size(); ++characters) pos += DecodeLenient(text, pos, cp);
    const std::size_t width = directive.width > 0 ? static_cast<std::size_t>(std::min(directive.width, kMaxWidth)) : 0;
    const std::string padding(width > characters ? width - characters : 0, ' ');
    const bool left = directive.flags.find('-') != std::string::npos;
    return left ? std::string(text) + padding : padding + std::string(text);
}

std::string CharacterOf(const FormatArg& arg) {
    if (arg.kind() == FormatArg::Kind::Text) return std::string(FirstCodePoint(arg.asText()));
    const std::int64_t v = ToInt(arg);
    std::string out;
    if (v > 0 && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) AppendUtf8(out, static_cast<char32_t>(v));
    return out;
}

std::string Convert(const Directive& directive, const FormatArg& arg) {
    switch (directive.conversion) {
    case 's': {
        if (arg.kind() == FormatArg::Kind::Text) return FormatText(directive, arg.asText());
        // A number prints as a number, padded like a text.
        Directive number;
        number.conversion = arg.kind() == FormatArg::Kind::Int ? 'd' : 'g';
        Directive field = directive;
        field.precision = -1;
        return FormatText(field, arg.kind() == FormatArg::Kind::Int ? FormatInteger(number, arg.asInt())
                                                                    : FormatReal(number, arg.asDouble()));
    }
    case 'c': {
        Directive textField = directive;
        textField.precision = -1;
        return FormatText(textField, CharacterOf(arg));
    }
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
        return FormatReal(directive, ToDouble(arg));
    default:
        return FormatInteger(directive, ToInt(arg));
    }
}

}  // namespace

std::string FormatChecked(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    const FormatArg* next = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        if (percent == std::string_view::npos) {
            out.append(format.substr(i));
            break;
        }
        out.append(format.substr(i, percent - i));
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            out += '%';
            i = percent + 2;
            continue;
        }
        std::size_t pos = percent + 1;
        Directive directive;
        if (!ParseDirective(format, pos, directive)) {
            // Unknown: copied as it stands, consuming no argument.
            const std::size_t end = std::min(pos + 1, format.size());
            out.append(format.substr(percent, end - percent));
            i = end;
            continue;
        }
        if (next != args.end()) out += Convert(directive, *next++);
        i = pos;
    }
    return out;
}

}  // namespace plat
