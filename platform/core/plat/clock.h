#pragma once

#include <functional>

namespace plat {

struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// The local date and time of the system clock, unless a clock was injected.
LocalDateTime Now();
// Installs a clock (tests); an empty function restores the system clock.
void SetClock(std::function<LocalDateTime()> clock);
// The installed clock, empty when the system clock is in use.
std::function<LocalDateTime()> InstalledClock();

}  // namespace plat
