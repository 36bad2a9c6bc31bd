// The line faults of the shell: bytes heard at another speed, and the --fault option.
#include <gtest/gtest.h>

#include "core/link/Crc16Modbus.h"
#include "sim/SimFaultOption.h"
#include "sim/SimLineFaults.h"

namespace {

const std::vector<std::uint8_t> FRAME = {0xD0, 0x11, 0x05, 0x3C};

TEST(SimLineSpeed, EqualSpeedsKeepTheBytes) {
    EXPECT_EQ(ReceivedAtSpeed(FRAME, 19200, 19200), FRAME);
    EXPECT_EQ(ReceivedAtSpeed({}, 9600, 19200), std::vector<std::uint8_t>{});
}

TEST(SimLineSpeed, ReceiverAtHalfSpeedSeesEverySecondBit) {
    // 0xF0 sent at 19200: start 0, data 0 0 0 0 1 1 1 1 (LSB first), stop 1. A receiver at 9600 samples
    // sent bits 1, 3, 5, 7, 9: the start (data 0), then data 2, 4, 6 and the stop bit, then idle.
    EXPECT_EQ(ReceivedAtSpeed({0xF0}, 19200, 9600), std::vector<std::uint8_t>{0xFE});
}

TEST(SimLineSpeed, ReceiverAtDoubleSpeedSplitsEachByte) {
    // 0x00 sent at 9600 is nine bit times low: one character of 0x00 whose stop bit is broken; no
    // falling edge follows, so nothing more.
    EXPECT_EQ(ReceivedAtSpeed({0x00}, 9600, 19200), std::vector<std::uint8_t>{0x00});
    // 0x55 at 9600: each sent bit lasts two received bits. The first character reads sent bits 0-4
    // (0 1 0 1 0 in pairs), the second starts at the next falling edge (sent bit 6) and runs into idle.
    EXPECT_EQ(ReceivedAtSpeed({0x55}, 9600, 19200), (std::vector<std::uint8_t>{0x66, 0xE6}));
}

TEST(SimLineSpeed, GarbledFramesFailTheirCrcAtEveryOtherSpeed) {
    for (const int speed : {9600, 19200, 38400, 57600, 230400, 460800}) {
        const std::vector<std::uint8_t> heard = ReceivedAtSpeed(FRAME, 115200, speed);
        const bool crcHolds = heard.size() >= 4 && Crc16Modbus(heard.data(), heard.size() - 2) ==
                                                       ((heard[heard.size() - 2] << 8) | heard.back());
        EXPECT_FALSE(crcHolds) << speed;
    }
}

TEST(SimLineSpeed, UnitSpeedGarblesBothWaysReplySpeedOnlyTheReply) {
    SSimFaults unitAt;
    unitAt.unitBps = 19200;
    EXPECT_EQ(RequestAsUnitHearsIt(FRAME, unitAt, 19200), FRAME);
    EXPECT_NE(RequestAsUnitHearsIt(FRAME, unitAt, 115200), FRAME);
    EXPECT_NE(ReplyAsMasterHearsIt(FRAME, unitAt, 115200), FRAME);
    SSimFaults replyAt;
    replyAt.replyBps = 19200;
    EXPECT_EQ(RequestAsUnitHearsIt(FRAME, replyAt, 115200), FRAME);
    EXPECT_NE(ReplyAsMasterHearsIt(FRAME, replyAt, 115200), FRAME);
    EXPECT_EQ(ReplyAsMasterHearsIt(FRAME, SSimFaults{}, 115200), FRAME);
}

TEST(SimFaultOption, NamesSetTheirFaults) {
    SSimFaults faults;
    std::string error;
    for (const char* option : {"echo", "other-address", "busy", "reply-speed=19200", "unit-speed=38400",
                               "silent", "usb-latency=16", "pause=20"})
        EXPECT_TRUE(ApplySimFaultOption(option, faults, error)) << option << ": " << error;
    EXPECT_TRUE(faults.echo);
    EXPECT_TRUE(faults.wrongSlave);
    EXPECT_EQ(faults.exceptionCode, 6);
    EXPECT_EQ(faults.replyBps, 19200);
    EXPECT_EQ(faults.unitBps, 38400);
    EXPECT_TRUE(faults.silent);
    EXPECT_EQ(faults.usbLatencyMs, 16);
    EXPECT_EQ(faults.midReplyPauseMs, 20);
    EXPECT_TRUE(ApplySimFaultOption("exception=2", faults, error));
    EXPECT_EQ(faults.exceptionCode, 2);
}

TEST(SimFaultOption, BadFaultsAreRefusedWithTheirReason) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"loud", "unknown fault: loud"},
        {"echo=1", "--fault echo takes no value"},
        {"unit-speed", "--fault unit-speed needs =VALUE"},
        {"reply-speed=fast", "--fault reply-speed wants a number: fast"},
        {"exception=0", "--fault exception wants a number: 0"},
        {"usb-latency=256", "--fault usb-latency wants a number: 256"},
        {"pause", "--fault pause needs =VALUE"},
    };
    for (const auto& [option, message] : cases) {
        SSimFaults faults;
        std::string error;
        EXPECT_FALSE(ApplySimFaultOption(option, faults, error)) << option;
        EXPECT_EQ(error, message);
        EXPECT_FALSE(faults.echo);
        EXPECT_EQ(faults.unitBps, 0);
        EXPECT_EQ(faults.replyBps, 0);
    }
}

}  // namespace
