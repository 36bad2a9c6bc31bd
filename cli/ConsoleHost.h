#pragma once
// The host of the procedures on a terminal: every message box becomes its text on standard output
// (information, questions) or standard error (warnings, errors); questions are answered from the
// command line, since running the command is the confirmation.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/InterruptFlag.h"
#include "cli/TerminalProgress.h"
#include "core/app/HostServices.h"

struct SConsoleAnswers {
    bool restart = false;           // "Is the Gateway unit reactivated?"
    bool differentNetwork = false;  // "When a different network type is set up, ..."
    // "Another Gateway unit already answers at the address ...": only a write without restart, or with
    // --force, goes on.
    bool unitAddressTaken = true;
};

class CConsoleHost : public HostServices {
public:
    CConsoleHost(SConsoleAnswers answers, std::FILE* out, std::FILE* err);

    int ShowMessageBox(std::string_view text, unsigned style) override;
    // The box as above, then each line of the detail on standard error, starting with "gwcli: ".
    int ShowMessageBoxWithDetail(std::string_view text, unsigned style, std::string_view detail) override;
    void ProcessPendingEvents() override {}
    bool PumpsEvents() const override { return false; }
    void AdvanceProgress(int step) override { progress.Advance(step); }
    void SetProgress(int value) override { progress.Set(value); }
    // The progress bar as a line on standard error, for a terminal there.
    void DrawProgress(bool onTerminal) { progress = CTerminalProgress(err, onTerminal); }

    // Prints a text the way a box of `style` is printed, without asking anything.
    void Print(std::string_view text, unsigned style);
    // gwcli's own remark on standard error, each line starting with "gwcli: ".
    void Note(std::string_view text) { PrintDetail(text); }

    // From the first Ctrl-C on, every question is answered No: the procedure ends at its next question
    // without going further (a write is not followed by a restart).
    void AnswerNoOnceInterrupted(const CInterruptFlag& flag) { interruption = &flag; }

    // A mark in the texts shown so far, for `ProblemShownSince`.
    std::size_t Mark() const { return shownProblems.size(); }
    // Whether a warning or an error was printed since the mark.
    bool ProblemShownSince(std::size_t mark) const;

private:
    int AnswerOf(std::string_view text) const;
    int AnswerAfterPrint(std::string_view text, unsigned style);
    void PrintDetail(std::string_view detail);

    SConsoleAnswers answers;
    std::FILE* out;
    std::FILE* err;
    std::vector<bool> shownProblems;
    const CInterruptFlag* interruption = nullptr;
    CTerminalProgress progress{nullptr, false};  // per text printed: whether it was a warning or an error
};

// The text as a terminal shows it cleanly: every CR LF becomes a line feed.
std::string TerminalText(std::string_view text);
