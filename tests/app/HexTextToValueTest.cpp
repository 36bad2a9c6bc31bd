#include <gtest/gtest.h>

#include "core/app/HexTextToValue.h"

namespace {

TEST(HexTextToValueTest, Cases) {
    const struct {
        const char* text;
        int result;
        std::uint32_t value;
    } cases[] = {
        {"0", 0, 0},
        {"80000002", 0, 0x80000002u},
        {"abcDEF12", 0, 0xABCDEF12u},
        {"123456789", 0, 0x23456789u},  // more than 8 digits: the last 8 count
        {"", 0, 0},
        {"12G4", -1, 0},
        {" 12", -1, 0},
        {"0x12", -1, 0},
    };
    for (const auto& c : cases) {
        std::uint32_t value = 0xDEADBEEF;
        EXPECT_EQ(HexTextToValue(c.text, &value), c.result) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

}  // namespace
