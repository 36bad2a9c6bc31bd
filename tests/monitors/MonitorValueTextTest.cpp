#include <gtest/gtest.h>

#include "core/monitors/MonitorValueText.h"

namespace {

TEST(MonitorValueText, TenthsInGeneralNotation) {
    const struct {
        std::uint16_t word;
        const char* text;
    } cases[] = {{0, "0"},    {1, "0.1"},    {15, "1.5"},      {120, "12"},
                 {240, "24"}, {241, "24.1"}, {65535, "6553.5"}};
    for (const auto& c : cases) EXPECT_EQ(TenthsText(c.word), c.text) << c.word;
}

TEST(MonitorValueText, ScaledDecimalNeverWrapsAt16Bits) {
    EXPECT_EQ(ScaledDecimalText(123, 10), "1230");
    EXPECT_EQ(ScaledDecimalText(0, 10), "0");
    EXPECT_EQ(ScaledDecimalText(65535, 10), "655350");
    EXPECT_EQ(ScaledDecimalText(65535), "65535");
}

}  // namespace
