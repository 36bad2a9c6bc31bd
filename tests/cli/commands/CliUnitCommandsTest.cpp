// search, read and write of the built program against the simulated gateway over a pseudo-terminal.
#include <atomic>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>
#include <tuple>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/DetailText.h"
#include "core/app/texts/ExchangeCauseText.h"
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

// The file's lines without the two stamped with the time of saving.
std::vector<std::string> LinesWithoutStamp(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(";DATE=", 0) == 0 || line.rfind(";TIME=", 0) == 0) continue;
        lines.push_back(line);
    }
    return lines;
}

TEST_F(CliOnSim, SearchListsBothUnitsWithTheirSlotCounts) {
    Serve(SimOf(GW_VOSK, {0, 1}));
    SetUnitRegister(0xFA0F, 4, 1);
    const SCliRun run = Cli(GW_VOSK, {"search"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "unit 0 slots 8\nunit 1 slots 4\n");
    EXPECT_EQ(run.err, "");

    const SCliRun json = Cli(GW_VOSK, {"search", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out),
              nlohmann::json::parse(R"({"units":[{"unit_number":0,"slave_address":208,"axis_slots":8},
                                                 {"unit_number":1,"slave_address":209,"axis_slots":4}]})"));
}

// A device path as --port reaches the same unit without any mapping in the settings file.
TEST_F(CliOnSim, PortGivenAsDevicePath) {
    Serve(SimOf(GW_DRAVO, {1}));
    WriteSettingsFile(ConfigHome(), 3, CLI_SIM_BAUD_INDEX, "");
    const SCliRun run = Cli(GW_DRAVO, {"--port", sim->DevicePath(), "--baud", "38400", "search"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "unit 1 slots 8\n");
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.LineBps(); }), 38400);
}

class CliRoundTrip : public CliOnSim, public ::testing::WithParamInterface<GwType> {};

// read, write with restart, read again: the same file but for its date and time, and the write went
// out as registers and the restart coil.
TEST_P(CliRoundTrip, ReadWriteReadGivesTheSameFile) {
    const GwType type = GetParam();
    Serve(SimOf(type));
    const std::string extension(GwUnitDataOf(type).extension);
    const std::string first = PathOf("first" + extension);
    const std::string second = PathOf("second" + extension);

    const SCliRun read = Cli(type, {"read", first});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find(Printed(MsgText[2])), std::string::npos) << read.out;

    const SCliRun write = Cli(type, {"write", first, "--restart"});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.out.find(Printed(MsgText[9])), std::string::npos);
    EXPECT_NE(write.out.find(Printed(MsgText[14]) + "Yes\n"), std::string::npos);
    EXPECT_GE(RequestsWithFunction(FN_WRITE), 2u);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 1u);

    const SCliRun again = Cli(type, {"read", second});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(LinesWithoutStamp(ReadWholeFile(second)), LinesWithoutStamp(ReadWholeFile(first)));
    EXPECT_EQ(ReadWholeFile(second).substr(0, 6), ";DATE=");
}

INSTANTIATE_TEST_SUITE_P(Types, CliRoundTrip, ::testing::Values(GW_KAVELIS, GW_VOSK, GW_DRAVO),
                         [](const auto& info) {
                             std::string name(GwUnitDataOf(info.param).name);
                             std::erase(name, ' ');
                             return name;
                         });

// Without --restart the restart question is answered No: the unit keeps the new parameters and no
// restart coil goes out; the write still succeeded.
TEST_F(CliOnSim, WriteWithoutRestartLeavesTheUnitRunning) {
    Serve(SimOf(GW_VOSK));
    const std::string file = PathOf("plant.vogw");
    ASSERT_EQ(Cli(GW_VOSK, {"read", file}).status, 0);
    const SCliRun write = Cli(GW_VOSK, {"write", file});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.out.find(Printed(MsgText[14]) + "No\n"), std::string::npos) << write.out;
    EXPECT_EQ(write.err, UNIT0_LINE + RESTART_HINT_LINE);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);
    EXPECT_GE(RequestsWithFunction(FN_WRITE), 2u);
}

// The unit in AUTO mode: three reminders, then the unit refuses the first write and gwcli ends with
// the AUTO-mode message and status 1.
TEST_F(CliOnSim, WriteToAUnitInAutoModeFails) {
    SSimConfig config = SimOf(GW_VOSK);
    config.autoMode = true;
    Serve(config);
    const std::string file = PathOf("plant.vogw");
    ASSERT_EQ(Cli(GW_VOSK, {"read", file}).status, 0);
    const std::uint16_t ntypBefore = UnitRegister(0xF103);

    const SCliRun write = Cli(GW_VOSK, {"write", file, "--restart"});
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(Occurrences(write.out, Printed(MsgText[43])), 3u) << write.out;
    EXPECT_EQ(write.err, UNIT0_LINE + Printed(MsgText[16]));
    EXPECT_EQ(write.out.find(Printed(MsgText[9])), std::string::npos);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);
    EXPECT_EQ(UnitRegister(0xF103), ntypBefore);
}

