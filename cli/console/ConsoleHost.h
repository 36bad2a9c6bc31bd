#pragma once
// The host of the procedures on a terminal: every message box becomes its text on standard output
// (information, questions) or standard error (warnings, errors); questions are answered from the
// command line, since running the command is the confirmation.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/console/ExchangeRecorder.h"
#include "cli/console/InterruptFlag.h"
#include "cli/console/TerminalProgress.h"
#include "core/link/CommUnit.h"
#include "core/app/HostServices.h"

struct SConsoleAnswers {
    bool restart = false;           // "Is the Gateway unit reactivated?"
    bool differentNetwork = false;  // "When a different network type is set up, ..."
    // "Another Gateway unit already answers at the address ...": only a write without restart, or with
    // --force, goes on.
    bool unitAddressTaken = true;
};

// The failure a command ended with, as its JSON error document gives it: the first warning or error
// printed (a box's text, or gwcli's own reason), and every line printed on standard error after it.
struct SCliFailure {
    std::string message;
    std::vector<std::string> details;
    std::string verdict;  // the connection check's keyword when the cause is known, else empty
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
    // The operation's own failure text ("Data read failure", ...) that gwcli prints in place of the
    // transaction's "Transmitting the parameter to the Gateway unit failed." when a request of a read
    // or a monitor could not be sent (the detail lines below it say why).
    void NameFailedSendAs(std::string_view operationText) { failedSendText = operationText; }
    // A reply wait that is taking long, in the progress line: whom it waits for and for how long at most;
    // null clears the line when the wait has ended.
    void ShowLongWait(const SLongWait* wait);

    // Prints a text the way a box of `style` is printed, without asking anything.
    void Print(std::string_view text, unsigned style);
    // gwcli's own remark on standard error, each line starting with "gwcli: ".
    void Note(std::string_view text) { PrintDetail(text); }
    // gwcli's own reason for refusing or failing, printed as a remark; it is the failure's message
    // unless a box came before it.
    void Refuse(std::string_view reason);
    // A box of a failure, its detail lines after it, and the verdict its cause amounts to.
    void ShowFailure(std::string_view text, std::string_view detail, std::string_view verdict);

    // The exchanges on the line, for failures that explain themselves.
    CExchangeRecorder& Exchanges() { return exchanges; }
    // The failure printed first, with what followed it; nothing when no warning or error was printed.
    const std::optional<SCliFailure>& Failure() const { return failure; }

    // A mark in the texts shown so far, for `ProblemShownSince`.
    std::size_t Mark() const { return shownTexts.size(); }
    // Whether a warning or an error was printed since the mark.
    bool ProblemShownSince(std::size_t mark) const;
    // The warnings and errors printed since the mark, in order.
    std::vector<std::string> ProblemsSince(std::size_t mark) const;

private:
    friend class CInterruptibleQuestions;

    int AnswerOf(std::string_view text) const;
    bool SilencedByInterruption(unsigned style) const;
    int AnswerAfterPrint(std::string_view text, unsigned style);
    void PrintDetail(std::string_view detail);
    void RecordProblem(std::string_view text);
    void RecordDetailLine(const std::string& line);

    SConsoleAnswers answers;
    std::FILE* out;
    std::FILE* err;
    struct SShownText {
        bool problem;  // a warning or an error
        std::string text;
    };
    std::vector<SShownText> shownTexts;
    const CInterruptFlag* interruption = nullptr;
    CExchangeRecorder exchanges;
    std::optional<SCliFailure> failure;
    CTerminalProgress progress{nullptr, false};
    std::string_view failedSendText;
};

// While it lives, Ctrl-C raises its flag and from then on every question of the host is answered No:
// the procedure ends at its next question without going further (a write is not followed by a
// restart). The host's hook goes with the object, before the flag it points to.
class CInterruptibleQuestions {
public:
    // The notes and the grace as for CInterruptFlag.
    explicit CInterruptibleQuestions(CConsoleHost& host, const char* firstNote = nullptr,
                                     const char* secondNote = nullptr,
                                     std::chrono::milliseconds grace = std::chrono::milliseconds(0));
    ~CInterruptibleQuestions();
    CInterruptibleQuestions(const CInterruptibleQuestions&) = delete;
    CInterruptibleQuestions& operator=(const CInterruptibleQuestions&) = delete;

    bool Raised() const { return flag.Raised(); }

private:
    CInterruptFlag flag;
    CConsoleHost& host;
};

// The text as a terminal shows it cleanly: every CR LF becomes a line feed.
std::string TerminalText(std::string_view text);
