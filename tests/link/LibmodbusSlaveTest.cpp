// Our master against an independent RTU slave: the Debian libmodbus library, serving on the other side
// of a pseudo-terminal from a thread of its own.
#include <gtest/gtest.h>
#include <modbus.h>

#include <array>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "core/link/ModbusBytes.h"
#include "core/link/ModbusTransaction.h"
#include "tests/link/LinkFixture.h"
#include "tests/support/ScriptedHost.h"

namespace {

constexpr int SLAVE_ADDRESS = 1;
constexpr int COIL_COUNT = 0x500;
constexpr int REGISTER_COUNT = 0x100;
constexpr int RESTART_COIL = 0x040F;

class LibmodbusSlave {
public:
    explicit LibmodbusSlave(int masterFd) {
        context = modbus_new_rtu("/dev/null", 9600, 'N', 8, 1);
        modbus_set_slave(context, SLAVE_ADDRESS);
        modbus_set_socket(context, masterFd);
        modbus_set_indication_timeout(context, 0, 20000);
        mapping = modbus_mapping_new(COIL_COUNT, 0, REGISTER_COUNT, 0);
        for (int i = 0; i < REGISTER_COUNT; ++i)
            mapping->tab_registers[i] = static_cast<std::uint16_t>(0x1000 + i);
        server = std::thread([this] { Serve(); });
    }
    ~LibmodbusSlave() {
        stopping = true;
        server.join();
        modbus_set_socket(context, -1);  // the pseudo-terminal belongs to the test peer
        modbus_free(context);
        modbus_mapping_free(mapping);
    }

    modbus_mapping_t* mapping = nullptr;

private:
    void Serve() {
        std::array<std::uint8_t, MODBUS_RTU_MAX_ADU_LENGTH> query{};
        while (!stopping) {
            const int length = modbus_receive(context, query.data());
            if (length > 0) modbus_reply(context, query.data(), length, mapping);
        }
    }

    modbus_t* context = nullptr;
    std::thread server;
    std::atomic<bool> stopping{false};
};

class MasterAgainstLibmodbus : public LinkOverPty {
protected:
    int Run(const std::string& text) {
        return ModbusTransact(link, host, commBusy, text, reply.data(), replyLength);
    }

    LibmodbusSlave slave{peer.MasterFd()};
    ScriptedHost host;
    bool commBusy = true;
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
};

TEST_F(MasterAgainstLibmodbus, ReadsHoldingRegisters) {
    ASSERT_EQ(Run("010300100003"), COMM_OK) << (host.boxes.empty() ? "" : host.boxes[0].text);
    ASSERT_EQ(replyLength, 3u + 6u + 2u);
    EXPECT_EQ(reply[2], 6);
    EXPECT_EQ(GetBE16(&reply[3]), 0x1010);
    EXPECT_EQ(GetBE16(&reply[5]), 0x1011);
    EXPECT_EQ(GetBE16(&reply[7]), 0x1012);
}

TEST_F(MasterAgainstLibmodbus, WritesRegistersThenReadsThemBack) {
    ASSERT_EQ(Run("0110002000030612345678ABCD"), COMM_OK);
    EXPECT_EQ(GetBE16(&reply[2]), 0x0020);
    EXPECT_EQ(GetBE16(&reply[4]), 3);
    EXPECT_EQ(slave.mapping->tab_registers[0x20], 0x1234);
    EXPECT_EQ(slave.mapping->tab_registers[0x21], 0x5678);
    EXPECT_EQ(slave.mapping->tab_registers[0x22], 0xABCD);
    ASSERT_EQ(Run("010300200003"), COMM_OK);
    EXPECT_EQ(GetBE16(&reply[7]), 0xABCD);
}

TEST_F(MasterAgainstLibmodbus, SetsTheRestartCoil) {
    ASSERT_EQ(Run("0105040FFF00"), COMM_OK);
    EXPECT_EQ(GetBE16(&reply[2]), RESTART_COIL);
    EXPECT_EQ(GetBE16(&reply[4]), 0xFF00);
    EXPECT_EQ(slave.mapping->tab_bits[RESTART_COIL], 1);
}

TEST_F(MasterAgainstLibmodbus, ReadsTheSlaveId) {
    ASSERT_EQ(Run("0111"), COMM_OK);
    const std::size_t byteCount = reply[2];
    ASSERT_EQ(replyLength, 3 + byteCount + 2);
    const std::string id(reinterpret_cast<const char*>(&reply[3]), byteCount);
    EXPECT_NE(id.find("LMB"), std::string::npos);
}

TEST_F(MasterAgainstLibmodbus, ExceptionForAnUnknownRegisterIsADataError) {
    EXPECT_EQ(Run("01030F000001"), COMM_FAILED);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"Receive data error (PC)"});
    EXPECT_FALSE(commBusy);
}

}  // namespace
