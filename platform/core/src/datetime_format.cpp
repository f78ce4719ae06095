#include "plat/datetime_format.h"

#include <string_view>
#include <vector>

#include "plat/utf8.h"

namespace plat {
namespace {

// A picture is a row of fields (a letter repeated count times) and literals.
struct Token {
    char letter = 0;   // 0 for a literal
    int count = 0;
    std::string literal;
};

std::vector<Token> Tokenize(std::string_view picture, std::string_view letters) {
    std::vector<Token> tokens;
    const auto addLiteral = [&](std::string_view text) {
        if (tokens.empty() || tokens.back().letter != 0) tokens.push_back(Token{});
        tokens.back().literal.append(text);
    };
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            // '' is a quote; otherwise a quoted literal up to the closing quote.
            if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                addLiteral("'");
                i += 2;
                continue;
            }
            std::string text;
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += picture[i++];
            }
            addLiteral(text);
            continue;
        }
        if (letters.find(c) != std::string_view::npos) {
            std::size_t j = i;
            while (j < picture.size() && picture[j] == c) ++j;
            tokens.push_back(Token{c, static_cast<int>(j - i), {}});
            i = j;
            continue;
        }
        addLiteral(picture.substr(i, 1));
        ++i;
    }
    return tokens;
}

void AppendNumber(std::string& out, long value, int minDigits) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0) out += '-';
    for (int n = static_cast<int>(digits.size()); n < minDigits; ++n) out += '0';
    out += digits;
}

bool IsBlank(const std::string& text) {
    return !text.empty() && text.find_first_not_of(" \t\u00a0") == std::string::npos;
}

// Drops the fields of one letter; separators: the literals before the field
// (or after it when it comes first) go with it; blanksOnly limits that to
// literals made of blanks.
void RemoveField(std::vector<Token>& tokens, char letter, bool blanksOnly) {
    for (std::size_t i = 0; i < tokens.size();) {
        if (tokens[i].letter != letter) {
            ++i;
            continue;
        }
        std::size_t first = i;
        std::size_t last = i + 1;
        const auto removable = [&](const Token& t) {
            return t.letter == 0 && (!blanksOnly || IsBlank(t.literal));
        };
        while (first > 0 && removable(tokens[first - 1])) --first;
        if (first == i && first == 0) {
            while (last < tokens.size() && removable(tokens[last])) ++last;
        }
        tokens.erase(tokens.begin() + static_cast<long>(first), tokens.begin() + static_cast<long>(last));
        i = first;
    }
}

}  // namespace

// Era fields (g, gg) print nothing: the locale data carries no era names.
std::string FormatDate(const LocaleInfo& locale, const CalendarDate& date, unsigned flags,
                       const char* picture) {
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return {};
    const std::string_view source =
        picture != nullptr ? std::string_view(picture)
        : (flags & DATE_LONGDATE) != 0 ? std::string_view(locale.longDatePicture)
                                       : std::string_view(locale.shortDatePicture);
    const std::vector<Token> tokens = Tokenize(source, "dMyg");
    bool hasDayNumber = false;
    for (const Token& t : tokens) hasDayNumber = hasDayNumber || (t.letter == 'd' && t.count <= 2);

    const int monthIndex = date.month - 1;
    const int weekday = ((date.dayOfWeek % 7) + 7) % 7;   // 0 = Sunday
    const int mondayFirst = (weekday + 6) % 7;
    const auto monthName = [&](bool abbreviated) -> const std::string& {
        const std::string& genitive = abbreviated ? locale.abbrevGenitiveMonthNames[monthIndex]
                                                  : locale.genitiveMonthNames[monthIndex];
        if (hasDayNumber && !genitive.empty()) return genitive;
        return abbreviated ? locale.abbrevMonthNames[monthIndex] : locale.monthNames[monthIndex];
    };

    std::string out;
    for (const Token& t : tokens) {
        switch (t.letter) {
        case 0: out += t.literal; break;
        case 'd':
            if (t.count <= 2) {
                AppendNumber(out, date.day, t.count);
            } else {
                out += t.count == 3 ? locale.abbrevDayNames[mondayFirst] : locale.dayNames[mondayFirst];
            }
            break;
        case 'M':
            if (t.count <= 2) {
                AppendNumber(out, date.month, t.count);
            } else {
                out += monthName(t.count == 3);
            }
            break;
        case 'y':
            if (t.count <= 2) {
                AppendNumber(out, ((date.year % 100) + 100) % 100, t.count);
            } else {
                AppendNumber(out, date.year, 4);
            }
            break;
        default: break;
        }
    }
    return out;
}

std::string FormatTime(const LocaleInfo& locale, int hour, int minute, int second, unsigned flags,
                       const char* picture) {
    if (hour < 0 || hour > 24 || minute < 0 || minute > 59 || second < 0 || second > 59) return {};
    std::vector<Token> tokens =
        Tokenize(picture != nullptr ? std::string_view(picture) : std::string_view(locale.timePicture),
                 "hHmst");
    if ((flags & TIME_FORCE24HOURFORMAT) != 0) {
        for (Token& t : tokens) {
            if (t.letter == 'h') t.letter = 'H';
        }
    }
    if ((flags & (TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT)) != 0) RemoveField(tokens, 't', true);
    if ((flags & TIME_NOMINUTESORSECONDS) != 0) RemoveField(tokens, 'm', false);
    if ((flags & (TIME_NOSECONDS | TIME_NOMINUTESORSECONDS)) != 0) RemoveField(tokens, 's', false);

    const bool morning = hour < 12 || hour == 24;
    const std::string& marker = morning ? locale.amText : locale.pmText;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    std::string out;
    for (const Token& t : tokens) {
        const int digits = t.count >= 2 ? 2 : 1;
        switch (t.letter) {
        case 0: out += t.literal; break;
        case 'H': AppendNumber(out, hour, digits); break;
        case 'h': AppendNumber(out, hour12, digits); break;
        case 'm': AppendNumber(out, minute, digits); break;
        case 's': AppendNumber(out, second, digits); break;
        case 't': out += t.count >= 2 ? std::string_view(marker) : FirstCodePoint(marker); break;
        default: break;
        }
    }
    return out;
}

std::string FormatDate(const CalendarDate& date, unsigned flags, const char* picture) {
    return FormatDate(CurrentLocale(), date, flags, picture);
}

std::string FormatTime(int hour, int minute, int second, unsigned flags, const char* picture) {
    return FormatTime(CurrentLocale(), hour, minute, second, flags, picture);
}

}  // namespace plat
