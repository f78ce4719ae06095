#include "plat/locale_info.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <string_view>

#include "plat/utf8.h"

namespace plat {
namespace {

// nl_langinfo texts are in the locale's code set; the program works in UTF-8.
class TextConverter {
public:
    explicit TextConverter(const char* codeset) {
        if (codeset != nullptr && std::strcmp(codeset, "UTF-8") != 0 &&
            std::strcmp(codeset, "ANSI_X3.4-1968") != 0) {
            cd_ = iconv_open("UTF-8", codeset);
        }
    }
    ~TextConverter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    std::string operator()(const char* text) const {
        if (text == nullptr) return {};
        const std::string_view in(text);
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return ToUtf8(in);
        std::string out(in.size() * 4 + 4, '\0');
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            return ToUtf8(in);
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t cd_ = reinterpret_cast<iconv_t>(-1);
};

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

bool IsPictureLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Appends literal text of a strftime format to a picture, quoting letters.
void AppendLiteral(std::string& picture, std::string_view text) {
    std::string pending;
    for (const char c : text) {
        if (IsPictureLetter(c) || c == '\'') {
            pending += c;
            continue;
        }
        if (!pending.empty()) {
            picture += '\'';
            for (const char p : pending) picture += p == '\'' ? std::string("''") : std::string(1, p);
            picture += '\'';
            pending.clear();
        }
        picture += c;
    }
    if (!pending.empty()) {
        picture += '\'';
        for (const char p : pending) picture += p == '\'' ? std::string("''") : std::string(1, p);
        picture += '\'';
    }
}

// Expands the composite conversions of a strftime format.
std::string ExpandFormat(std::string_view format, const std::string& ampmFormat) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            out += format[i];
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && std::strchr("-_0^#EO", format[j]) != nullptr) ++j;
        if (j >= format.size()) break;
        switch (format[j]) {
        case 'D': out += "%m/%d/%y"; break;
        case 'F': out += "%Y-%m-%d"; break;
        case 'R': out += "%H:%M"; break;
        case 'T': out += "%H:%M:%S"; break;
        case 'r': out += ampmFormat.empty() ? std::string("%I:%M:%S %p") : ampmFormat; break;
        default: out.append(format.substr(i, j - i + 1)); break;
        }
        i = j;
    }
    return out;
}

struct DateFormatFacts {
    int order = 0;
    std::string separator = "/";
    std::string picture = "M/d/yyyy";
};

DateFormatFacts ParseDateFormat(std::string_view format) {
    DateFormatFacts facts;
    std::string picture;
    std::string literal;
    std::string firstSeparator;
    int fields = 0;
    int dayAt = -1, monthAt = -1, yearAt = -1;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            literal += format[i];
            continue;
        }
        std::size_t j = i + 1;
        bool unpadded = false;
        while (j < format.size() && std::strchr("-_0^#EO", format[j]) != nullptr) {
            if (format[j] == '-') unpadded = true;
            ++j;
        }
        if (j >= format.size()) break;
        const char conversion = format[j];
        i = j;
        const char* field = nullptr;
        switch (conversion) {
        case 'd': field = unpadded ? "d" : "dd"; dayAt = fields; break;
        case 'e': field = "d"; dayAt = fields; break;
        case 'm': field = unpadded ? "M" : "MM"; monthAt = fields; break;
        case 'y':
        case 'Y':
        case 'C':
            field = "yyyy";
            yearAt = fields;
            break;
        default: break;
        }
        if (field == nullptr) continue;
        if (fields == 1) firstSeparator = literal;
        AppendLiteral(picture, literal);
        literal.clear();
        picture += field;
        ++fields;
    }
    AppendLiteral(picture, literal);
    if (dayAt < 0 || monthAt < 0 || yearAt < 0) return facts;
    if (yearAt < monthAt && yearAt < dayAt) {
        facts.order = 2;
    } else if (dayAt < monthAt) {
        facts.order = 1;
    } else {
        facts.order = 0;
    }
    facts.separator = firstSeparator;
    facts.picture = picture;
    return facts;
}

struct TimeFormatFacts {
    bool hour24 = true;
    std::string separator = ":";
    std::string picture = "HH:mm:ss";
};

TimeFormatFacts ParseTimeFormat(std::string_view format) {
    TimeFormatFacts facts;
    std::string picture;
    std::string literal;
    bool sawHour = false, sawMinute = false, twelve = false, any = false;
    std::string hourMinuteSeparator;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            literal += format[i];
            continue;
        }
        std::size_t j = i + 1;
        bool unpadded = false;
        while (j < format.size() && std::strchr("-_0^#EO", format[j]) != nullptr) {
            if (format[j] == '-') unpadded = true;
            ++j;
        }
        if (j >= format.size()) break;
        const char conversion = format[j];
        i = j;
        const char* field = nullptr;
        switch (conversion) {
        case 'H': field = unpadded ? "H" : "HH"; sawHour = true; break;
        case 'k': field = "H"; sawHour = true; break;
        case 'I': field = unpadded ? "h" : "hh"; sawHour = true; twelve = true; break;
        case 'l': field = "h"; sawHour = true; twelve = true; break;
        case 'M':
            field = unpadded ? "m" : "mm";
            if (sawHour && !sawMinute) hourMinuteSeparator = literal;
            sawMinute = true;
            break;
        case 'S': field = unpadded ? "s" : "ss"; break;
        case 'p':
        case 'P':
            field = "tt";
            break;
        default: break;
        }
        if (field == nullptr) {
            literal.clear();
            continue;
        }
        AppendLiteral(picture, literal);
        literal.clear();
        picture += field;
        any = true;
    }
    AppendLiteral(picture, literal);
    if (!any || !sawHour) return facts;
    facts.hour24 = !twelve;
    if (!hourMinuteSeparator.empty()) facts.separator = hourMinuteSeparator;
    facts.picture = picture;
    return facts;
}

