#include "cli/session/CliSessionSetup.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/commands/CliCommand.h"
#include "cli/console/InterruptFlag.h"
#include "cli/session/FileAxisSlots.h"
#include "core/app/GwComConfig.h"
#include "core/app/StartupRules.h"
#include "core/app/texts/MsgText.h"
#include "core/diagnosis/SessionConnectionCheck.h"
#include "core/link/ExchangeCause.h"
#include "core/params/layout/MainFormLayout.h"
#include "core/service/SearchUnit.h"

namespace {

constexpr std::size_t MSG_NO_UNIT = 57;
constexpr const char* TIMEOUT_VARIABLE = "GWCLI_RESPONSE_TIMEOUT_MS";

// The lowest COM number the settings file leaves free.
int FreeComNumber(const std::map<int, std::string>& ports) {
    int number = 1;
    while (ports.count(number) != 0) ++number;
    return number;
}

void ApplyResponseTimeout(CCommUnit& link) {
    const char* text = std::getenv(TIMEOUT_VARIABLE);
    if (text == nullptr) return;
    unsigned value = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error == std::errc{} && stop == end && value > 0) link.SetResponseTimeout(value);
}

// Nothing, or only broken bytes (what a unit at another speed sounds like), came back.
bool NothingReadableCameBack(const std::vector<SExchangeOutcome>& probes) {
    return std::all_of(probes.begin(), probes.end(), [](const SExchangeOutcome& probe) {
        const EReplyKind kind = probe.Reply().kind;
        return kind == EReplyKind::None || kind == EReplyKind::Garbled;
    });
}

std::string_view ProbesVerdict(const std::vector<SExchangeOutcome>& probes) {
    const SExchangeOutcome* telling = MostTellingOutcome(probes);
    return telling ? VerdictKeyword(VerdictOfReply(telling->Reply().kind)) : std::string_view{};
}

// "Nothing GW Unit" with what each probe got back and the fix. When nothing or only broken bytes came
// back, the connection check listens at the other speeds, so that a unit fixed at another speed is
// named with it.
void ReportNoUnit(CSession& session, CConsoleHost& host, const std::vector<SExchangeOutcome>& probes,
                  bool listenAtOtherSpeeds) {
    const std::string causes = ExchangeCauseDetail(probes);
    if (!listenAtOtherSpeeds || probes.empty() || !NothingReadableCameBack(probes))
        return host.ShowFailure(MsgText[MSG_NO_UNIT], causes, ProbesVerdict(probes));
    const SConnectionCheckResult check = FindUnitAtOtherSpeed(session);
    if (check.verdict != EConnectionVerdict::OtherSpeed)
        return host.ShowFailure(MsgText[MSG_NO_UNIT], causes, ProbesVerdict(probes));
    std::string detail;
    for (const SExchangeOutcome& probe : probes) detail += ExchangeCauseLine(probe) + "\n";
    host.ShowFailure(MsgText[MSG_NO_UNIT], detail + OtherSpeedDetail(check.answeringBps),
                     VerdictKeyword(check.verdict));
}

// After a search in which only one unit answered: the wait for the other unit is what --unit saves.
std::string UnitOptionHint(int unitNo, std::uint32_t waitedMs) {
    const int other = unitNo == 0 ? 1 : 0;
    return "unit " + std::to_string(other) + " gave no answer within " + std::to_string(waitedMs) +
           " ms; --unit " + std::to_string(unitNo) + " asks only for unit " + std::to_string(unitNo) +
           " and saves that wait";
}

// The search switched the unit to the configured speed and asked it for its identification: the series
// that follows keeps both.
void KeepWhatTheSearchEstablished(CSession& session, const CSearchUnit& search, int unitNo) {
    session.speedEstablished = true;
    session.searchedSlaveIdReply = search.slaveIdReplies[static_cast<std::size_t>(unitNo)];
}

}  // namespace

