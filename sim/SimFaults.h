#pragma once
// Faults the simulated gateway produces on demand, for tests of the master. All are off by default.
#include <cstddef>
#include <cstdint>
#include <vector>

struct SSimFaults {
    bool silent = false;         // requests to a unit on the line go unanswered (and are not obeyed)
    int answerEveryNth = 0;      // > 1: only every n-th request to a unit is obeyed and answered
    bool corruptCrc = false;     // the reply's last CRC byte is inverted
    bool wrongSlave = false;     // the reply names another slave (address with bit 0 inverted)
    bool wrongFunction = false;  // the reply names another function (function code with bit 0 inverted)
    // Read replies (03h) that stay well formed on the line (valid CRC) but do not fit the request:
    bool wrongByteCount = false;         // the byte count names two bytes more than the reply carries
    int dropRegisters = 0;               // this many registers fewer than asked, byte count to match
    int exceptionCode = 0;               // non-zero: every request is answered with this exception code
    std::size_t chunkSize = 0;           // shell: non-zero: the reply leaves in chunks of this many bytes
    int chunkPauseMs = 0;                // shell: the pause between two chunks
    std::vector<std::uint8_t> trailing;  // bytes sent after the reply's CRC
    int delayMs = 0;                     // shell: the wait before the reply leaves
    int midReplyPauseMs = 0;             // shell: the reply's second half follows its first after this pause
    int usbLatencyMs = 0;  // shell: the reply is handed over as a USB adapter with this latency timer does
    // Faults of a write, each on every n-th write it concerns (1: every one, 2: every second, 0: off):
    int writeShortEvery = 0;  // the unit obeys a write (05h, 06h, 0Fh, 10h), but its reply is cut to
                              // address, function, one byte and a valid CRC
    int writeCountEvery = 0;  // the unit obeys a 0Fh/10h write, but its reply names another quantity
    int writeEchoEvery = 0;   // shell: a 0Fh/10h request comes back from the line and never reaches the unit
    // Faults of the line rather than the unit, made by the shell (SimLineFaults.h):
    bool echo = false;  // each request comes back on the line before the reply (an adapter's own echo)
    int replyBps = 0;   // non-zero: replies leave at this speed, garbled as the master's speed hears them
    int unitBps = 0;    // non-zero: the unit stays at this speed; bytes at any other speed are garbled
};
