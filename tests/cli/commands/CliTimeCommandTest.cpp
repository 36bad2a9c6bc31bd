// time and time --set of the built program against the simulated gateway over a pseudo-terminal.
#include <nlohmann/json.hpp>

#include "core/app/texts/MsgText.h"
#include "core/service/GatewayTime.h"
#include "tests/cli/CliTestSupport.h"

namespace {

class CliTime : public CliOnSim {
protected:
    std::uint32_t UnitClock() { return std::uint32_t{UnitRegister(0xF172)} << 16 | UnitRegister(0xF173); }
};

TEST_F(CliTime, SetsTheClockAndReadsItBackAsTextAndJson) {
    Serve(SimOf(GW_VOSK));
    const SCliRun set = Cli(GW_VOSK, {"time", "--set", "2010-01-01 00:00:00"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out.substr(set.out.size() - 11), "2010-01-01\n");
    EXPECT_GE(UnitClock(), 315619200u);
    EXPECT_LE(UnitClock(), 315619200u + 60);

    const SCliRun plain = Cli(GW_VOSK, {"time"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out.substr(0, 10), "2010-01-01") << plain.out;

    // The clock runs on while the command starts; the reply is one JSON object with both renderings.
    const SCliRun read = Cli(GW_VOSK, {"time", "--json"});
    ASSERT_EQ(read.status, 0) << read.err;
    const auto json = nlohmann::json::parse(read.out);
    const auto seconds = json.at("raw").get<std::int64_t>();
    EXPECT_GE(seconds, 315619200);
    EXPECT_LE(seconds, 315619200 + 60);
    EXPECT_EQ(json.at("text").get<std::string>(), GatewayTimeText(seconds));
}

TEST_F(CliTime, AutoModeGivesTheManuMessageAndLeavesTheClock) {
    Serve(SimOf(GW_VOSK));
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    const std::uint32_t before = UnitClock();
    const SCliRun run = Cli(GW_VOSK, {"time", "--set", "now"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE((run.out + run.err).find(Printed(MsgText[60])), std::string::npos) << run.out << run.err;
    EXPECT_LE(UnitClock() - before, 60u);
}

struct SBadTime {
    const char* value;
    int status;
};

// A day the calendar lacks is refused at once like month 13: exit 2 before the line is touched.
TEST_F(CliTime, MalformedAndRefusedDatesChangeNothing) {
    Serve(SimOf(GW_VOSK));
    const std::uint32_t before = UnitClock();
    const SBadTime cases[] = {
        {"2013-02-29 00:00:00", 2}, {"2013-04-31 12:00:00", 2}, {"2013-02-28", 2},
        {"2009-12-31 00:00:00", 2}, {"2013-13-01 00:00:00", 2}, {"tomorrow", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const SCliRun run = Cli(GW_VOSK, {"time", "--set", c.value});
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
    }
    EXPECT_NE(Cli(GW_VOSK, {"time", "--set", "2013-02-29 00:00:00"}).err.find("the calendar has no day 2013-02-29"),
              std::string::npos);
    EXPECT_TRUE(RequestLog().empty()) << "nothing was sent";
    EXPECT_LE(UnitClock() - before, 60u) << "no value was sent";
    EXPECT_GT(UnitClock(), 400000000u);
}

}  // namespace
