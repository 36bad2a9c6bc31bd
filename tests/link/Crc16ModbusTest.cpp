#include <gtest/gtest.h>

#include <vector>

#include "core/link/Crc16Modbus.h"
#include "core/link/ModbusBytes.h"

namespace {

struct CrcCase {
    std::vector<std::uint8_t> frame;
    std::uint16_t expected;  // high byte = the byte sent first
};

// Known answers: the classic read request, a speed broadcast, a Report Slave ID probe and the empty frame.
TEST(Crc16Modbus, KnownAnswers) {
    const std::vector<CrcCase> cases = {
        {{0x01, 0x03, 0x00, 0x00, 0x00, 0x01}, 0x840A},
        {{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03}, 0x7687},
        {{0x01, 0x04, 0x00, 0x00, 0x00, 0x01}, 0x31CA},
        {{}, 0xFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Crc16Modbus(c.frame.data(), c.frame.size()), c.expected);
    }
}

TEST(Crc16Modbus, TablesHoldTheClassicEntries) {
    EXPECT_EQ(CrcHighTable[0], 0x00);
    EXPECT_EQ(CrcHighTable[1], 0xC1);
    EXPECT_EQ(CrcLowTable[1], 0xC0);
    EXPECT_EQ(CrcHighTable[255], 0x40);
    EXPECT_EQ(CrcLowTable[255], 0x40);
}

TEST(HexTextToBytes, ConvertsAndRefuses) {
    std::uint8_t out[8] = {};
    ASSERT_EQ(HexTextToBytes("D0030F0Eab", out), 0);
    EXPECT_EQ(out[0], 0xD0);
    EXPECT_EQ(out[3], 0x0E);
    EXPECT_EQ(out[4], 0xAB);
    EXPECT_EQ(HexTextToBytes("12G4", out), -1);
}

TEST(BigEndian, Decoders) {
    const std::uint8_t bytes[] = {0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(GetBE16(bytes), 0x1234);
    EXPECT_EQ(GetBE32(bytes), 0x12345678u);
}

}  // namespace
