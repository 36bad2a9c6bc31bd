// An independent master, the Debian libmodbus library, reads and writes a simulated unit over a
// pseudo-terminal: the simulator's frames are what any Modbus RTU master expects.
#include <gtest/gtest.h>
#include <modbus.h>

#include <array>
#include <cerrno>

#include "sim/SimPtyServer.h"
#include "sim/SimRegisterMap.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

class SimLibmodbusPeer : public ::testing::Test {
protected:
    void Open(GwType type, int slave, std::vector<int> units = {0}) {
        server = std::make_unique<CSimPtyServer>(CSimLine::ConfigOf(type, std::move(units)));
        ASSERT_EQ(server->Start(), 0);
        context = modbus_new_rtu(server->DevicePath().c_str(), 9600, 'N', 8, 1);
        ASSERT_NE(context, nullptr);
        ASSERT_EQ(modbus_set_slave(context, slave), 0);
        modbus_set_response_timeout(context, 1, 0);
        ASSERT_EQ(modbus_connect(context), 0) << modbus_strerror(errno);
    }
    void TearDown() override {
        if (context != nullptr) {
            modbus_close(context);
            modbus_free(context);
        }
    }
    std::uint16_t Register(int unit, std::uint16_t address) {
        return server->WithCore([&](CGwSimCore& core) { return core.Register(unit, address); });
    }

    std::unique_ptr<CSimPtyServer> server;
    modbus_t* context = nullptr;
};

TEST_F(SimLibmodbusPeer, ReadsTheParameterBlockOfEachAddressingKind) {
    for (const auto& [type, slave] : {std::pair{GW_KAVELIS, 0x3F}, std::pair{GW_VOSK, 0xD1}}) {
        TearDown();
        context = nullptr;
        Open(type, slave, {0, 1});
        const int unit = type == GW_KAVELIS ? 0 : 1;
        std::array<std::uint16_t, 16> words{};
        ASSERT_EQ(modbus_read_registers(context, 0xF100, 16, words.data()), 16) << modbus_strerror(errno);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(words[i], Register(unit, static_cast<std::uint16_t>(0xF100 + i))) << i;
        std::array<std::uint16_t, 96> alarms{};
        if (type != GW_KAVELIS) {
            EXPECT_EQ(modbus_read_registers(context, 0xF400, 96, alarms.data()), 96)
                << modbus_strerror(errno);
        }
    }
}

TEST_F(SimLibmodbusPeer, WritesRegistersAndTheRestartCoil) {
    Open(GW_DRAVO, 0xD0);
    const std::array<std::uint16_t, 2> words{0x1111, 0x2222};
    ASSERT_EQ(modbus_write_registers(context, 0xF380, 2, words.data()), 2) << modbus_strerror(errno);
    EXPECT_EQ(Register(0, 0xF380), 0x1111);
    EXPECT_EQ(Register(0, 0xF381), 0x2222);
    EXPECT_EQ(modbus_write_bit(context, SIM_COIL_RESTART, 1), 1) << modbus_strerror(errno);
}

TEST_F(SimLibmodbusPeer, ReportSlaveIdAndExceptions) {
    Open(GW_VOSK_ML3, 0xD0);
    std::array<std::uint8_t, MODBUS_MAX_PDU_LENGTH> id{};
    ASSERT_EQ(modbus_report_slave_id(context, static_cast<int>(id.size()), id.data()), 6)
        << modbus_strerror(errno);
    EXPECT_EQ(id[0], 0x50);
    EXPECT_EQ(id[1], 0x00) << "MANU: not running";
    std::uint16_t word = 0;
    EXPECT_EQ(modbus_read_registers(context, 0xF0FF, 1, &word), -1);
    EXPECT_EQ(errno, EMBXILADD);
    server->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    const std::uint16_t network = 0x0005;
    EXPECT_EQ(modbus_write_registers(context, 0xF103, 1, &network), -1);
    EXPECT_EQ(errno, EMBXSBUSY);
}

}  // namespace
