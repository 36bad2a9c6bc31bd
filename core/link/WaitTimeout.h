#pragma once
// A span of time as the system's waits take it (poll, the network library): whole seconds and the
// nanoseconds left over, never negative, so that a deadline already past waits not at all.
#include <time.h>

#include <algorithm>
#include <chrono>

inline timespec TimespecOf(std::chrono::nanoseconds span) {
    span = std::max(span, std::chrono::nanoseconds(0));
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(span);
    return timespec{static_cast<time_t>(seconds.count()), static_cast<long>((span - seconds).count())};
}
