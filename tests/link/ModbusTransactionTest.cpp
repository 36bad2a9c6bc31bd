#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/ExchangeCauseText.h"
#include "core/app/texts/MsgText.h"
#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusTransaction.h"
#include "core/link/SpeedCodes.h"
#include "tests/link/LinkFixture.h"
#include "tests/support/ScriptedHost.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string readText = "3F03F1000010";
const Bytes readRequest = WithCrc({0x3F, 0x03, 0xF1, 0x00, 0x00, 0x10});

Bytes ReadReplyOf(std::uint8_t slave, std::uint8_t function) {
    Bytes frame = {slave, function, 0x20};
    for (int i = 0; i < 32; ++i) frame.push_back(static_cast<std::uint8_t>(i));
    return WithCrc(frame);
}

class TransactOverPty : public LinkOverPty {
protected:
    int Run(const std::string& text) {
        return ModbusTransact(link, host, commBusy, text, reply.data(), replyLength);
    }
    int RunSearch(const std::string& text) {
        return SearchTransact(link, host, searchBusy, text, reply.data(), replyLength);
    }

    ScriptedHost host;
    bool commBusy = true;
    bool searchBusy = true;
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
};

TEST_F(TransactOverPty, AcceptedReplyIsHandedBackWhole) {
    peer.Serve({{{ReadReplyOf(0x3F, 0x03)}}});
    EXPECT_EQ(Run(readText), COMM_OK);
    peer.Finish();
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0], readRequest);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + static_cast<long>(replyLength)), ReadReplyOf(0x3F, 0x03));
    EXPECT_TRUE(commBusy) << "success leaves the caller's busy flag to the caller";
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.progressSteps.empty());
}

TEST_F(TransactOverPty, GatewayAnsweringOnlyTheSecondAttemptSucceeds) {
    peer.Serve({{}, {{ReadReplyOf(0x3F, 0x03)}}});
    EXPECT_EQ(Run(readText), COMM_OK);
    peer.Finish();
    EXPECT_EQ(peer.Requests(), (std::vector<Bytes>{readRequest, readRequest}));
    EXPECT_EQ(host.progressSteps, std::vector<int>{5});
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TransactOverPty, SilentGatewayIsReportedAfterTwoAttempts) {
    peer.Serve({{}, {}});
    EXPECT_EQ(Run(readText), COMM_FAILED);
    peer.Finish();
    EXPECT_EQ(peer.Requests().size(), 2u);
    EXPECT_EQ(host.progressSteps, (std::vector<int>{5, 5}));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Receive time-out error (PC)");
    EXPECT_EQ(host.boxes[0].style, MB_ICON_ERROR);
    EXPECT_EQ(host.boxes[0].detail, "Read Holding Registers to 3Fh at 9600 bps: no reply\n" +
                                        std::string(ExchangeCauseText::FIX_NO_REPLY));
    EXPECT_FALSE(commBusy);
}

TEST_F(TransactOverPty, CorruptedRepliesAreRetriedAndReportedAsTimeOut) {
    Bytes corrupted = ReadReplyOf(0x3F, 0x03);
    corrupted[5] ^= 0x01;
    peer.Serve({{{corrupted}}, {{corrupted}}});
    EXPECT_EQ(Run(readText), COMM_FAILED);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"Receive time-out error (PC)"});
    EXPECT_NE(host.boxes[0].detail.find(": bytes with a bad CRC or broken framing: 3F 03 20"), std::string::npos)
        << host.boxes[0].detail;
    EXPECT_FALSE(commBusy);
}

struct SReplyCheckCase {
    const char* name;
    Bytes reply;
    int expectedResult;
    std::vector<std::string> expectedBoxes;
    std::string cause;  // the detail's first line goes on with it
};

