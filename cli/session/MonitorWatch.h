#pragma once
// Repeats a monitor reading every --watch milliseconds until --count readings are done or the user
// presses Ctrl-C; without --watch it reads once. Ctrl-C ends the run cleanly: the reading under way
// finishes, nothing more is sent, and the port is given back when the session ends.
#include <functional>
#include <optional>

// How the readings ended.
enum class EReadingsEnd {
    Done,         // every reading was taken
    Interrupted,  // Ctrl-C: a success, as the user ended the watch
    Failed,       // a reading failed and ended the loop
};

// `reading` returns false when a reading failed (its message has been printed): the loop stops then.
EReadingsEnd RunMonitorReadings(std::optional<int> watchMs, std::optional<int> count,
                                const std::function<bool()>& reading);