// A unit holding more axes than its slot count: the refresh after the read puts them back to their
// default, so the file would not be what the unit holds and is not saved.
TEST_F(CliOnSim, ReadThatTheDisplayHadToChangeIsNotSaved) {
    SSimConfig config = SimOf(GW_DRAVO);
    config.axes = 6;
    Serve(config);
    for (const auto& [reg, value] : {std::pair<std::uint16_t, std::uint16_t>{0xF109, 7},
                                     {0xF10A, 8},
                                     {0xF116, 0x20},
                                     {0xF117, 0x20},
                                     {0xF286, 0x20},
                                     {0xF287, 0x20}}) {
        SetUnitRegister(reg, value);
    }
    const std::string file = PathOf("unit.dvgw");
    const SCliRun run = Cli(GW_DRAVO, {"read", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Printed(Joined(MsgText[72], MsgText[68]))), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.ends_with(Printed(MsgText[77]))) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

// --unit probes only the unit it names: the other unit number is never asked, so an absent one costs
// no time-out, and the named unit's set is what is read.
TEST_F(CliOnSim, UnitOptionTalksOnlyToTheNamedUnit) {
    struct SCase {
        std::vector<int> unitsOnLine;
        int unitNo;
    };
    for (const SCase& c : {SCase{{0, 1}, 1}, SCase{{0}, 0}}) {
        SCOPED_TRACE(c.unitNo);
        Serve(SimOf(GW_VOSK, c.unitsOnLine));
        SetUnitRegister(0xF10E, 0x0013, c.unitNo);
        const std::string file = PathOf("unit" + std::to_string(c.unitNo) + ".vogw");
        const SCliRun run = Cli(GW_VOSK, {"--unit", std::to_string(c.unitNo), "read", file});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(ReadWholeFile(file).find("F10E,0013\r\n"), std::string::npos);
        const std::uint8_t address = static_cast<std::uint8_t>(0xD0 + c.unitNo);
        for (const auto& frame : RequestLog()) {
            if (frame[0] == 0) continue;  // the speed switch goes to every unit
            EXPECT_EQ(frame[0], address) << "request to another unit";
        }
    }
}

TEST_F(CliOnSim, UnitOptionNamingAnAbsentUnitFails) {
    Serve(SimOf(GW_VOSK, {0}));
    const SCliRun run = Cli(GW_VOSK, {"--unit", "1", "read", PathOf("unit1.vogw")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Printed(MsgText[57]) + "gwcli: Report Slave ID to D1h at 115200 bps: no reply\n" +
                           "gwcli: " + std::string(ExchangeCauseText::FIX_NO_REPLY) + "\n");
    EXPECT_FALSE(std::filesystem::exists(PathOf("unit1.vogw")));
}

// A port that cannot be opened: the tool's message and status 1, for every command that needs a unit.
TEST_F(CliTest, UnopenablePortGivesThePortMessage) {
    const std::string nowhere = PathOf("no-such-tty");
    const std::vector<std::pair<GwType, std::vector<std::string>>> runs = {
        {GW_VOSK, {"search"}},
        {GW_DRAVO, {"read", PathOf("a.dvgw")}},
        {GW_KAVELIS, {"read", PathOf("a.pkgw")}},
        {GW_KAVELIS, {"write", GoldenFile("kavelis.pkgw")}},
        {GW_VOSK, {"time"}},
        {GW_VOSK_LC, {"alarms"}},
        {GW_DRAVO, {"--extended", "driver"}},
    };
    for (auto [type, args] : runs) {
        args.insert(args.begin(), {"--port", nowhere});
        const SCliRun run = Cli(type, args);
        EXPECT_EQ(run.status, 1) << args[2];
        EXPECT_NE(run.err.find(Printed(CommonMsgText[50]) + "gwcli: Device: " + nowhere +
                               "\ngwcli: No such device\n"),
                  std::string::npos)
            << args[2] << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("a.pkgw")));
}

// A unit that never answers: the unit search finds nothing, a KAVELIS read runs into the time-out.
TEST_F(CliOnSim, SilentUnitGivesItsMessage) {
    Serve(SimOf(GW_VOSK));
    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"search"}, std::vector<std::string>{"read", PathOf("a.vogw")}}) {
        const SCliRun run = Cli(GW_VOSK, args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind(Printed(MsgText[57]) + "gwcli: Report Slave ID to D0h at 115200 bps: no reply\n", 0),
                  0u)
            << args[0] << run.err;
        EXPECT_EQ(run.out, "");
    }

    sim.reset();
    Serve(SimOf(GW_KAVELIS));
    SetFaults(silent);
    const SCliRun read = Cli(GW_KAVELIS, {"read", PathOf("a.pkgw")});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find(Printed(CommonMsgText[51])), std::string::npos) << read.err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("a.pkgw")));
}

