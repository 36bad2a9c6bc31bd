#include "sim/SimFaultOption.h"

#include <charconv>

namespace {
constexpr int EX_BUSY = 6;
constexpr int MAX_EXCEPTION_CODE = 0x7F;
constexpr int MIN_BPS = 1200;
constexpr int MAX_BPS = 921600;
constexpr int MAX_USB_LATENCY_MS = 255;  // the largest latency timer a USB serial adapter takes
constexpr int MAX_PAUSE_MS = 10000;
constexpr int MAX_WRITE_FAULT_EVERY = 100;

bool ParseNumber(std::string_view text, int min, int max, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= min && value <= max;
}
}  // namespace

bool ApplySimFaultOption(std::string_view text, SSimFaults& faults, std::string& error) {
    const std::size_t equals = text.find('=');
    const std::string_view name = text.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view{} : text.substr(equals + 1);
    const bool writeFault = name == "write-short" || name == "write-count" || name == "write-echo";
    const bool wantsValue = name == "exception" || name == "reply-speed" || name == "unit-speed" ||
                            name == "usb-latency" || name == "pause";
    if (writeFault) {
        // write-short, or write-short=N for every N-th write.
        int& every = name == "write-short" ? faults.writeShortEvery
                     : name == "write-count" ? faults.writeCountEvery
                                             : faults.writeEchoEvery;
        every = 1;
        if (equals == std::string_view::npos) return true;
        if (ParseNumber(value, 1, MAX_WRITE_FAULT_EVERY, every)) return true;
        error = "--fault " + std::string(name) + " wants a number: " + std::string(value);
        return false;
    }
    if (wantsValue == (equals == std::string_view::npos)) {
        error = "--fault " + std::string(name) + (wantsValue ? " needs =VALUE" : " takes no value");
        return false;
    }
    bool valid = true;
    if (name == "echo") {
        faults.echo = true;
    } else if (name == "silent") {
        faults.silent = true;
    } else if (name == "other-address") {
        faults.wrongSlave = true;
    } else if (name == "busy") {
        faults.exceptionCode = EX_BUSY;
    } else if (name == "exception") {
        valid = ParseNumber(value, 1, MAX_EXCEPTION_CODE, faults.exceptionCode);
    } else if (name == "reply-speed") {
        valid = ParseNumber(value, MIN_BPS, MAX_BPS, faults.replyBps);
    } else if (name == "unit-speed") {
        valid = ParseNumber(value, MIN_BPS, MAX_BPS, faults.unitBps);
    } else if (name == "usb-latency") {
        valid = ParseNumber(value, 1, MAX_USB_LATENCY_MS, faults.usbLatencyMs);
    } else if (name == "pause") {
        valid = ParseNumber(value, 1, MAX_PAUSE_MS, faults.midReplyPauseMs);
    } else {
        error = "unknown fault: " + std::string(text);
        return false;
    }
    if (!valid) error = "--fault " + std::string(name) + " wants a number: " + std::string(value);
    return valid;
}
