#include "sim/SimFrame.h"

#include <gtest/gtest.h>

#include "tests/sim/SimTestFrames.h"

namespace {

// The unit answers as soon as a whole request with a good CRC is in; a partial, corrupted or unknown
// frame waits for the end-of-frame silence.
TEST(SimFrame, CompleteRequestsByFunctionCode) {
    const struct {
        SimBytes frame;
        bool complete;
    } cases[] = {
        {Frame("D003F1000010"), true},
        {Frame("3F05040FFF00"), true},
        {Frame("D0100F3800020400A50000"), true},
        {Frame("D011"), true},
        {Frame("0045000400140005"), true},
        {Frame("D04500180000ABCD"), true},
        {HexBytes("D003F100"), false},                 // still arriving
        {HexBytes("D0100F3800020400A5"), false},       // data still arriving
        {HexBytes("D003F10000100000"), false},         // wrong CRC
        {Frame("D02B0E01"), false},                    // unknown function: the silence decides
        {[] { auto f = Frame("D003F1000010"); f.push_back(0); return f; }(), false},  // trailing byte
    };
    for (const auto& c : cases) EXPECT_EQ(IsCompleteRequest(c.frame), c.complete) << HexText(c.frame);
}

}  // namespace
