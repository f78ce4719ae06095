#pragma once

#include <functional>

#include "plat/clock.h"

namespace testing {

// Fixes plat::Now() for the lifetime of the object, then restores the clock
// that was installed before.
class ScopedClock {
public:
    explicit ScopedClock(const plat::LocalDateTime& fixed)
        : previous_(plat::InstalledClock()) {
        plat::SetClock([fixed] { return fixed; });
    }
    explicit ScopedClock(std::function<plat::LocalDateTime()> clock)
        : previous_(plat::InstalledClock()) {
        plat::SetClock(std::move(clock));
    }
    ~ScopedClock() { plat::SetClock(previous_); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    std::function<plat::LocalDateTime()> previous_;
};

}  // namespace testing
