// The length a reply's first bytes announce, for every reply kind the gateway sends.
#include <gtest/gtest.h>

#include <vector>

#include "core/link/ReplyFrameLength.h"

namespace {

struct SAnnouncedCase {
    const char* what;
    std::vector<std::uint8_t> head;
    std::size_t announced;
};

TEST(ReplyFrameLength, AnnouncedByTheHeader) {
    const SAnnouncedCase cases[] = {
        {"nothing yet", {}, 0},
        {"address only", {0xD0}, 0},
        {"read, before its byte count", {0xD0, 0x03}, 0},
        {"read of 16 registers", {0xD0, 0x03, 0x20}, 37},
        {"read of 72 registers", {0xD0, 0x03, 0x90}, 149},
        {"input registers", {0xD0, 0x04, 0x02}, 7},
        {"report slave ID", {0x3F, 0x11, 0x06}, 11},
        {"write multiple echo", {0xD0, 0x10}, 8},
        {"write single echo", {0xD0, 0x06}, 8},
        {"restart coil echo", {0xD0, 0x05}, 8},
        {"exception", {0xD0, 0x90}, 5},
        {"exception of a read", {0xD0, 0x83, 0x06}, 5},
        {"vendor function: no announced length", {0xD0, 0x45, 0x00}, 0},
        {"unknown function", {0xD0, 0x2B, 0x0E}, 0},
    };
    for (const SAnnouncedCase& c : cases)
        EXPECT_EQ(AnnouncedReplyLength(c.head.data(), c.head.size()), c.announced) << c.what;
}

}  // namespace
