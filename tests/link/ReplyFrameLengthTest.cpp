// The length a reply's first bytes announce, for every reply kind the gateway sends.
#include <gtest/gtest.h>

#include <vector>

#include "core/link/ReplyFrameLength.h"

namespace {

using Kind = ReplyLengthKind;

struct SAnnouncedCase {
    const char* what;
    std::vector<std::uint8_t> head;
    Kind kind;
    std::size_t announced;
};

TEST(ReplyFrameLength, AnnouncedByTheHeader) {
    const SAnnouncedCase cases[] = {
        {"nothing yet", {}, Kind::HeaderIncomplete, 0},
        {"address only", {0xD0}, Kind::HeaderIncomplete, 0},
        {"read, before its byte count", {0xD0, 0x03}, Kind::HeaderIncomplete, 0},
        {"read of 16 registers", {0xD0, 0x03, 0x20}, Kind::Announced, 37},
        {"read of 72 registers", {0xD0, 0x03, 0x90}, Kind::Announced, 149},
        {"read of no register", {0xD0, 0x03, 0x00}, Kind::Announced, 5},
        {"input registers", {0xD0, 0x04, 0x02}, Kind::Announced, 7},
        {"discrete inputs", {0xD0, 0x02, 0x01}, Kind::Announced, 6},
        {"report slave ID", {0x3F, 0x11, 0x06}, Kind::Announced, 11},
        {"report slave ID, before its byte count", {0x3F, 0x11}, Kind::HeaderIncomplete, 0},
        {"write multiple echo", {0xD0, 0x10}, Kind::Announced, 8},
        {"write single echo", {0xD0, 0x06}, Kind::Announced, 8},
        {"restart coil echo", {0xD0, 0x05}, Kind::Announced, 8},
        {"exception", {0xD0, 0x90}, Kind::Announced, 5},
        {"exception of a read", {0xD0, 0x83, 0x06}, Kind::Announced, 5},
        {"exception of the vendor function", {0xD0, 0xC5}, Kind::Announced, 5},
        {"vendor function", {0xD0, 0x45, 0x00}, Kind::Unannounced, 0},
        {"vendor function, header only", {0xD0, 0x45}, Kind::Unannounced, 0},
        {"unknown function", {0xD0, 0x2B, 0x0E}, Kind::Unannounced, 0},
    };
    for (const SAnnouncedCase& c : cases) {
        const SReplyLength got = ReplyLengthOf(c.head.data(), c.head.size());
        EXPECT_EQ(got.kind, c.kind) << c.what;
        EXPECT_EQ(got.length, c.announced) << c.what;
    }
}

}  // namespace
