// Ctrl-C while gwcli talks to a unit: a write finishes its set (a second Ctrl-C stops at once and says
// what that leaves on the unit), a read saves nothing; and a read whose file could not be saved never
// asks the unit.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

constexpr int INTERRUPTED = 130;

class CliInterrupt : public CliOnSim {
protected:
    // A unit that answers each request after a pause, so that a Ctrl-C lands between two blocks.
    std::string ServeSlowUnitAndRead() {
        Serve(SimOf(GW_VOSK));
        const std::string file = PathOf("plant.vogw");
        EXPECT_EQ(Cli(GW_VOSK, {"read", file}).status, 0);
        SSimFaults slow;
        slow.delayMs = 30;
        SetFaults(slow);
        return file;
    }
    std::size_t Since(std::size_t mark, std::uint8_t function) {
        return RequestsWithFunction(function) - mark;
    }
    SCliRun Interrupted(std::vector<std::string> args, std::uint8_t afterFunction, int interrupts,
                        int responseTimeoutMs = 300) {
        args.insert(args.begin(), {"--type", TypeArgument(GW_VOSK)});
        const std::size_t mark = RequestsWithFunction(afterFunction);
        return RunGwCliProgramInterruptedWhen(
            args, ConfigHome(), [&] { return Since(mark, afterFunction) >= 1; }, interrupts, responseTimeoutMs);
    }
};

TEST_F(CliInterrupt, OneCtrlCDuringAWriteLetsTheWholeSetGoOutAndSkipsTheRestart) {
    const std::string file = ServeSlowUnitAndRead();
    std::size_t mark = RequestsWithFunction(FN_WRITE);
    ASSERT_EQ(Cli(GW_VOSK, {"write", file}).status, 0);
    const std::size_t wholeSet = Since(mark, FN_WRITE);
    ASSERT_GE(wholeSet, 2u);

    mark = RequestsWithFunction(FN_WRITE);
    const SCliRun run = Interrupted({"write", file, "--restart"}, FN_WRITE, 1);
    EXPECT_EQ(run.status, INTERRUPTED) << run.err;
    EXPECT_EQ(Since(mark, FN_WRITE), wholeSet);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);
    EXPECT_NE(
        run.err.find("gwcli: stopped by Ctrl-C after the whole set was written; the unit was not restarted"),
        std::string::npos)
        << run.err;
}

TEST_F(CliInterrupt, SecondCtrlCStopsTheWriteAtOnceAndWarnsOfAMixedSet) {
    const std::string file = ServeSlowUnitAndRead();
    std::size_t mark = RequestsWithFunction(FN_WRITE);
    ASSERT_EQ(Cli(GW_VOSK, {"write", file}).status, 0);
    const std::size_t wholeSet = Since(mark, FN_WRITE);

    mark = RequestsWithFunction(FN_WRITE);
    const SCliRun run = Interrupted({"write", file, "--restart"}, FN_WRITE, 2);
    EXPECT_EQ(run.status, INTERRUPTED) << run.err;
    EXPECT_LT(Since(mark, FN_WRITE), wholeSet);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);
    EXPECT_NE(run.err.find("the unit may hold a mixed set of old and new parameters; write the file again "
                           "before the unit is restarted"),
              std::string::npos)
        << run.err;
}

// Ctrl-C while the unit search waits for a silent unit: the wait ends at once, no further unit is asked
// and nothing is saved.
TEST_F(CliInterrupt, CtrlCDuringTheSearchOfASilentLineEndsTheWaitAtOnce) {
    Serve(SimOf(GW_VOSK));
    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    const std::string file = PathOf("interrupted.vogw");
    // The unit's real reply time-out: the Ctrl-C lands well inside the first probe's wait.
    const SCliRun run = Interrupted({"read", file}, FN_SLAVE_ID, 1, 3000);
    EXPECT_EQ(run.status, INTERRUPTED) << run.err;
    EXPECT_EQ(RequestsWithFunction(FN_SLAVE_ID), 1u) << "the search asked no further unit";
    EXPECT_NE(run.err.find("gwcli: stopped by Ctrl-C: nothing was saved"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Nothing GW Unit"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(CliInterrupt, CtrlCDuringAReadSavesNothing) {
    ServeSlowUnitAndRead();
    const std::string file = PathOf("interrupted.vogw");
    const SCliRun run = Interrupted({"read", file}, FN_READ, 1);
    EXPECT_EQ(run.status, INTERRUPTED) << run.err;
    EXPECT_NE(run.err.find("gwcli: stopped by Ctrl-C: nothing was saved"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

// The save's failure message with the reason, before a single request goes out.
TEST_F(CliOnSim, ReadToAFileThatCannotBeSavedNeverAsksTheUnit) {
    Serve(SimOf(GW_VOSK));
    const std::string file = PathOf("missing-folder/plant.vogw");
    const SCliRun run = Cli(GW_VOSK, {"read", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.substr(0, run.err.find("gwcli: ")), Printed(MsgText[17]));
    EXPECT_NE(run.err.find("gwcli: File: " + file), std::string::npos) << run.err;
    EXPECT_TRUE(RequestLog().empty());
}

}  // namespace
