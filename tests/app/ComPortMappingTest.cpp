#include <gtest/gtest.h>

#include "core/app/ComPortMapping.h"

namespace {

TEST(ComPortMappingTest, RangesAndOverrides) {
    const std::map<int, std::string> overrides = {
        {12, "/dev/serial/by-id/usb-gw"}, {200, "/dev/pts/4"}, {5, ""}};
    const struct {
        int com;
        const char* device;
    } cases[] = {
        {1, "/dev/ttyS0"},
        {12, "/dev/serial/by-id/usb-gw"},
        {13, "/dev/ttyS12"},
        {32, "/dev/ttyS31"},
        {33, "/dev/ttyUSB0"},
        {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"},
        {96, "/dev/ttyACM31"},
        {97, ""},
        {0, ""},
        {-3, ""},
        {200, "/dev/pts/4"},
        {5, "/dev/ttyS4"},  // an empty mapping does not hide the standard device
    };
    for (const auto& c : cases) EXPECT_EQ(ComPortDevicePath(c.com, overrides), c.device) << "COM" << c.com;
    EXPECT_EQ(ComPortDevicePath(12, {}), "/dev/ttyS11");
}

}  // namespace
