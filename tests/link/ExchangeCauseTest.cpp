// What a failed exchange says about its cause: one line per exchange from what came back, and the fix
// of the most telling one.
#include <gtest/gtest.h>

#include "core/app/texts/ExchangeCauseText.h"
#include "core/link/ExchangeCause.h"
#include "tests/link/PtyPeer.h"

namespace {

namespace Text = ExchangeCauseText;

const Bytes ReportSlaveIdToD0 = WithCrc({0xD0, 0x11});
const Bytes ReadToD0 = WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x10});
const Bytes WriteToD0 = WithCrc({0xD0, 0x10, 0xF1, 0x00, 0x00, 0x02, 0x04, 0x00, 0x01, 0x00, 0x02});

// The two CRC bytes of `frame` as the cause lines print them.
std::string CrcText(const Bytes& frame) {
    const Bytes whole = WithCrc(frame);
    return HexBytesText({whole.end() - 2, whole.end()});
}

SExchangeOutcome Outcome(const Bytes& request, const Bytes& received, int result = COMM_OK) {
    return {request, received, result, 115200};
}

TEST(ExchangeCause, EachReplyNamesItsCauseAndFix) {
    const struct {
        const char* name;
        SExchangeOutcome outcome;
        std::string cause;
        std::string fix;
    } cases[] = {
        {"nothing", Outcome(ReadToD0, {}, COMM_TIMEOUT),
         "Read Holding Registers to D0h at 115200 bps: no reply", std::string(Text::FIX_NO_REPLY)},
        {"echo", Outcome(ReportSlaveIdToD0, ReportSlaveIdToD0, COMM_CRC_ERROR),
         "Report Slave ID to D0h at 115200 bps: the request came back unchanged (echo)",
         std::string(Text::FIX_ECHO)},
        {"garbled", Outcome(ReportSlaveIdToD0, {0x12, 0x80, 0xFE, 0x00, 0x00}, COMM_CRC_ERROR),
         "Report Slave ID to D0h at 115200 bps: bytes with a bad CRC or broken framing: 12 80 FE 00 00",
         std::string(Text::FIX_GARBLED)},
        {"unit 1 answers", Outcome(ReportSlaveIdToD0, WithCrc({0xD1, 0x11, 0x01, 0x00})),
         "Report Slave ID to D0h at 115200 bps: a reply from address D1h",
         "Fix: if unit 1 is the unit meant, choose it (gwcli --unit 1); otherwise make sure no second "
         "device on the line answers in its place"},
        {"a stranger answers", Outcome(ReportSlaveIdToD0, WithCrc({0x3E, 0x11, 0x01, 0x00})),
         "Report Slave ID to D0h at 115200 bps: a reply from address 3Eh", std::string(Text::FIX_OTHER_ADDRESS)},
        {"AUTO mode", Outcome(ReadToD0, WithCrc({0xD0, 0x83, 0x06})),
         "Read Holding Registers to D0h at 115200 bps: exception 06h (slave device busy: the unit is in AUTO "
         "mode)",
         std::string(Text::FIX_BUSY)},
        {"refused", Outcome(ReadToD0, WithCrc({0xD0, 0x83, 0x02})),
         "Read Holding Registers to D0h at 115200 bps: exception 02h (illegal data address)",
         std::string(Text::FIX_EXCEPTION)},
        {"broke off", Outcome(WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x03}), {0xD0, 0x03, 0x06, 0x00, 0x01, 0x00},
                              COMM_INCOMPLETE),
         "Read Holding Registers to D0h at 115200 bps: the reply broke off after 6 of 11 bytes (no byte for "
         "over 100 ms)",
         std::string(Text::FIX_INCOMPLETE)},
        {"write reply cut short", Outcome(WriteToD0, WithCrc({0xD0, 0x10, 0xF1})),
         "Write Multiple Registers to D0h at 115200 bps: a reply cut short, 5 of 8 bytes: D0 10 F1 " +
             CrcText({0xD0, 0x10, 0xF1}),
         std::string(Text::FIX_MISFIT)},
        {"write reply naming another quantity", Outcome(WriteToD0, WithCrc({0xD0, 0x10, 0xF1, 0x00, 0x00, 0x01})),
         "Write Multiple Registers to D0h at 115200 bps: the reply confirms another write than the one sent: "
         "D0 10 F1 00 00 01 " + CrcText({0xD0, 0x10, 0xF1, 0x00, 0x00, 0x01}),
         std::string(Text::FIX_MISFIT)},
    };
    for (const auto& c : cases) {
        const std::vector<SExchangeOutcome> one{c.outcome};
        EXPECT_EQ(ExchangeCauseDetail(one), c.cause + "\n" + c.fix) << c.name;
    }
}

TEST(ExchangeCause, SeveralExchangesGiveOneLineEachAndTheFixOfTheMostTelling) {
    const Bytes toD1 = WithCrc({0xD1, 0x11});
    const std::vector<SExchangeOutcome> probes = {Outcome(ReportSlaveIdToD0, WithCrc({0xD0, 0x91, 0x06})),
                                                  Outcome(toD1, {}, COMM_TIMEOUT)};
    EXPECT_EQ(ExchangeCauseDetail(probes),
              "Report Slave ID to D0h at 115200 bps: exception 06h (slave device busy: the unit is in AUTO mode)\n"
              "Report Slave ID to D1h at 115200 bps: no reply\n" +
                  std::string(Text::FIX_BUSY));
    EXPECT_EQ(MostTellingOutcome(probes), &probes[0]);
    const std::vector<SExchangeOutcome> answered = {
        Outcome(toD1, WithCrc({0xD1, 0x11, 0x06, 0x82, 0x00, 0x00, 0x12, 0x08, 0x01}))};
    EXPECT_EQ(MostTellingOutcome(answered), nullptr) << "a valid reply explains no failure";
}

TEST(ExchangeCause, LongRunsOfBrokenBytesAreCutOff) {
    const Bytes noise(40, 0x55);
    const std::string line = ExchangeCauseLine(Outcome(ReportSlaveIdToD0, noise, COMM_CRC_ERROR));
    EXPECT_NE(line.find("55 55 ..."), std::string::npos) << line;
    EXPECT_LT(line.size(), 140u) << line;
}

TEST(ExchangeCause, AUnitAtAnotherSpeedIsNamedWithTheSpeedToChoose) {
    EXPECT_EQ(OtherSpeedDetail(19200),
              "The unit answers at 19200 bps\nFix: choose 19200 bps in Setting > Port Config (gwcli --baud 19200)");
}

}  // namespace
