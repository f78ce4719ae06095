#include "plat/locale_info.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <string_view>

#include "langinfo_parse.h"
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
    // A word-valued item comes back as the pointer value itself.
    const auto week1st = static_cast<unsigned>(
        reinterpret_cast<std::uintptr_t>(nl_langinfo_l(_NL_TIME_WEEK_1STDAY, loc)));
    info.firstDayOfWeek =
        langinfo::FirstDayOfWeek(week1st, firstWeekdayItem != nullptr ? firstWeekdayItem[0] : 1);

    const std::string ampmFormat = text(T_FMT_AMPM);
    const langinfo::TimeFacts time = langinfo::ParseTimeFormat(text(T_FMT), ampmFormat);
    info.hour24 = time.hour24;
    info.timeSeparator = time.separator;
    info.timePicture = time.picture;
    info.amText = text(AM_STR);
    info.pmText = text(PM_STR);

    const langinfo::DateFacts date = langinfo::ParseDateFormat(text(D_FMT), ampmFormat);
    info.dateOrder = date.order;
    info.dateSeparator = date.separator;
    info.shortDatePicture = date.picture;
    info.longDatePicture = langinfo::LongDatePicture(date.order, date.separator);

    const std::string radix = text(RADIXCHAR);
    if (!radix.empty()) info.decimalSeparator = radix;
    info.groupSeparator = text(THOUSEP);
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
