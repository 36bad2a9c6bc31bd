#pragma once
// The repetition of `--watch MS [--count N]`: one reading, or readings every MS milliseconds until N
// readings were taken or the user pressed Ctrl-C. Ctrl-C ends the loop between two readings (a reading
// under way finishes first), so the command returns normally and its port is released.
#include <functional>
#include <optional>

inline constexpr int WATCH_MIN_MS = 100;
inline constexpr int WATCH_MAX_MS = 500;

struct SWatch {
    std::optional<int> intervalMs;  // --watch; none for a single reading
    std::optional<int> count;       // --count; none for "until Ctrl-C"
};

// Runs `reading` as the watch asks. `reading` returns false to end the loop early (a failure). Returns
// false when a reading ended it, true when the count was reached or Ctrl-C was pressed.
bool RunWatch(const SWatch& watch, const std::function<bool()>& reading);
