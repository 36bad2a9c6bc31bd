// A write counts as done only when the unit's reply confirms it. Every command that writes runs against
// a line that cuts the write's reply short, echoes the write back in place of the unit, or a unit whose
// reply names another quantity, on every write and on every second one: whenever gwcli says it
// succeeded, the unit holds exactly what the same command leaves on a sound line.
#include <cstdlib>
#include <map>

#include "tests/cli/CliTestSupport.h"

namespace {

using RegisterRange = std::pair<std::uint16_t, std::uint16_t>;  // first, last

struct SWritingCommand {
    const char* name;
    GwType type;
    std::vector<std::string> args;  // FILE stands for the file read from a fresh unit beforehand
    std::vector<std::string> edit;  // edit options applied to that file first (empty: none)
    std::vector<RegisterRange> watched;
    int tolerance = 0;  // how far a watched register may move by itself (a counter that counts on)
};

struct SWriteFault {
    const char* name;
    int SSimFaults::*every;
    int period;
};

const SWriteFault Faults[] = {
    {"write-short every", &SSimFaults::writeShortEvery, 1},
    {"write-short every second", &SSimFaults::writeShortEvery, 2},
    {"write-echo every", &SSimFaults::writeEchoEvery, 1},
    {"write-echo every second", &SSimFaults::writeEchoEvery, 2},
    {"write-count every", &SSimFaults::writeCountEvery, 1},
    {"write-count every second", &SSimFaults::writeCountEvery, 2},
};

// The parameter blocks a write sends (the status, the clock and the live counters between them move
// by themselves).
const std::vector<RegisterRange> PARAMETERS = {{0xF102, 0xF11F}, {0xF200, 0xF20F}, {0xF280, 0xF287}};
constexpr RegisterRange DRIVER_PARAMETERS{0xF800, 0xF825};
constexpr RegisterRange OUTPUT_AREA{0xF600, 0xF647};
constexpr RegisterRange COUNTERS{0xF188, 0xF18B};
constexpr RegisterRange ALARM_HISTORY{0xF400, 0xF57F};
constexpr RegisterRange CLOCK_HIGH_WORD{0xF172, 0xF172};  // the low word moves every second

const SWritingCommand Commands[] = {
    {"write", GW_VOSK, {"write", "FILE"}, {"--multidrop", "on", "--top-axis", "4"}, PARAMETERS},
    {"write_restart", GW_VOSK, {"write", "FILE", "--restart"}, {"--multidrop", "on", "--top-axis", "4"},
     PARAMETERS},
    {"unit_number", GW_VOSK, {"write", "FILE"}, {"--unit-number", "1"}, PARAMETERS},
    {"etherip", GW_VOSK, {"write", "FILE"}, {"--ip", "10.0.0.7", "--mask", "255.255.255.0"}, PARAMETERS},
    {"driver_set", GW_DRAVO, {"--extended", "driver", "--set", "OMPV=450", "--set", "fansw=20"}, {},
     {DRIVER_PARAMETERS}},
    {"registers_set", GW_VOSK, {"--extended", "registers", "--set", "+02=be3f,+10=1"}, {}, {OUTPUT_AREA}},
    {"counters_clear", GW_NUB3GW, {"counters", "--clear", "all"}, {}, {COUNTERS}, 1},
    {"alarms_clear", GW_VOSK, {"alarms", "--clear"}, {}, {ALARM_HISTORY}},
    {"time_set", GW_VOSK, {"time", "--set", "2010-01-01 00:00:00"}, {}, {CLOCK_HIGH_WORD}},
};

class CliWriteFaultMatrix : public CliOnSim, public ::testing::WithParamInterface<SWritingCommand> {
protected:
    // A fresh unit of the command's type with its registers as the simulator starts them.
    void FreshUnit(const SSimFaults& faults = {}) {
        sim.reset();
        Serve(SimOf(GetParam().type));
        // An EtherNet/IP unit, so that its address dialog is offered for the file.
        if (GetParam().type == GW_VOSK) SetUnitRegister(0xF103, 0x0085);
        SetFaults(faults);
    }

    // The command's arguments with FILE replaced by a file read from a fresh unit and edited as asked.
    std::vector<std::string> Arguments() {
        std::vector<std::string> args = GetParam().args;
        const auto file = std::find(args.begin(), args.end(), "FILE");
        if (file == args.end()) return args;
        FreshUnit();
        const std::string path = PathOf("unit.vogw");
        const SCliRun read = Cli(GW_VOSK, {"--unit", "0", "read", path});
        EXPECT_EQ(read.status, 0) << read.err;
        std::vector<std::string> edit = {"edit", path};
        edit.insert(edit.end(), GetParam().edit.begin(), GetParam().edit.end());
        const SCliRun edited = Cli(GW_VOSK, edit);
        EXPECT_EQ(edited.status, 0) << edited.err;
        *file = path;
        return args;
    }

    std::map<std::uint16_t, std::uint16_t> Watched() {
        std::map<std::uint16_t, std::uint16_t> values;
        for (const auto& [first, last] : GetParam().watched) {
            for (unsigned address = first; address <= last; ++address) {
                const auto reg = static_cast<std::uint16_t>(address);
                values[reg] = UnitRegister(reg);
            }
        }
        return values;
    }

    // The registers hold what `expected` holds, each within the command's tolerance.
    ::testing::AssertionResult Holds(const std::map<std::uint16_t, std::uint16_t>& expected) {
        for (const auto& [reg, value] : Watched()) {
            if (std::abs(int{value} - int{expected.at(reg)}) > GetParam().tolerance) {
                return ::testing::AssertionFailure()
                       << "register " << std::hex << reg << " holds " << value << ", expected " << expected.at(reg);
            }
        }
        return ::testing::AssertionSuccess();
    }

    // Unit 0 only, where the type numbers its units: the search then waits for no absent unit 1.
    SCliRun Run(const std::vector<std::string>& args) {
        std::vector<std::string> all;
        if ((GetParam().type & GW_UNIT_NUMBERED_MASK) != 0) all = {"--unit", "0"};
        all.insert(all.end(), args.begin(), args.end());
        return Cli(GetParam().type, all);
    }
};

TEST_P(CliWriteFaultMatrix, NoWriteIsCalledDoneThatTheUnitDidNotConfirm) {
    const std::vector<std::string> args = Arguments();
    FreshUnit();
    const auto before = Watched();
    const SCliRun sound = Run(args);
    ASSERT_EQ(sound.status, 0) << "on a sound line\n" << sound.out << sound.err;
    const auto expected = Watched();
    ASSERT_NE(expected, before) << "the command must change the unit for the comparison to mean anything";

    for (const SWriteFault& fault : Faults) {
        SCOPED_TRACE(fault.name);
        SSimFaults faults;
        faults.*fault.every = fault.period;
        FreshUnit(faults);
        const SCliRun run = Run(args);
        if (run.status == 0) {
            EXPECT_TRUE(Holds(expected)) << "reported a success the unit does not hold\n" << run.out << run.err;
        } else {
            EXPECT_EQ(run.status, 1) << run.err;
            EXPECT_FALSE(run.err.empty()) << "a failure says why";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWritingCommand, CliWriteFaultMatrix, ::testing::ValuesIn(Commands),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
