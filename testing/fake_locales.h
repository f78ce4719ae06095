#pragma once

#include <optional>

#include "plat/locale_info.h"

// Fixed locales for tests that must not depend on the machine's settings.
namespace testing {

// 12-hour clock, week from Sunday, month-day-year with "/", "1,500.5".
plat::LocaleInfo EnglishUnitedStates();
// 24-hour clock, week from Monday, day-month-year with ".", "1.500,5".
plat::LocaleInfo GermanGermany();

// Installs a locale for the lifetime of the object, then restores what was
// installed before (or the system locale).
class ScopedLocale {
public:
    explicit ScopedLocale(const plat::LocaleInfo& locale);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    std::optional<plat::LocaleInfo> previous_;
};

}  // namespace testing
