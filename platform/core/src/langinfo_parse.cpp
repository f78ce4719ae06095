#include "langinfo_parse.h"

#include <cstring>
#include <functional>

namespace plat::langinfo {
namespace {

constexpr const char* kModifiers = "-_0^#EO";

bool IsPictureLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Literal text of a format as picture text: letters and quotes are quoted.
void AppendLiteral(std::string& picture, std::string_view text) {
    std::string quoted;
    const auto flush = [&] {
        if (quoted.empty()) return;
        picture += '\'' + quoted + '\'';
        quoted.clear();
    };
    for (const char c : text) {
        if (c == '\'') {
            quoted += "''";
        } else if (IsPictureLetter(c)) {
            quoted += c;
        } else {
            flush();
            picture += c;
        }
    }
    flush();
}

// Walks the conversions of a format; field() names the picture of one
// (null for a conversion the picture leaves out, together with the literal
// that joins it to the rest) and sees the literal text before it.
using FieldFn = std::function<const char*(char conversion, bool unpadded, const std::string& before)>;

std::string BuildPicture(std::string_view format, const FieldFn& field) {
    std::string picture;
    std::string literal;
    bool any = false;
    bool dropLeading = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            literal += format[i];
            continue;
        }
        std::size_t j = i + 1;
        bool unpadded = false;
        while (j < format.size() && std::strchr(kModifiers, format[j]) != nullptr && format[j] != '\0') {
            unpadded = unpadded || format[j] == '-';
            ++j;
        }
        if (j >= format.size()) break;
        i = j;
        if (format[j] == '%') {
            literal += '%';
            continue;
        }
        const char* text = field(format[j], unpadded, literal);
        if (text == nullptr) {
            literal.clear();
            dropLeading = !any;
            continue;
        }
        if (dropLeading) literal.clear();
        dropLeading = false;
        AppendLiteral(picture, literal);
        literal.clear();
        picture += text;
        any = true;
    }
    if (!dropLeading) AppendLiteral(picture, literal);
    return picture;
}

// Weekday of a date given as yyyymmdd, 0 = Sunday.
int WeekdayOfYmd(unsigned ymd) {
    int y = static_cast<int>(ymd / 10000);
    const int m = static_cast<int>(ymd / 100 % 100);
    const int d = static_cast<int>(ymd % 100);
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 1 || m > 12) return 0;
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + d) % 7;
}

}  // namespace

std::string ExpandFormat(std::string_view format, std::string_view ampmFormat) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            out += format[i];
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && std::strchr(kModifiers, format[j]) != nullptr && format[j] != '\0') ++j;
        if (j >= format.size()) break;
        switch (format[j]) {
        case 'D': out += "%m/%d/%y"; break;
        case 'F': out += "%Y-%m-%d"; break;
        case 'R': out += "%H:%M"; break;
        case 'T': out += "%H:%M:%S"; break;
        case 'r':
            // A locale whose %r refers back to itself would never end.
            out += ampmFormat.empty() || ampmFormat.find("%r") != std::string_view::npos
                       ? std::string("%I:%M:%S %p")
                       : std::string(ampmFormat);
            break;
        default: out.append(format.substr(i, j - i + 1)); break;
        }
        i = j;
    }
    return out;
}

DateFacts ParseDateFormat(std::string_view format, std::string_view ampmFormat) {
    DateFacts facts;
    int fields = 0;
    int dayAt = -1, monthAt = -1, yearAt = -1;
    std::string separator;
    const std::string picture =
        BuildPicture(ExpandFormat(format, ampmFormat), [&](char c, bool unpadded, const std::string& before) {
            const char* text = nullptr;
            switch (c) {
            case 'd': text = unpadded ? "d" : "dd"; dayAt = fields; break;
            case 'e': text = "d"; dayAt = fields; break;
            case 'm': text = unpadded ? "M" : "MM"; monthAt = fields; break;
            case 'b':
            case 'h': text = "MMM"; monthAt = fields; break;
            case 'B': text = "MMMM"; monthAt = fields; break;
            case 'a': text = "ddd"; break;
            case 'A': text = "dddd"; break;
            case 'y':
            case 'Y':
            case 'G': text = "yyyy"; yearAt = fields; break;
            default: return text;
            }
            if (fields == 1) separator = before;
            ++fields;
            return text;
        });
    if (dayAt < 0 || monthAt < 0 || yearAt < 0) return facts;
    facts.order = yearAt < monthAt && yearAt < dayAt ? 2 : dayAt < monthAt ? 1 : 0;
    facts.separator = separator;
    facts.picture = picture;
    return facts;
}

TimeFacts ParseTimeFormat(std::string_view format, std::string_view ampmFormat) {
    TimeFacts facts;
    bool sawHour = false, sawMinute = false, twelve = false;
    std::string separator;
    const std::string picture =
        BuildPicture(ExpandFormat(format, ampmFormat), [&](char c, bool unpadded, const std::string& before) {
            switch (c) {
            case 'H': sawHour = true; return unpadded ? "H" : "HH";
            case 'k': sawHour = true; return "H";
            case 'I': sawHour = twelve = true; return unpadded ? "h" : "hh";
            case 'l': sawHour = twelve = true; return "h";
            case 'M':
                if (sawHour && !sawMinute) separator = before;
                sawMinute = true;
                return unpadded ? "m" : "mm";
            case 'S': return unpadded ? "s" : "ss";
            case 'p':
            case 'P': return "tt";
            default: return static_cast<const char*>(nullptr);
            }
        });
    if (!sawHour) return facts;
    facts.hour24 = !twelve;
    if (!separator.empty()) facts.separator = separator;
    facts.picture = picture;
    return facts;
}

int FirstDayOfWeek(unsigned week1stDay, int firstWeekday) {
    const int base = week1stDay != 0 ? WeekdayOfYmd(week1stDay) : 0;
    const int sundayBased = ((base + firstWeekday - 1) % 7 + 7) % 7;
    return (sundayBased + 6) % 7;
}

std::string LongDatePicture(int order, const std::string& separator) {
    switch (order) {
    case 1: return separator == "." ? "dddd, d. MMMM yyyy" : "dddd, d MMMM yyyy";
    case 2: return "yyyy MMMM d, dddd";
    default: return "dddd, MMMM d, yyyy";
    }
}

}  // namespace plat::langinfo
