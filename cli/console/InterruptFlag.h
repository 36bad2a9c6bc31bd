#pragma once
// Ctrl-C (SIGINT, and SIGTERM alike) while gwcli works on a unit: the first one raises a flag, and the
// link stops waiting once the flag's grace has passed (InterruptStopRequest), so that the command ends
// within half a second without a frame cut in two; a second one stops the program at once, after printing
// what that leaves behind. The previous handlers come back when the flag goes.
#include <chrono>
#include <optional>

#include "core/link/CommUnit.h"

class CInterruptFlag {
public:
    // `firstNote` is printed on standard error when the first Ctrl-C comes, `secondNote` when a second
    // one stops the program (exit status 130); both may be null. `grace` is how long a wait may go on
    // after the first Ctrl-C (so that a write's blocks, each answered at once, go out as a whole set), at
    // most STOP_GRACE_LIMIT.
    explicit CInterruptFlag(const char* firstNote = nullptr, const char* secondNote = nullptr,
                            std::chrono::milliseconds grace = std::chrono::milliseconds(0));
    ~CInterruptFlag();
    CInterruptFlag(const CInterruptFlag&) = delete;
    CInterruptFlag& operator=(const CInterruptFlag&) = delete;

    bool Raised() const;
};

// The longest a Ctrl-C lets a wait go on, so that gwcli still ends within half a second.
inline constexpr std::chrono::milliseconds STOP_GRACE_LIMIT{400};

// The link's stop request: there while a flag is up and Ctrl-C came, with the moment and the flag's grace.
std::optional<SStopRequest> InterruptStopRequest();

// The exit status of a command stopped by Ctrl-C, as a shell reports it.
inline constexpr int CLI_INTERRUPTED = 130;
