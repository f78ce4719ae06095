#include "plat/clock.h"

#include <ctime>
#include <mutex>

namespace plat {
namespace {

std::mutex g_clockMutex;
std::function<LocalDateTime()> g_clock;

LocalDateTime SystemNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    LocalDateTime result;
    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    // A leap second reads as the last second of its minute.
    result.second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    return result;
}

}  // namespace

LocalDateTime Now() {
    std::function<LocalDateTime()> clock;
    {
        std::lock_guard<std::mutex> lock(g_clockMutex);
        clock = g_clock;
    }
    return clock ? clock() : SystemNow();
}

void SetClock(std::function<LocalDateTime()> clock) {
    std::lock_guard<std::mutex> lock(g_clockMutex);
    g_clock = std::move(clock);
}

std::function<LocalDateTime()> InstalledClock() {
    std::lock_guard<std::mutex> lock(g_clockMutex);
    return g_clock;
}

}  // namespace plat
