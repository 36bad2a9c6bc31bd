#include "cli/console/InterruptFlag.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>

namespace {

volatile std::sig_atomic_t interrupts = 0;
std::atomic<bool> flagUp{false};
std::atomic<long long> firstInterruptNs{0};  // CLOCK_MONOTONIC of the first Ctrl-C
std::chrono::milliseconds stopGrace{0};
static_assert(std::atomic<long long>::is_always_lock_free, "the signal handler stores the time");

long long MonotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);  // async-signal-safe
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}
const char* firstText = nullptr;
std::size_t firstLength = 0;
const char* secondText = nullptr;
std::size_t secondLength = 0;
struct sigaction previousInt {};
struct sigaction previousTerm {};

void WriteNote(const char* text, std::size_t length) {
    if (text != nullptr) (void)!::write(STDERR_FILENO, text, length);
}

// Only async-signal-safe calls here: clock_gettime, write and _exit.
void OnInterrupt(int) {
    interrupts = interrupts + 1;
    if (interrupts == 1) {
        firstInterruptNs.store(MonotonicNs());
        WriteNote(firstText, firstLength);
        return;
    }
    WriteNote(secondText, secondLength);
    ::_exit(CLI_INTERRUPTED);
}

std::size_t LengthOf(const char* text) {
    return text == nullptr ? 0 : std::strlen(text);
}

}  // namespace

CInterruptFlag::CInterruptFlag(const char* firstNote, const char* secondNote, std::chrono::milliseconds grace) {
    interrupts = 0;
    stopGrace = std::min(grace, STOP_GRACE_LIMIT);
    flagUp = true;
    firstText = firstNote;
    firstLength = LengthOf(firstNote);
    secondText = secondNote;
    secondLength = LengthOf(secondNote);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
}

CInterruptFlag::~CInterruptFlag() {
    flagUp = false;
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
}

bool CInterruptFlag::Raised() const {
    return interrupts != 0;
}

// The steady clock runs on CLOCK_MONOTONIC, as the handler's time stamp does.
std::optional<SStopRequest> InterruptStopRequest() {
    if (!flagUp || interrupts == 0) return std::nullopt;
    const std::chrono::steady_clock::time_point at{std::chrono::nanoseconds(firstInterruptNs.load())};
    return SStopRequest{at, stopGrace};
}
