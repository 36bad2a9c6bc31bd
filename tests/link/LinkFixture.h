#pragma once
// A link opened on COM12, which the settings map to a pseudo-terminal played by a scripted peer.
#include <gtest/gtest.h>

#include "core/link/CommUnit.h"
#include "tests/link/PtyPeer.h"

inline constexpr int TEST_COM_NUMBER = 12;
inline constexpr std::uint32_t SHORT_RESPONSE_TIMEOUT_MS = 300;

class LinkOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        link.SetPortOverrides({{TEST_COM_NUMBER, peer.DevicePath()}});
        ASSERT_EQ(link.Open(TEST_COM_NUMBER, 0), COMM_OK) << link.OpenFailureReason();
        link.SetResponseTimeout(SHORT_RESPONSE_TIMEOUT_MS);
    }

    CPtyPeer peer;
    int pumps = 0;
    CCommUnit link{[this] { ++pumps; }};
};
