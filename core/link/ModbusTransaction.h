#pragma once
// One request/reply exchange with the gateway: request text to frame, CRC, send, receive with retry,
// reply check, and the message the user sees when it fails.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "core/app/HostServices.h"
#include "core/link/CommUnit.h"

inline constexpr std::size_t TX_FRAME_BUFFER_SIZE = 260;
// The longest request text that fits the frame buffer together with its CRC. Longer texts are refused.
inline constexpr std::size_t MAX_REQUEST_DIGITS = 2 * (TX_FRAME_BUFFER_SIZE - 2);
inline constexpr int BROADCAST_PAUSE_MS = 100;
inline constexpr int FAILED_RECEIVE_PROGRESS_STEP = 5;

// 0 when the reply answers the request (always for a broadcast), COMM_BUSY for exception 06,
// COMM_BAD_REPLY otherwise. Both frames with their CRC; the judge is ClassifyReply.
int CheckReply(std::span<const std::uint8_t> request, std::span<const std::uint8_t> reply);

// How a transaction treats send and receive failures.
struct STransactPolicy {
    int sendBudget;
    int receiveBudget;
    bool reportLinkFailures;  // show the failure and advance the progress bar per failed receive
};

// The main window's transaction: a second attempt, every failure reported.
inline constexpr STransactPolicy MAIN_WINDOW_TRANSACT{2, 2, true};
// The unit search's transaction: one attempt, send and receive failures silent.
inline constexpr STransactPolicy SEARCH_TRANSACT{1, 1, false};

// Runs one exchange. Returns 0 (the reply frame, CRC included, is in `replyBuffer`, which must hold
// RX_BUFFER_SIZE bytes), COMM_FAILED (the user has been told, except after a stop request of the link,
// for a request text that is not hex or too long, and for silent link failures) or COMM_BUSY. Every
// failure clears `busyFlag`.
int Transact(const STransactPolicy& policy, CCommUnit& link, HostServices& host, bool& busyFlag,
             std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength);

// The main window's transaction; clears `commBusy` on failure.
int ModbusTransact(CCommUnit& link, HostServices& host, bool& commBusy, std::string_view requestText,
                   std::uint8_t* replyBuffer, std::size_t& replyLength);

// The unit search's transaction; clears the search dialog's own busy flag on failure.
int SearchTransact(CCommUnit& link, HostServices& host, bool& searchBusy, std::string_view requestText,
                   std::uint8_t* replyBuffer, std::size_t& replyLength);

// A transaction bound to its link, host and busy flag, as the speed switch and other sequences call it.
using TransactFunction =
    std::function<int(std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength)>;
