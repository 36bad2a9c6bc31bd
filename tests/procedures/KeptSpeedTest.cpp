// A run that keeps one speed (gwcli): after a switch has brought the unit to the configured speed, the
// next series neither switches again nor asks Report Slave ID a second time; when its first exchange gets
// no answer (the unit restarted at its default speed), it switches once more and goes on.
#include <atomic>
#include <thread>

#include "core/link/GatewaySpeedSwitch.h"
#include "core/procedures/ReadParameters.h"
#include "core/service/SearchUnit.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

constexpr std::uint8_t FN_VENDOR_COMMAND = 0x45;
constexpr std::uint8_t FN_SLAVE_ID = 0x11;

class KeptSpeed : public SessionOnSim {
protected:
    void SetUp() override {
        Start(SimOf(GW_VOSK));
        session.oneSpeedSwitchPerRun = true;
        CSearchUnit search(session.link, host, session.form.flags, session.program.Comm, session.unitAxisSlots);
        search.ProbeOneUnit(0);
        ASSERT_EQ(search.foundUnits, std::vector<int>{0});
        session.speedEstablished = true;
        session.searchedSlaveIdReply = search.slaveIdReplies[0];
    }
    std::size_t Count(std::uint8_t function) {
        std::size_t count = 0;
        for (const auto& frame : RequestLog()) count += frame.size() > 1 && frame[1] == function;
        return count;
    }
};

TEST_F(KeptSpeed, TheReadAfterTheSearchKeepsItsSpeedAndItsIdentification) {
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), 0);
    EXPECT_EQ(Count(FN_VENDOR_COMMAND), 1u) << "one speed switch: the search's";
    EXPECT_EQ(Count(FN_SLAVE_ID), 1u) << "one Report Slave ID: the search's probe";
    EXPECT_NE(session.image.SlaveIdWord, 0u) << "the identification comes from the probe's reply";
}

TEST_F(KeptSpeed, AUnitThatStoppedAnsweringIsSwitchedAgainAndTheReadGoesOn) {
    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    // The unit answers again once the tool has switched the speed a second time.
    std::atomic<bool> done = false;
    std::thread wake([&] {
        while (!done && Count(FN_VENDOR_COMMAND) < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        SetFaults({});
    });
    host.answers = {ID_YES};
    const int result = ReadParameters(session);
    done = true;
    wake.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Count(FN_VENDOR_COMMAND), 2u);
    for (const auto& box : host.boxes)
        EXPECT_EQ(box.text.find("error"), std::string::npos) << "no failure shown for the quiet first try";
}

}  // namespace