TEST_F(TransactOverPty, RepliesThatDoNotAnswerTheRequestAreNotRetried) {
    const std::vector<SReplyCheckCase> cases = {
        {"exception 06: busy", WithCrc({0x3F, 0x83, 0x06}), COMM_BUSY, {}, ""},
        {"exception 02", WithCrc({0x3F, 0x83, 0x02}), COMM_FAILED, {"Receive data error (PC)"},
         ": exception 02h (illegal data address)"},
        {"another slave", ReadReplyOf(0x3E, 0x03), COMM_FAILED, {"Receive data error (PC)"},
         ": a reply from address 3Eh"},
        {"another function", ReadReplyOf(0x3F, 0x04), COMM_FAILED, {"Receive data error (PC)"},
         ": a reply for function 04h"},
        {"a read reply cut to five bytes", WithCrc({0x3F, 0x03, 0x20}), COMM_FAILED, {"Receive data error (PC)"},
         ": a reply cut short, 5 of 37 bytes: 3F 03 20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.boxes.clear();
        commBusy = true;
        peer.Serve({{{c.reply}}});
        EXPECT_EQ(Run(readText), c.expectedResult);
        peer.Finish();
        EXPECT_EQ(host.Texts(), c.expectedBoxes);
        if (!host.boxes.empty()) {
            const std::string& detail = host.boxes[0].detail;
            const std::string expected = "Read Holding Registers to 3Fh at 9600 bps" + c.cause;
            EXPECT_EQ(detail.substr(0, expected.size()), expected) << detail;
        }
        EXPECT_FALSE(commBusy);
    }
    EXPECT_EQ(peer.Requests().size(), cases.size()) << "one request each: no second attempt";
    EXPECT_TRUE(host.progressSteps.empty());
}

// A write counts as done only when the unit's reply confirms it: a reply cut to five bytes behind a valid
// CRC, the request coming back from the line, or a reply naming another quantity all fail, unretried.
TEST_F(TransactOverPty, AWriteIsDoneOnlyWhenItsReplyConfirmsIt) {
    const std::string writeText = "3F10F10000020400010002";
    const Bytes writeRequest = WithCrc({0x3F, 0x10, 0xF1, 0x00, 0x00, 0x02, 0x04, 0x00, 0x01, 0x00, 0x02});
    const struct {
        const char* name;
        Bytes reply;
        int expected;
        std::string cause;
    } cases[] = {
        {"confirmed", WithCrc({0x3F, 0x10, 0xF1, 0x00, 0x00, 0x02}), COMM_OK, ""},
        {"cut to five bytes", WithCrc({0x3F, 0x10, 0xF1}), COMM_FAILED, ": a reply cut short, 5 of 8 bytes"},
        {"echoed by the line", writeRequest, COMM_FAILED, ": the request came back unchanged (echo)"},
        {"another quantity", WithCrc({0x3F, 0x10, 0xF1, 0x00, 0x00, 0x01}), COMM_FAILED,
         ": the reply confirms another write than the one sent"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.boxes.clear();
        peer.Serve({{{c.reply}}});
        EXPECT_EQ(Run(writeText), c.expected);
        peer.Finish();
        if (c.expected == COMM_OK) {
            EXPECT_TRUE(host.boxes.empty());
            continue;
        }
        ASSERT_EQ(host.Texts(), std::vector<std::string>{"Receive data error (PC)"});
        const std::string expected = "Write Multiple Registers to 3Fh at 9600 bps" + c.cause;
        EXPECT_EQ(host.boxes[0].detail.substr(0, expected.size()), expected) << host.boxes[0].detail;
    }
    EXPECT_EQ(peer.Requests().size(), std::size(cases)) << "one request each: no second attempt";
}

// A reply that stops for longer than the inter-byte limit before its announced end is named as broken
// off, and the link lets its late tail pass before the next request, so that the tail is not taken for
// the retry's reply.
TEST_F(TransactOverPty, AReplyThatBreaksOffIsNamedAndItsLateTailIsNotTakenForTheNext) {
    const Bytes whole = ReadReplyOf(0x3F, 0x03);
    const Bytes head(whole.begin(), whole.begin() + 6);
    const Bytes tail(whole.begin() + 6, whole.end());
    peer.Serve({{{head, 150}, {tail}}, {{whole}}});
    EXPECT_EQ(Run(readText), COMM_OK);
    peer.Finish();
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + static_cast<long>(replyLength)), whole);
    EXPECT_EQ(host.progressSteps, std::vector<int>{5});

    host.boxes.clear();
    peer.Serve({{{head, 150}, {tail}}, {{head, 150}, {tail}}});
    EXPECT_EQ(Run(readText), COMM_FAILED);
    peer.Finish();
    ASSERT_EQ(host.Texts(), std::vector<std::string>{"Receive time-out error (PC)"});
    EXPECT_EQ(host.boxes[0].detail,
              "Read Holding Registers to 3Fh at 9600 bps: the reply broke off after 6 of 37 bytes (no byte for "
              "over 100 ms)\n" +
                  std::string(ExchangeCauseText::FIX_INCOMPLETE));
}