// The adapter pulled (the simulator ends) early or late in a read: the failure names the device and what
// became of it, and claims no cause a reply would have shown; no file is written. Pulled while a frame
// is under way, the link finds the device gone; pulled between two operations, the next one cannot open
// it: which of the two a moment of the read meets depends on the machine's pace, so both are accepted.
TEST_F(CliOnSim, DeviceGoneDuringAReadIsNamedAndNoReplyIsJudged) {
    // The headline is the operation's own: the search's when the device goes during the speed switch or
    // the first probe, the read's later.
    const std::map<std::string, std::string_view> reasonOf = {
        {"Nothing GW Unit", DetailText::DEVICE_WENT_AWAY},
        {"Data read failure", DetailText::DEVICE_WENT_AWAY},
        {std::string(CommonMsgText[COMMON_MSG_PORT_OPEN_ERROR]), DetailText::NO_SUCH_DEVICE},
    };
    for (const std::size_t requestsBefore : {1u, 3u, 6u}) {  // the unit ends once it has received as many
        SCOPED_TRACE(requestsBefore);
        Serve(SimOf(GW_VOSK));
        const std::string device = sim->DevicePath();
        std::atomic<bool> readOver = false;  // a read that ended early must not leave the unplug waiting
        std::thread unplug([this, requestsBefore, &readOver] {
            while (!readOver && RequestLog().size() < requestsBefore)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            sim.reset();
        });
        const SCliRun run = Cli(GW_VOSK, {"--json", "--unit", "0", "read", PathOf("a.vogw")});
        readOver = true;
        unplug.join();
        EXPECT_EQ(run.status, 1) << run.err;
        const auto error = nlohmann::json::parse(run.out).at("error");
        const auto reason = reasonOf.find(error.at("message").get<std::string>());
        ASSERT_NE(reason, reasonOf.end()) << run.out;
        const std::vector<std::string> details{"Device: " + device, std::string(reason->second)};
        EXPECT_EQ(error.at("details"), details) << run.out;
        EXPECT_FALSE(error.contains("verdict")) << run.out;
        EXPECT_FALSE(std::filesystem::exists(PathOf("a.vogw")));
    }
}

// write --restart of a set that gives the unit another unit number while a unit already answers at that
// number's address: two units would share it after the restart, so nothing is written; with no unit
// there the same write goes through.
TEST_F(CliOnSim, RestartOntoTheAddressOfAnotherUnitIsRefused) {
    Serve(SimOf(GW_VOSK, {0, 1}));
    const std::string file = PathOf("plant.vogw");
    ASSERT_EQ(Cli(GW_VOSK, {"--unit", "0", "read", file}).status, 0);
    std::string text = ReadWholeFile(file);
    const auto at = text.find("F200,00000000");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 13, "F200,00000001");
    const std::string renumbered = PathOf("renumbered.vogw");
    WriteWholeFile(renumbered, text);

    const SCliRun refused = Cli(GW_VOSK, {"--unit", "0", "write", renumbered, "--restart"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(
                  "gwcli: The parameters give the unit the unit number 1, and unit 1 (D1h) already answers."),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);

    Serve(SimOf(GW_VOSK, {0}));
    const SCliRun written = Cli(GW_VOSK, {"--unit", "0", "write", renumbered, "--restart"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_GE(RequestsWithFunction(FN_WRITE), 2u);
}

// A read through a USB adapter that hands the replies over in 16 ms bursts, and through a line that
// pauses each reply for 20 ms, at the speed every link set-up starts at: the same file as on a clean line.
TEST_F(CliOnSim, ReadThroughABurstyLineGivesTheSameFile) {
    Serve(SimOf(GW_VOSK));
    const std::string clean = PathOf("clean.vogw");
    ASSERT_EQ(Cli(GW_VOSK, {"--unit", "0", "--baud", "9600", "read", clean}).status, 0);
    for (const auto& [what, usbMs, pauseMs] :
         {std::tuple{"USB latency 16 ms", 16, 0}, std::tuple{"20 ms pause mid-reply", 0, 20}}) {
        SCOPED_TRACE(what);
        SSimFaults faults;
        faults.usbLatencyMs = usbMs;
        faults.midReplyPauseMs = pauseMs;
        SetFaults(faults);
        const std::string bursty = PathOf("bursty" + std::to_string(usbMs) + ".vogw");
        const SCliRun run = Cli(GW_VOSK, {"--unit", "0", "--baud", "9600", "read", bursty});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(LinesWithoutStamp(ReadWholeFile(bursty)), LinesWithoutStamp(ReadWholeFile(clean)));
    }
}

}  // namespace
