#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/monitors/AxisValueText.h"
#include "core/monitors/RegisterValueText.h"

namespace {

struct SRegisterTextCase {
    std::uint16_t value;
    const char* hex;
    const char* bin;
};

TEST(RegisterValueText, HexAndGroupedBinary) {
    const SRegisterTextCase cases[] = {
        {0x0000, "0000", "0000 0000 0000 0000"}, {0xFFFF, "FFFF", "1111 1111 1111 1111"},
        {0x0012, "0012", "0000 0000 0001 0010"}, {0x8001, "8001", "1000 0000 0000 0001"},
        {0x00A5, "00A5", "0000 0000 1010 0101"}, {0x1000, "1000", "0001 0000 0000 0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegisterValueText(c.value, false), c.hex) << c.value;
        EXPECT_EQ(RegisterValueText(c.value, true), c.bin) << c.value;
        EXPECT_EQ(RegisterBinText(c.value).size(), 19u);
    }
}

struct SLongCase {
    std::uint16_t low, high;
    const char* text;
};

TEST(AxisValueText, ThirtyTwoBitValuesTakeTheLowWordFirst) {
    const SLongCase cases[] = {
        {0xFFFF, 0xFFFF, "-1"},     {0x0001, 0x0000, "1"},           {0x0000, 0x0001, "65536"},
        {0x86A0, 0x0001, "100000"}, {0x0000, 0x8000, "-2147483648"}, {0xFFFF, 0x7FFF, "2147483647"},
    };
    for (const auto& c : cases) EXPECT_EQ(AxisLongText(c.low, c.high), c.text) << c.text;
}

TEST(AxisValueText, SignedUnsignedStatusAndNumberColumns) {
    EXPECT_EQ(AxisSignedText(0x8000), "-32768");
    EXPECT_EQ(AxisUnsignedText(0x8000), "32768");
    EXPECT_EQ(AxisSignedText(0xFFFF), "-1");
    EXPECT_EQ(AxisUnsignedText(0xFFFF), "65535");
    EXPECT_EQ(AxisSignedText(0x7FFF), "32767");
    EXPECT_EQ(AxisStatusText(0x0008), "0000 0000 0000 1000");
    // Bit 3 of the status turns the number hexadecimal, gateway to master only.
    EXPECT_EQ(AxisNumberText(0x00A5, 0x0008, true), "A5");
    EXPECT_EQ(AxisNumberText(0x00A5, 0x0008, false), "165");
    EXPECT_EQ(AxisNumberText(0x00A5, 0x0007, true), "165");
    EXPECT_EQ(AxisNumberText(0x0005, 0xFFFF, true), "05");
}

}  // namespace
