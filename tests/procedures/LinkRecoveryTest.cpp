// A port whose device goes away (the simulator killed, as an unplugged adapter would be) is opened anew
// by the next operation, once a device is there again under the same path.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/app/texts/DetailText.h"
#include "core/link/CommResult.h"
#include "core/procedures/ReadParameters.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

class LinkRecovery : public SessionOnSim {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("gw-link-recovery-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        linkPath = (folder / "COM7").string();
        Start(SimOf(GW_VOSK));
        ReplaceSim();
    }
    void TearDown() override {
        sim.reset();
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    // The unit on the line goes away and another one appears under the same link path.
    void ReplaceSim() {
        sim.reset();
        sim = std::make_unique<CSimPtyServer>(SimOf(GW_VOSK));
        ASSERT_EQ(sim->Start(linkPath), 0);
        session.link.SetPortOverrides({{SESSION_SIM_COM, linkPath}});
    }
    int Read() {
        host.answers = {ID_YES};
        return ReadParameters(session);
    }

    std::filesystem::path folder;
    std::string linkPath;
};

TEST_F(LinkRecovery, DeviceReplacedBetweenReadsIsOpenedAgain) {
    ASSERT_EQ(Read(), COMM_OK);
    const auto plainReadBoxes = host.Texts();
    const std::string firstDevice = sim->DevicePath();
    ReplaceSim();
    ASSERT_NE(sim->DevicePath(), firstDevice);
    host.boxes.clear();
    EXPECT_EQ(Read(), COMM_OK);
    EXPECT_TRUE(session.form.flags.portOpen);
    EXPECT_TRUE(session.link.IsOpen());
    EXPECT_EQ(host.Texts(), plainReadBoxes) << "no failure on the way";
}

TEST_F(LinkRecovery, DeviceLostDuringAReadIsOpenedAgainByTheNextRead) {
    ASSERT_EQ(Read(), COMM_OK);
    // The unit vanishes once the read has started talking to it.
    host.onPump = [this] {
        if (sim && sim->WithCore([](CGwSimCore& core) { return core.RequestLog().size(); }) > 2) sim.reset();
    };
    EXPECT_NE(Read(), COMM_OK);
    host.onPump = nullptr;
    // The failure names the device and that it went away, not a unit that gave no reply.
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().detail,
              "Device: " + linkPath + "\n" + std::string(DetailText::DEVICE_WENT_AWAY))
        << host.boxes.back().text;
    EXPECT_FALSE(session.form.flags.portOpen) << "the link closed itself";
    EXPECT_FALSE(session.link.IsOpen());
    EXPECT_FALSE(session.form.flags.commBusy);
    ReplaceSim();
    EXPECT_EQ(Read(), COMM_OK);
    EXPECT_TRUE(session.form.flags.portOpen);
}

}  // namespace
