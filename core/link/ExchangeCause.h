#pragma once
// Why an exchange failed, told from what it got back: no reply, its own echo, broken bytes, a reply
// from another address or an exception; as detail lines below the failure's box, the cause of each
// exchange and then the fix of the most telling one. Nothing more is sent to find it out.
#include <cstdint>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/CommResult.h"
#include "core/link/ReplyClassification.h"

struct SExchangeOutcome {
    std::vector<std::uint8_t> request;   // the frame sent, CRC included
    std::vector<std::uint8_t> received;  // what the receive collected
    int receiveResult = COMM_TIMEOUT;
    int bps = 0;
    bool linkLost = false;  // the receive ended because the device or the server connection went away

    SReplyClass Reply() const { return ClassifyReply(request, received, receiveResult); }
};

// The outcome of a request given as its text (the CRC is added as the transaction adds it) whose reply
// was received but did not fit.
SExchangeOutcome OutcomeOfReply(std::string_view requestText, const std::uint8_t* reply, std::size_t length,
                                int bps);

// "D0h": an address or a code in hexadecimal, as the texts give it.
std::string HexByteText(std::uint8_t byte);
// "D0 11 ...": bytes in hexadecimal; a run longer than `shown` is cut off with "...".
std::string HexBytesText(std::span<const std::uint8_t> bytes, std::size_t shown = SIZE_MAX);

// What came back, as the connection check says it: ": no reply", ": exception 06h (...)", ...
std::string ReplyDescription(const SReplyClass& reply, std::span<const std::uint8_t> received);
// "Read Holding Registers to D0h at 115200 bps: no reply".
std::string ExchangeCauseLine(const SExchangeOutcome& outcome);
// How much a kind of reply explains a failure, most first: an echo, an exception, another address, a
// reply that does not fit, one that broke off, broken bytes, nothing; a valid reply last.
int ReplyKindRank(EReplyKind kind);
// The outcome that explains most (an echo, then an exception, another address, broken bytes, nothing);
// null for none or only valid replies.
const SExchangeOutcome* MostTellingOutcome(std::span<const SExchangeOutcome> outcomes);
// "Fix: ..." for that outcome.
std::string ExchangeFixLine(const SExchangeOutcome& outcome);
// One cause line per outcome, then the fix of the most telling one.
std::string ExchangeCauseDetail(std::span<const SExchangeOutcome> outcomes);
// "The unit answers at 19200 bps" and its fix, for a unit found at another speed.
std::string OtherSpeedDetail(int bps);
// The detail below the box of an operation the unit refused with exception 06h (busy: AUTO mode).
std::string BusyRefusalDetail();
