#include "cli/console/ConsoleHost.h"

#include <algorithm>

#include "core/app/MessageBoxLook.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/ToolQuestionText.h"
#include "core/diagnosis/ConnectionVerdict.h"
#include "core/link/ExchangeCause.h"

namespace {

constexpr std::size_t MSG_SEND_FAILED = 11;
constexpr std::size_t MSG_RESTART_QUESTION = 14;
constexpr std::size_t MSG_DIFFERENT_NETWORK_QUESTION = 24;

bool IsProblem(unsigned style) {
    const MessageBoxIcon icon = DescribeMessageBox(style).icon;
    return icon == MessageBoxIcon::Error || icon == MessageBoxIcon::Warning;
}

}  // namespace

std::string TerminalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i]);
    }
    return out;
}

CConsoleHost::CConsoleHost(SConsoleAnswers answers, std::FILE* out, std::FILE* err)
    : answers(answers), out(out), err(err) {}

void CConsoleHost::Print(std::string_view text, unsigned style) {
    progress.Clear();
    const bool problem = IsProblem(style);
    std::FILE* stream = problem ? err : out;
    std::string line = TerminalText(text);
    if (line.empty() || line.back() != '\n') line.push_back('\n');
    std::fputs(line.c_str(), stream);
    std::fflush(stream);
    shownTexts.push_back({problem, TerminalText(text)});
    if (problem) RecordProblem(text);
}

void CConsoleHost::ShowLongWait(const SLongWait* wait) {
    if (wait == nullptr) return progress.Clear();
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%.1f", static_cast<double>(wait->atMost.count()) / 1000.0);
    progress.ShowLine("waiting for a reply from " + HexByteText(wait->slave) + ", at most " + seconds +
                      " s (Ctrl-C stops)");
}

void CConsoleHost::RecordProblem(std::string_view text) {
    std::string message = TerminalText(text);
    while (!message.empty() && message.back() == '\n') message.pop_back();
    if (failure) return RecordDetailLine(message);
    failure = SCliFailure{message, {}, {}};
    // A failed exchange names the cause the reply amounts to; when the link itself went away (the
    // device or the server connection) there was no reply to judge, and the detail lines say so.
    if (const auto last = exchanges.LastFailed(); last && !last->linkLost)
        failure->verdict = VerdictKeyword(VerdictOfReply(last->Reply().kind));
}

void CConsoleHost::RecordDetailLine(const std::string& line) {
    if (failure) failure->details.push_back(line);
}

void CConsoleHost::Refuse(std::string_view reason) {
    const bool first = !failure;
    PrintDetail(reason);
    if (first) failure = SCliFailure{std::string(reason), {}, {}};
}

void CConsoleHost::ShowFailure(std::string_view text, std::string_view detail, std::string_view verdict) {
    ShowMessageBoxWithDetail(text, MB_ICON_ERROR, detail);
    if (failure && !verdict.empty()) failure->verdict = verdict;
}

int CConsoleHost::ShowMessageBox(std::string_view text, unsigned style) {
    if (SilencedByInterruption(style)) return ID_OK;
    Print(text, style);
    return AnswerAfterPrint(text, style);
}

// After Ctrl-C a procedure's success note is not printed: the command stops without using the result.
bool CConsoleHost::SilencedByInterruption(unsigned style) const {
    const SMessageBoxLook look = DescribeMessageBox(style);
    return interruption != nullptr && interruption->Raised() && !look.yesNo &&
           look.icon == MessageBoxIcon::Information;
}

int CConsoleHost::AnswerAfterPrint(std::string_view text, unsigned style) {
    if (!DescribeMessageBox(style).yesNo) return ID_OK;
    const int answer = AnswerOf(text);
    std::FILE* stream = IsProblem(style) ? err : out;
    std::fputs(answer == ID_YES ? "Yes\n" : "No\n", stream);
    std::fflush(stream);
    return answer;
}

int CConsoleHost::ShowMessageBoxWithDetail(std::string_view text, unsigned style, std::string_view detail) {
    if (SilencedByInterruption(style)) return ID_OK;
    Print(text == MsgText[MSG_SEND_FAILED] && !failedSendText.empty() ? failedSendText : text, style);
    PrintDetail(detail);
    return AnswerAfterPrint(text, style);
}

void CConsoleHost::PrintDetail(std::string_view detail) {
    progress.Clear();
    std::string_view rest = detail;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string line(rest.substr(0, end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::fprintf(err, "gwcli: %s\n", line.c_str());
        RecordDetailLine(line);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    std::fflush(err);
}

CInterruptibleQuestions::CInterruptibleQuestions(CConsoleHost& host, const char* firstNote,
                                                 const char* secondNote, std::chrono::milliseconds grace)
    : flag(firstNote, secondNote, grace), host(host) {
    host.interruption = &flag;
}

CInterruptibleQuestions::~CInterruptibleQuestions() {
    host.interruption = nullptr;
}

int CConsoleHost::AnswerOf(std::string_view text) const {
    if (interruption != nullptr && interruption->Raised()) return ID_NO;
    // The restart question stands alone after a parameter write, and after the success note in one box
    // after a write of the driver parameters.
    if (text.ends_with(MsgText[MSG_RESTART_QUESTION])) return answers.restart ? ID_YES : ID_NO;
    if (text == MsgText[MSG_DIFFERENT_NETWORK_QUESTION]) return answers.differentNetwork ? ID_YES : ID_NO;
    if (text == ToolQuestionText::UNIT_ADDRESS_TAKEN) return answers.unitAddressTaken ? ID_YES : ID_NO;
    return ID_YES;
}

bool CConsoleHost::ProblemShownSince(std::size_t mark) const {
    return !ProblemsSince(mark).empty();
}

std::vector<std::string> CConsoleHost::ProblemsSince(std::size_t mark) const {
    std::vector<std::string> problems;
    for (std::size_t i = mark; i < shownTexts.size(); ++i) {
        if (shownTexts[i].problem) problems.push_back(shownTexts[i].text);
    }
    return problems;
}
