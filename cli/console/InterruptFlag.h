#pragma once
// Ctrl-C (SIGINT, and SIGTERM alike) while gwcli works on a unit: the first one only raises a flag, so
// that the exchange under way ends as a whole; a second one stops the program at once, after printing
// what that leaves behind. The previous handlers come back when the flag goes.

class CInterruptFlag {
public:
    // `firstNote` is printed on standard error when the first Ctrl-C comes, `secondNote` when a second
    // one stops the program (exit status 130); both may be null.
    explicit CInterruptFlag(const char* firstNote = nullptr, const char* secondNote = nullptr);
    ~CInterruptFlag();
    CInterruptFlag(const CInterruptFlag&) = delete;
    CInterruptFlag& operator=(const CInterruptFlag&) = delete;

    bool Raised() const;
};

// The exit status of a command stopped by Ctrl-C, as a shell reports it.
inline constexpr int CLI_INTERRUPTED = 130;
