#include "number_text.h"

#include <charconv>
#include <cmath>

namespace spcc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The length of the separator at the start of text, 0 when there is none.
std::size_t SeparatorAt(std::string_view text, const std::string& separator) {
    return !separator.empty() && text.substr(0, separator.size()) == separator ? separator.size() : 0;
}

// A locale that groups with a no-break space (U+00A0 or U+202F) is typed
// with the space bar too.
std::size_t GroupAt(std::string_view text, const std::string& group) {
    if (const std::size_t n = SeparatorAt(text, group)) return n;
    const bool spaceGroups = group == "\u00A0" || group == "\u202F";
    return spaceGroups && text[0] == ' ' ? 1 : 0;
}

std::string Grouped(std::string_view digits, const std::string& group) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += group;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, const NumberSeparators& separators, int decimals) {
    if (text.size() > kNumberTextMax) return std::nullopt;
    text = Trimmed(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const bool negative = i > 0 && text[0] == '-';

    std::string plain;   // the number as std::from_chars reads it
    std::size_t groupLength = 0, fractionDigits = 0;
    bool grouped = false, inFraction = false;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (rest[0] >= '0' && rest[0] <= '9') {
            if (inFraction && ++fractionDigits > std::size_t(decimals)) return std::nullopt;
            if (!inFraction) ++groupLength;
            plain += rest[0];
            ++i;
        } else if (const std::size_t n = SeparatorAt(rest, separators.decimal)) {
            if (inFraction || decimals <= 0 || groupLength == 0 || (grouped && groupLength != 3))
                return std::nullopt;
            inFraction = true;
            plain += '.';
            i += n;
        } else if (const std::size_t g = GroupAt(rest, separators.group)) {
            if (inFraction || groupLength == 0 || (grouped ? groupLength != 3 : groupLength > 3))
                return std::nullopt;
            grouped = true;
            groupLength = 0;
            i += g;
        } else {
            return std::nullopt;
        }
    }
    if (groupLength == 0 || (grouped && !inFraction && groupLength != 3) || (inFraction && fractionDigits == 0))
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return negative && value != 0 ? -value : value;
}

namespace {

std::string Compose(double value, const NumberSeparators& separators, int decimals, bool grouped, bool trim) {
    if (!std::isfinite(value)) return {};
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      decimals > 0 ? decimals : 0);
    std::string_view text(buffer, std::size_t(result.ptr - buffer));
    std::string sign;
    if (!text.empty() && text[0] == '-') {
        text.remove_prefix(1);
        // No "-0,000": a value that rounds to zero has no sign.
        if (text.find_first_not_of("0.") != std::string_view::npos) sign = "-";
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction = point != std::string_view::npos ? text.substr(point + 1) : std::string_view();
    if (trim)
        while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    std::string out = sign + (grouped ? Grouped(whole, separators.group) : std::string(whole));
    if (!fraction.empty()) out += separators.decimal + std::string(fraction);
    return out;
}

}  // namespace

std::string ShowNumber(double value, const NumberSeparators& separators, int decimals, bool grouped) {
    return Compose(value, separators, decimals, grouped, false);
}

std::string ShowLimit(double value, const NumberSeparators& separators, int decimals) {
    return Compose(value, separators, decimals, true, true);
}

std::string ExampleNumber(const NumberSeparators& separators, int decimals) {
    return decimals > 0 ? ShowNumber(1234.5, separators, 1, true) : ShowNumber(1234, separators, 0, true);
}

}  // namespace spcc
