#include <gtest/gtest.h>

#include "core/app/texts/MsgText.h"
#include "core/procedures/ReadParameters.h"
#include "core/service/EtherIpSet.h"
#include "core/service/SettingMenuDialogs.h"
#include "core/service/UnitParaSet.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

const std::string TRANSMIT_NOW{MsgText[40]};
const std::string NOT_EFFECTIVE{MsgText[41]};

class SettingMenuOnSim : public SessionOnSim {
protected:
    // A unit read into the window, so the image is complete and its snapshot taken.
    void StartAndRead(GwType type, int unitNumber = 0) {
        SSimConfig config = SimOf(type);
        config.units = {unitNumber};
        Start(config, unitNumber);
        host.answers = {ID_YES};
        ASSERT_EQ(ReadParameters(session), COMM_OK);
        host.boxes.clear();
    }
    std::uint32_t UnitLong(std::uint16_t first, int unit = 0) {
        return std::uint32_t{UnitRegister(first, unit)} << 16 |
               UnitRegister(static_cast<std::uint16_t>(first + 1), unit);
    }
    std::size_t WriteRequestsSince(std::size_t first) {
        std::size_t writes = 0;
        for (const auto& [function, reg] : ExchangesSince(first))
            writes += function == 0x10 || function == 0x05;
        return writes;
    }
    // The unit number dialog as a user works it: unit 1, multi-drop on, top axis 4.
    std::function<void()> UnitDialogChangingEverything() {
        return [this] {
            progressMaxWhileOpen = session.form.progressMax;
            CUnitParaSet d(session.image, session.form.flags);
            d.cbUnitNoChange(1);
            d.ckMDRPClick(true);
            d.cbTAxisNoChange(2);
        };
    }
    int progressMaxWhileOpen = -1;
};

TEST_F(SettingMenuOnSim, UnitNumberYesWritesAndTheToolFollowsTheUnitToItsNewAddress) {
    StartAndRead(GW_VOSK);
    ASSERT_EQ(session.program.GwSlaveAddress, 0xD0);
    // Transmit now: yes; restart: yes; the read-back's own question: yes.
    host.answers = {ID_YES, ID_YES, ID_YES};
    const auto result = MenuUnitNoClick(session, UnitDialogChangingEverything());

    EXPECT_EQ(progressMaxWhileOpen, 0);
    EXPECT_EQ(session.form.progressMax, 100);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->transmitted);
    EXPECT_TRUE(result->restarted);
    EXPECT_TRUE(result->readBack);
    EXPECT_EQ(host.boxes.front().text, TRANSMIT_NOW);
    EXPECT_EQ(UnitLong(0xF200), 1u);
    EXPECT_EQ(UnitLong(0xF202), 4u);
    EXPECT_EQ(UnitLong(0xF20A), MDRP_ENABLED);
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.SlaveAddress(0); }), 0xD1);
    EXPECT_EQ(session.program.GwSlaveAddress, 0xD1) << "the tool talks to the unit's new address";
    EXPECT_EQ(session.image.UnitNo, 1) << "read back from the unit at D1h";
    EXPECT_FALSE(session.form.flags.unitNoModified);
}

TEST_F(SettingMenuOnSim, UnitNumberNoLeavesTheUnitAsItWas) {
    StartAndRead(GW_VOSK);
    const std::size_t requestsBefore = RequestLog().size();
    host.answers = {ID_NO};
    const auto result = MenuUnitNoClick(session, UnitDialogChangingEverything());

    EXPECT_FALSE(result);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{TRANSMIT_NOW, NOT_EFFECTIVE}));
    EXPECT_EQ(host.boxes[1].style & MB_ICON_MASK, MB_ICON_INFORMATION);
    EXPECT_EQ(RequestLog().size(), requestsBefore) << "nothing reached the unit";
    EXPECT_EQ(UnitLong(0xF200), 0u);
    EXPECT_EQ(session.image.UnitNo, 1) << "the change stays in the image";
    EXPECT_TRUE(session.form.flags.unitNoModified);
    EXPECT_EQ(session.form.progressMax, 100);
}

TEST_F(SettingMenuOnSim, DialogsWithoutChangesAskNothing) {
    StartAndRead(GW_VOSK);
    const std::size_t requestsBefore = RequestLog().size();
    EXPECT_FALSE(MenuUnitNoClick(session, [this] { CUnitParaSet d(session.image, session.form.flags); }));
    EXPECT_FALSE(MenuEtherIpClick(session, [this] {
        CEtherIpSet d(session.image, session.form.flags, host);
        EXPECT_TRUE(d.Button1Click());
    }));
    bool shown = false;
    MenuTimeSettingClick(session, [&] {
        shown = true;
        EXPECT_EQ(session.form.progressMax, 0);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(RequestLog().size(), requestsBefore);
    EXPECT_EQ(session.form.progressMax, 100);
}

TEST_F(SettingMenuOnSim, EtherIpYesWritesTheAddressesIntoTheUnit) {
    StartAndRead(GW_VOSK);
    host.answers = {ID_YES, ID_NO};  // transmit now: yes; restart: no
    const auto result = MenuEtherIpClick(session, [this] {
        progressMaxWhileOpen = session.form.progressMax;
        CEtherIpSet d(session.image, session.form.flags, host);
        const char* ip[] = {"10", "1", "2", "3"};
        const char* mask[] = {"255", "255", "0", "0"};
        const char* gateway[] = {"10", "1", "0", "254"};
        for (int col = 0; col < 4; ++col) {
            d.OctetChange({0, col}, ip[col]);
            d.OctetChange({1, col}, mask[col]);
            d.OctetChange({2, col}, gateway[col]);
        }
        ASSERT_TRUE(d.Button1Click());
    });
    EXPECT_EQ(progressMaxWhileOpen, 0);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->transmitted);
    EXPECT_EQ(UnitLong(0xF204), 0x0A010203u);
    EXPECT_EQ(UnitLong(0xF206), 0xFFFF0000u);
    EXPECT_EQ(UnitLong(0xF208), 0x0A0100FEu);
}

TEST_F(SettingMenuOnSim, EtherIpNoChangesNothingOnTheUnit) {
    StartAndRead(GW_VOSK);
    const std::uint32_t ipBefore = UnitLong(0xF204);
    const std::size_t requestsBefore = RequestLog().size();
    host.answers = {ID_NO};
    const auto result = MenuEtherIpClick(session, [this] {
        CEtherIpSet d(session.image, session.form.flags, host);
        d.OctetChange({0, 0}, "172");
        ASSERT_TRUE(d.Button1Click());
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{TRANSMIT_NOW, NOT_EFFECTIVE}));
    EXPECT_EQ(WriteRequestsSince(requestsBefore), 0u);
    EXPECT_EQ(UnitLong(0xF204), ipBefore);
    EXPECT_EQ(session.image.NetAddress[0] >> 24, 172u);
}

}  // namespace
