#pragma once
// Repeats a monitor reading every --watch milliseconds until --count readings are done or the user
// presses Ctrl-C; without --watch it reads once. Ctrl-C ends the run cleanly: the reading under way
// finishes, nothing more is sent, and the port is given back when the session ends.
#include <functional>
#include <optional>

// `reading` returns false when a reading failed (its message has been printed): the loop stops then.
// True when every reading succeeded (an interruption by Ctrl-C counts as success).
bool RunMonitorReadings(std::optional<int> watchMs, std::optional<int> count,
                        const std::function<bool()>& reading);
