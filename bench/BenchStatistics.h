#pragma once
// Order statistics of measured times: the benchmarks report medians and high percentiles, which the odd
// run a loaded machine holds up moves less than it moves a mean.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// The value at `fraction` (0 to 1) of the sorted values, by nearest rank; 0 when there are none.
inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(values.size()));
    const std::size_t at = std::min(values.size() - 1, rank);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
    return values[at];
}

inline double Median(std::vector<double> values) {
    return Percentile(std::move(values), 0.5);
}