std::string LongDatePicture(int order, const std::string& separator) {
    switch (order) {
    case 1: return separator == "." ? "dddd, d. MMMM yyyy" : "dddd, d MMMM yyyy";
    case 2: return "yyyy MMMM d, dddd";
    default: return "dddd, MMMM d, yyyy";
    }
}

std::mutex g_localeMutex;
LocaleInfo g_systemLocale;
bool g_systemLoaded = false;
LocaleInfo g_installedLocale;
bool g_installed = false;

}  // namespace

LocaleInfo LoadSystemLocale() {
    LocaleInfo info;
    locale_t loc = duplocale(LC_GLOBAL_LOCALE);
    if (loc == static_cast<locale_t>(0)) return info;
    const TextConverter convert(nl_langinfo_l(CODESET, loc));
    const auto text = [&](nl_item item) { return convert(nl_langinfo_l(item, loc)); };

    for (int i = 0; i < 7; ++i) {
        // DAY_1 is Sunday; the lists start on Monday.
        const int glibcIndex = (i + 1) % 7;
        info.dayNames[i] = text(DAY_1 + glibcIndex);
        info.abbrevDayNames[i] = text(ABDAY_1 + glibcIndex);
    }
    for (int i = 0; i < 12; ++i) {
        info.genitiveMonthNames[i] = text(MON_1 + i);
        info.abbrevGenitiveMonthNames[i] = text(ABMON_1 + i);
        std::string nominative = text(ALTMON_1 + i);
        std::string abbrevNominative = text(_NL_ABALTMON_1 + i);
        info.monthNames[i] = nominative.empty() ? info.genitiveMonthNames[i] : nominative;
        info.abbrevMonthNames[i] =
            abbrevNominative.empty() ? info.abbrevGenitiveMonthNames[i] : abbrevNominative;
    }

    const auto firstWeekdayItem = nl_langinfo_l(_NL_TIME_FIRST_WEEKDAY, loc);
    const auto week1stItem = nl_langinfo_l(_NL_TIME_WEEK_1STDAY, loc);
    // A word-valued item comes back as the pointer value itself.
    const auto week1st = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(week1stItem));
    const int firstWeekday = firstWeekdayItem != nullptr ? firstWeekdayItem[0] : 1;
    const int base = week1st != 0 ? WeekdayOfYmd(week1st) : 0;
    const int firstSundayBased = ((base + firstWeekday - 1) % 7 + 7) % 7;
    info.firstDayOfWeek = (firstSundayBased + 6) % 7;

    const std::string ampmFormat = text(T_FMT_AMPM);
    const TimeFormatFacts time = ParseTimeFormat(ExpandFormat(text(T_FMT), ampmFormat));
    info.hour24 = time.hour24;
    info.timeSeparator = time.separator;
    info.timePicture = time.picture;
    info.amText = text(AM_STR);
    info.pmText = text(PM_STR);

    const DateFormatFacts date = ParseDateFormat(ExpandFormat(text(D_FMT), ampmFormat));
    info.dateOrder = date.order;
    info.dateSeparator = date.separator;
    info.shortDatePicture = date.picture;
    info.longDatePicture = LongDatePicture(date.order, date.separator);

    const std::string radix = text(RADIXCHAR);
    if (!radix.empty()) info.decimalSeparator = radix;
    const char* measurement = nl_langinfo_l(_NL_MEASUREMENT_MEASUREMENT, loc);
    info.metric = measurement == nullptr || measurement[0] != 2;

    freelocale(loc);
    return info;
}

const LocaleInfo& CurrentLocale() {
    std::lock_guard<std::mutex> lock(g_localeMutex);
    if (g_installed) return g_installedLocale;
    if (!g_systemLoaded) {
        g_systemLocale = LoadSystemLocale();
        g_systemLoaded = true;
    }
    return g_systemLocale;
}

void SetCurrentLocale(const LocaleInfo& locale) {
    std::lock_guard<std::mutex> lock(g_localeMutex);
    g_installedLocale = locale;
    g_installed = true;
}

void ResetCurrentLocale() {
    std::lock_guard<std::mutex> lock(g_localeMutex);
    g_installed = false;
    g_systemLoaded = false;
}

const LocaleInfo* InstalledLocale() {
    std::lock_guard<std::mutex> lock(g_localeMutex);
    return g_installed ? &g_installedLocale : nullptr;
}

}  // namespace plat
