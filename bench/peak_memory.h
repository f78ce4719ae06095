#pragma once

// The process's peak resident memory so far, in megabytes, for the
// benchmarks' counters.

#include <sys/resource.h>

inline double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
