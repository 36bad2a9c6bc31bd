#include "cli/console/InterruptFlag.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace {

volatile std::sig_atomic_t interrupts = 0;
const char* firstText = nullptr;
std::size_t firstLength = 0;
const char* secondText = nullptr;
std::size_t secondLength = 0;
struct sigaction previousInt {};
struct sigaction previousTerm {};

void WriteNote(const char* text, std::size_t length) {
    if (text != nullptr) (void)!::write(STDERR_FILENO, text, length);
}

// Only async-signal-safe calls here: write and _exit.
void OnInterrupt(int) {
    interrupts = interrupts + 1;
    if (interrupts == 1) {
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

CInterruptFlag::CInterruptFlag(const char* firstNote, const char* secondNote) {
    interrupts = 0;
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
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
}

bool CInterruptFlag::Raised() const {
    return interrupts != 0;
}