TEST_F(TransactOverPty, BroadcastNeverWaitsForAReply) {
    link.SetResponseTimeout(DEFAULT_RESPONSE_TIMEOUT_MS);
    peer.Serve({{{WithCrc({0x00, 0x45, 0x00, 0x04})}}});  // something answers anyway
    const auto start = Clock::now();
    EXPECT_EQ(Run("0045000400140005"), COMM_OK);
    const auto elapsed = Clock::now() - start;
    peer.Finish();
    EXPECT_GE(elapsed, milliseconds(BROADCAST_PAUSE_MS));
    EXPECT_LT(elapsed, milliseconds(DEFAULT_RESPONSE_TIMEOUT_MS));
    EXPECT_EQ(replyLength, 0u);
    EXPECT_EQ(peer.Requests(), std::vector<Bytes>{WithCrc({0x00, 0x45, 0x00, 0x04, 0x00, 0x14, 0x00, 0x05})});
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TransactOverPty, OddLengthTextLosesItsLastDigit) {
    peer.Serve({{{WithCrc({0x3F, 0x11, 0x05, 0x01, 0xFF, 0x00, 0x12, 0x08})}}});
    EXPECT_EQ(Run("3F117"), COMM_OK);
    peer.Finish();
    EXPECT_EQ(peer.Requests(), std::vector<Bytes>{WithCrc({0x3F, 0x11})});
}

TEST_F(TransactOverPty, MalformedTextsAreRefusedSilentlyAndSendNothing) {
    const std::vector<std::string> texts = {"3F0G", "3F 03", std::string(MAX_REQUEST_DIGITS + 2, 'A')};
    for (const auto& text : texts) {
        SCOPED_TRACE(text.substr(0, 8));
        commBusy = true;
        EXPECT_EQ(Run(text), COMM_FAILED);
        EXPECT_FALSE(commBusy);
    }
    EXPECT_TRUE(host.boxes.empty());
    std::this_thread::sleep_for(milliseconds(20));
    peer.HangUp();
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(TransactOverPty, LongestRequestThatFitsTheFrameBufferGoesOut) {
    std::string text = "3F10";
    text.resize(MAX_REQUEST_DIGITS, '0');
    peer.Serve({{{WithCrc({0x3F, 0x10, 0x00, 0x00, 0x00, 0x00})}}});  // the echo of what was sent
    EXPECT_EQ(Run(text), COMM_OK);
    peer.Finish();
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0].size(), TX_FRAME_BUFFER_SIZE);
}

TEST_F(TransactOverPty, FrameThatCannotBeSentIsReportedAfterTwoAttempts) {
    peer.HangUp();
    EXPECT_EQ(Run(readText), COMM_FAILED);
    EXPECT_EQ(host.Texts(),
              std::vector<std::string>{"Transmitting the parameter to the Gateway unit failed."});
    EXPECT_EQ(host.pumps, 1) << "the user interface runs once between the two attempts";
    EXPECT_FALSE(commBusy);
}

