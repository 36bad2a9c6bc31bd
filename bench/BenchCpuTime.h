#pragma once
// Processor time of the calling thread, from getrusage: user and system time together. The simulated
// gateway serves from a thread of its own, so its time is not counted.
#include <sys/resource.h>

inline double ThreadCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