void ApplyRunSettings(CSession& session, const SCliArguments& arguments) {
    for (CLinkFrameObserver* observer : arguments.linkObservers) session.link.AddFrameObserver(*observer);
    if (arguments.longWaitObserver) session.link.SetLongWaitObserver(arguments.longWaitObserver);
    SGwComConfig config = LoadGwComConfig();
    SProgramValues& program = session.program;
    program.Comm = config.comm;
    program.SelectedGwType = arguments.type;
    program.GwSlaveAddress = GwSlaveAddressOf(arguments.type, 0);
    if (arguments.extended) program.Comm.ToolFlags |= TOOLFLAG_EXTENDED_MODE;
    if (arguments.baudIndex) program.Comm.CurrentBaudIndex = static_cast<std::uint16_t>(*arguments.baudIndex);
    if (arguments.portNumber) program.Comm.CurrentPortNum = static_cast<std::uint16_t>(*arguments.portNumber);
    if (!arguments.portPath.empty()) {
        const int number = FreeComNumber(config.ports);
        config.ports[number] = arguments.portPath;
        program.Comm.CurrentPortNum = static_cast<std::uint16_t>(number);
        session.portMappedForRun = number;
    }
    session.link.SetPortOverrides(config.ports);
    ApplyResponseTimeout(session.link);
    session.link.SetStopRequest(InterruptStopRequest);
    session.oneSpeedSwitchPerRun = true;
}

std::string MissingPortReason(const SCliArguments& arguments) {
    return arguments.command->talksToUnit ? NoPortReason(arguments) : std::string();
}

std::string NoPortReason(const SCliArguments& arguments) {
    if (arguments.portNumber || !arguments.portPath.empty()) return {};
    if (LoadGwComConfig().comm.CurrentPortNum != 0) return {};
    return "no port: give --port, or choose the port once in the desktop tool";
}

bool RunsExtended(const SCliArguments& arguments) {
    return arguments.extended || (LoadGwComConfig().comm.ToolFlags & TOOLFLAG_EXTENDED_MODE) != 0;
}

std::vector<int> SearchUnits(CSession& session, CConsoleHost& host, std::optional<int> onlyUnitNo) {
    CSearchUnit search(session.link, host, session.form.flags, session.program.Comm, session.unitAxisSlots);
    const std::size_t mark = host.Exchanges().Mark();
    const std::size_t shown = host.Mark();
    if (onlyUnitNo) {
        search.ProbeOneUnit(*onlyUnitNo);
    } else {
        search.Timer1Timer();
    }
    // The first unit found is the one the commands take.
    if (!search.foundUnits.empty()) KeepWhatTheSearchEstablished(session, search, search.foundUnits.front());
    // Ctrl-C ended the search: the command says so itself.
    if (!search.foundUnits.empty() || session.link.StopRequested()) return search.foundUnits;
    // A search for one unit does not listen at the other speeds: another unit may answer there.
    if (session.form.flags.portOpen) {
        ReportNoUnit(session, host, host.Exchanges().Since(mark), !onlyUnitNo.has_value());
    } else if (!host.ProblemShownSince(shown)) {
        // The device or the server went away during the speed switch or a probe: which, and that it went.
        host.ShowFailure(MsgText[MSG_NO_UNIT], session.link.LinkFaultDetail(COMM_LINE_ERROR), {});
    }
    return search.foundUnits;
}

SUnitChoice ChooseUnit(CSession& session, CConsoleHost& host, const SCliArguments& arguments) {
    SProgramValues& program = session.program;
    if ((program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0) return {true, 0, 0};
    // --unit probes only the unit it names; without it the first unit that answers is taken.
    const std::vector<int> found = SearchUnits(session, host, arguments.unitNo);
    if (found.empty()) return {};
    const int unitNo = found.front();
    if (!arguments.unitNo && found.size() == 1) host.Note(UnitOptionHint(unitNo, session.link.GetResponseTimeout()));
    program.GwSlaveAddress = GwSlaveAddressOf(program.SelectedGwType, unitNo);
    return {true, unitNo, session.unitAxisSlots[static_cast<std::size_t>(unitNo)]};
}

std::string UnitDescription(const CSession& session, const SUnitChoice& unit) {
    char text[64];
    const unsigned address = session.program.GwSlaveAddress;
    if ((session.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0) {
        std::snprintf(text, sizeof text, "unit at %02Xh", address);
    } else {
        std::snprintf(text, sizeof text, "unit %d (%02Xh), %d axis slots", unit.unitNo, address,
                      unit.axisSlots);
    }
    return text;
}

void LayOutMainWindow(CSession& session, int unitAxisSlots) {
    LayoutMainForm(session.form, session.image, session.program, unitAxisSlots);
    session.Refresh();
}

void PrepareFileSession(CSession& session, const SCliArguments& arguments) {
    ApplyRunSettings(session, arguments);
    LayOutMainWindow(session, FileAxisSlots(arguments.file, arguments.type));
}