TEST_F(TransactOverPty, SearchTransactTriesOnceAndStaysSilentOnLinkFailures) {
    peer.Serve({{}});
    EXPECT_EQ(RunSearch("D011"), COMM_FAILED);
    peer.Finish();
    EXPECT_EQ(peer.Requests().size(), 1u);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.progressSteps.empty());
    EXPECT_FALSE(searchBusy);
    EXPECT_TRUE(commBusy) << "the main window's flag is not the search's";

    peer.HangUp();
    searchBusy = true;
    EXPECT_EQ(RunSearch("D011"), COMM_FAILED);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(searchBusy);
}

TEST_F(TransactOverPty, SearchTransactReportsABadReplyLikeTheMainOne) {
    peer.Serve({{{WithCrc({0xD1, 0x11, 0x01, 0x00})}}, {{WithCrc({0xD0, 0x91, 0x06})}}});
    EXPECT_EQ(RunSearch("D011"), COMM_FAILED);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"Receive data error (PC)"});
    searchBusy = true;
    EXPECT_EQ(RunSearch("D011"), COMM_BUSY);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_FALSE(searchBusy);
}

TEST_F(TransactOverPty, SpeedSwitchBroadcastsAtNineThousandSixHundredThenFollows) {
    ASSERT_EQ(link.ChangeBaud(2), COMM_OK);
    std::vector<std::string> texts;
    int baudIndexDuringBroadcast = -1;
    const TransactFunction recorder = [&](std::string_view text, std::uint8_t*, std::size_t& length) {
        texts.emplace_back(text);
        baudIndexDuringBroadcast = link.BaudIndex();
        length = 0;
        return COMM_OK;
    };
    const auto start = Clock::now();
    EXPECT_EQ(SwitchGatewaySpeed(recorder, link, 4), COMM_OK);
    EXPECT_GE(Clock::now() - start, milliseconds(600)) << "settle, break and pause come first";
    EXPECT_EQ(texts, std::vector<std::string>{"0045000400140005"});
    EXPECT_EQ(baudIndexDuringBroadcast, 0);
    EXPECT_EQ(link.BaudIndex(), 4);
}

TEST_F(TransactOverPty, SpeedSwitchReturnsTheBroadcastResult) {
    const TransactFunction failing = [](std::string_view, std::uint8_t*, std::size_t&) {
        return COMM_FAILED;
    };
    EXPECT_EQ(SwitchGatewaySpeed(failing, link, 1), COMM_FAILED);
    EXPECT_EQ(link.BaudIndex(), 1);
}

TEST(SpeedCodes, BothDirections) {
    const std::vector<std::pair<int, int>> table = {
        {9600, 0x0004},  {14400, 0x0011}, {19200, 0x0005},  {28800, 0x0012},  {38400, 0x0006},
        {57600, 0x0013}, {76800, 0x0007}, {115200, 0x0014}, {230400, 0x0015}, {460800, 0x0100}};
    for (const auto& [bps, code] : table) {
        EXPECT_EQ(SpeedCodeOf(bps), code) << bps;
        EXPECT_EQ(BpsOfSpeedCode(static_cast<std::uint16_t>(code)), bps) << code;
    }
    EXPECT_EQ(SpeedCodeOf(4800), -1);
    EXPECT_EQ(BpsOfSpeedCode(0x0099), 9600);
    EXPECT_EQ(SpeedBroadcastText(4800), "00450004FFFF0005");
    EXPECT_EQ(SpeedBroadcastText(9600), "0045000400040005");
}

TEST(TransactTexts, ComeFromTheTables) {
    EXPECT_EQ(MsgText[11], "Transmitting the parameter to the Gateway unit failed.");
    EXPECT_EQ(CommonMsgText[51], "Receive time-out error (PC)");
    EXPECT_EQ(CommonMsgText[58], "Receive data error (PC)");
}

}  // namespace
