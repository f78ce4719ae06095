#include "value_text.h"

#include <QDate>
#include <QString>
#include <vector>

#include "plat/datetime_format.h"

namespace spcc {
namespace {

// The fields of a picture in order, as (letter, count); literals dropped.
std::vector<std::pair<char, int>> PictureFields(std::string_view picture, std::string_view letters) {
    std::vector<std::pair<char, int>> fields;
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            // A quoted literal (a doubled quote inside stands for one quote).
            for (++i; i < picture.size(); ++i) {
                if (picture[i] != '\'') continue;
                if (i + 1 < picture.size() && picture[i + 1] == '\'') ++i;
                else break;
            }
            ++i;
            continue;
        }
        std::size_t n = 1;
        while (i + n < picture.size() && picture[i + n] == c) ++n;
        if (letters.find(c) != std::string_view::npos) fields.emplace_back(c, int(n));
        i += n;
    }
    return fields;
}

struct TextTokens {
    std::vector<QString> numbers;
    std::vector<QString> words;   // lower case
    bool any = false;
};

TextTokens Tokens(std::string_view text) {
    TextTokens t;
    const QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (qsizetype i = 0; i < s.size();) {
        qsizetype n = 0;
        if (s[i].isDigit()) {
            while (i + n < s.size() && s[i + n].isDigit()) ++n;
            t.numbers.push_back(s.mid(i, n));
        } else if (s[i].isLetter()) {
            while (i + n < s.size() && s[i + n].isLetter()) ++n;
            t.words.push_back(s.mid(i, n).toLower());
        } else {
            if (!s[i].isSpace()) t.any = true;
            ++i;
            continue;
        }
        t.any = true;
        i += n;
    }
    return t;
}

bool StartsName(const QString& word, const std::string& name) {
    return !word.isEmpty() && QString::fromStdString(name).toLower().startsWith(word);
}

// 1..12 for a word that begins a month name, else 0.
int MonthOfWord(const plat::LocaleInfo& locale, const QString& word) {
    for (const auto* names : {&locale.monthNames, &locale.genitiveMonthNames,
                              &locale.abbrevMonthNames, &locale.abbrevGenitiveMonthNames})
        for (int m = 0; m < 12; ++m)
            if (StartsName(word, (*names)[m])) return m + 1;
    return 0;
}

bool IsDayName(const plat::LocaleInfo& locale, const QString& word) {
    for (int d = 0; d < 7; ++d)
        if (StartsName(word, locale.dayNames[d]) || StartsName(word, locale.abbrevDayNames[d]))
            return true;
    return false;
}

std::string DatePicture(const plat::LocaleInfo& locale, const std::string& picture) {
    return picture.empty() ? locale.shortDatePicture : picture;
}

}  // namespace

std::string FormatDay(const plat::LocaleInfo& locale, std::int32_t julianDay,
                      const std::string& picture) {
    if (julianDay == kEmptyDay || julianDay == kInvalidDay) return "";
    const QDate date = QDate::fromJulianDay(julianDay);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return "";
    const plat::CalendarDate cd{date.year(), date.month(), date.day(), date.dayOfWeek() % 7};
    return plat::FormatDate(locale, cd, plat::DATE_SHORTDATE,
                            picture.empty() ? nullptr : picture.c_str());
}

std::int32_t ParseDay(const plat::LocaleInfo& locale, std::string_view text,
                      const std::string& picture, int referenceYear) {
    const TextTokens t = Tokens(text);
    if (!t.any) return kEmptyDay;

    int month = 0;
    for (const QString& word : t.words) {
        if (const int m = MonthOfWord(locale, word)) {
            if (!month) month = m;
        } else if (!IsDayName(locale, word)) {
            return kInvalidDay;
        }
    }
    // The numbers fill the numeric fields in picture order; a month named
    // by a word takes no number, and a month-name field without a word does.
    int day = 0, year = 0;
    bool haveYear = false;
    std::size_t next = 0;
    for (const auto& [letter, count] : PictureFields(DatePicture(locale, picture), "dMy")) {
        if ((letter == 'd' && count > 2) || (letter == 'M' && month)) continue;
        if (next == t.numbers.size()) break;
        const QString& digits = t.numbers[next++];
        const int value = digits.size() > 6 ? -1 : digits.toInt();
        if (letter == 'd') {
            day = value;
        } else if (letter == 'M') {
            month = value;
        } else {
            year = value;
            haveYear = true;
            if (digits.size() <= 2) year += year < 50 ? 2000 : 1900;
        }
    }
    if (next < t.numbers.size()) return kInvalidDay;
    if (!haveYear) year = referenceYear;
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day)) return kInvalidDay;
    return std::int32_t(QDate(year, month, day).toJulianDay());
}

std::string FormatMinutes(const plat::LocaleInfo& locale, int minutes, const std::string& picture) {
    if (minutes < 0) return "";
    minutes %= 1440;
    if (picture.empty())
        return plat::FormatTime(locale, minutes / 60, minutes % 60, 0, plat::TIME_NOSECONDS, nullptr);
    return plat::FormatTime(locale, minutes / 60, minutes % 60, 0, 0, picture.c_str());
}

int ParseMinutes(const plat::LocaleInfo& locale, std::string_view text) {
    const TextTokens t = Tokens(text);
    if (!t.any || t.numbers.empty() || t.numbers.size() > 3) return kEmptyTime;
    int marker = 0;   // 1 before noon, 2 after
    for (const QString& word : t.words) {
        if (marker) return kEmptyTime;
        if (StartsName(word, locale.amText)) marker = 1;
        else if (StartsName(word, locale.pmText)) marker = 2;
        else return kEmptyTime;
    }
    int hour = 0, minute = 0;
    const QString& first = t.numbers[0];
    if (t.numbers.size() == 1 && (first.size() == 3 || first.size() == 4)) {
        // "830" and "0830" are 8:30.
        hour = first.left(first.size() - 2).toInt();
        minute = first.right(2).toInt();
    } else {
        if (first.size() > 2 || (t.numbers.size() > 1 && t.numbers[1].size() > 2)) return kEmptyTime;
        hour = first.toInt();
        minute = t.numbers.size() > 1 ? t.numbers[1].toInt() : 0;
    }
    if (marker) {
        if (hour < 1 || hour > 12) return kEmptyTime;
        hour = hour % 12 + (marker == 2 ? 12 : 0);
    }
    if (hour == 24 && minute == 0) hour = 0;
    if (hour > 23 || minute > 59) return kEmptyTime;
    return hour * 60 + minute;
}

}  // namespace spcc
