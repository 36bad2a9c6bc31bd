#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/GatewayTimeArgument.h"
#include "core/app/texts/MsgText.h"
#include "core/service/GatewayClockExchange.h"
#include "core/service/TimeSetting.h"

namespace {

constexpr std::size_t MSG_TIME_READ_FAILED = 52;

// What `time` reports: the unit's clock as read, or after setting it the value sent.
struct STimeResult {
    std::uint32_t seconds = 0;
    std::string text;
};

void Render(const STimeResult& result, const SCliOutput& output) {
    if (output.json) return PrintJson(output, {{"raw", result.seconds}, {"text", result.text}});
    std::fprintf(output.out, "%s\n", result.text.c_str());
    std::fflush(output.out);
}

void AddTimeOptions(CLI::App& command, SCliArguments& arguments) {
    command
        .add_option("--set", arguments.setTime,
                    "now (the PC's local time when the command starts) or \"YYYY-MM-DD hh:mm:ss\"")
        ->type_name("now|\"YYYY-MM-DD hh:mm:ss\"");
}

std::string TimeProblem(const SCliArguments& arguments) {
    if (arguments.type == GW_KAVELIS) return "time does not apply to KAVELIS, which keeps no clock";
    std::string reason;
    if (arguments.setTime && !ParseTimeArgument(*arguments.setTime, reason)) return reason;
    return {};
}

// The count to send, or nothing after the dialog's message was printed (the command line's rules have
// refused a day the calendar lacks already).
std::optional<std::uint32_t> SecondsToSend(const STimeArgument& argument, std::int64_t now,
                                           CConsoleHost& host) {
    if (argument.now) {
        if (now < 0 || now > GATEWAY_TIME_MAX) {
            host.ShowMessageBox(MsgText[61], MB_ICON_WARNING);
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(now);
    }
    return GatewaySecondsOf(argument.dateTime);
}

int RunTime(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    // The command line's rules have checked the value already.
    std::string reason;
    const std::optional<STimeArgument> argument =
        arguments.setTime ? ParseTimeArgument(*arguments.setTime, reason) : std::nullopt;
    CSession session(host);
    ApplyRunSettings(session, arguments);
    if (!argument) host.NameFailedSendAs(MsgText[MSG_TIME_READ_FAILED]);
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    // The dialog's own link set-up at its creation; "now" is the PC's time at that moment.
    CTimeSetting dialog(session, PcLocalSecondsNow());
    dialog.SetUpLink();
    if (!argument) {
        std::uint32_t seconds = 0;
        if (ReadGatewayTime(session, seconds) != COMM_OK) {
            host.ShowMessageBox(MsgText[MSG_TIME_READ_FAILED], MB_ICON_INFORMATION);
            return CLI_FAILED;
        }
        Render({seconds, GatewayTimeText(seconds)}, output);
        return CLI_OK;
    }
    const auto seconds = SecondsToSend(*argument, dialog.pcSeconds, host);
    if (!seconds) return CLI_FAILED;
    const EClockSetOutcome outcome = SendGatewayTime(session, *seconds);
    if (outcome != EClockSetOutcome::Done) {
        ShowClockSetOutcome(host, outcome);
        return CLI_FAILED;
    }
    Render({*seconds, GatewayTimeText(*seconds)}, output);
    return CLI_OK;
}

}  // namespace

const SCliCommand TimeCommand = {
    "time",
    "time [--set now|\"YYYY-MM-DD hh:mm:ss\"]",
    "read the unit's clock: \"YYYY-MM-DD hh:mm:ss\" (the date alone at midnight);\n"
    "with --set set it (now = the PC's local time when the command starts;\n"
    "years 2010..2099); refused in AUTO mode with the MANU message, exit 1;\n"
    "--json prints {\"raw\":N (seconds since 2000-01-01), \"text\":\"...\"}\n",
    AddTimeOptions,
    TimeProblem,
    RunTime,
    true,
};
