#include "core/traffic/FrameDecoder.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <span>

#include "core/link/CommResult.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ModbusFrame.h"
#include "core/link/ReplyClassification.h"
#include "core/link/SpeedCodes.h"
#include "core/service/GatewayTime.h"
#include "core/traffic/RegisterNames.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t SHORTEST_DECODED_FRAME = 4;  // address, function and the CRC: less is not decoded
constexpr std::uint8_t BROADCAST = 0x00;
constexpr std::uint8_t SUB_SPEED = 0x04;
constexpr std::uint8_t SUB_CLEAR_ALARMS = 0x0F;
constexpr std::uint8_t SUB_SET_CLOCK = 0x18;
constexpr std::uint16_t COIL_RESTART = 0x040F;
constexpr std::uint16_t COIL_ON = 0xFF00;
constexpr std::uint16_t COIL_OFF = 0x0000;
constexpr std::uint8_t RUN_ON = 0xFF;
constexpr std::uint8_t RUN_OFF = 0x00;
constexpr std::size_t VALUES_IN_SUMMARY = 3;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    std::array<char, 160> text{};
    va_list args;
    va_start(args, format);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    return text.data();
}

std::string Hex2(unsigned value) {
    return Format("%02Xh", value);
}
std::string Hex4(unsigned value) {
    return Format("%04Xh", value);
}

// Function codes below 10h are written as two digits, the others with the h that marks hexadecimal.
std::string FunctionText(std::uint8_t function) {
    return function < 0x10 ? Format("%02X", unsigned{function}) : Hex2(function);
}

std::string SlaveText(std::uint8_t address) {
    return address == BROADCAST ? "broadcast" : Hex2(address);
}

bool CrcMatches(Bytes frame) {
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size() - 2);
    return frame[frame.size() - 2] == (crc >> 8) && frame[frame.size() - 1] == (crc & 0xFF);
}

std::string ExceptionName(std::uint8_t code) {
    switch (code) {
        case 0x01:
            return "illegal function";
        case 0x02:
            return "illegal data address";
        case 0x03:
            return "illegal data value";
        case 0x04:
            return "slave device failure";
        case 0x05:
            return "acknowledge";
        case 0x06:
            return "slave device busy";
        case 0x08:
            return "memory parity error";
        default:
            return "unknown exception";
    }
}

std::string ResultText(int result) {
    switch (result) {
        case COMM_OK:
            return "OK";
        case COMM_TIMEOUT:
            return "time-out";
        case COMM_CRC_ERROR:
            return "CRC error";
        case COMM_INCOMPLETE:
            return "incomplete frame";
        case COMM_FRAMING:
            return "framing error";
        case COMM_OVERRUN:
            return "overrun";
        case COMM_RX_OVERFLOW:
            return "overflow";
        case COMM_LINE_ERROR:
            return "line error";
        default:
            return "failed (" + std::to_string(result) + ")";
    }
}

std::string ValueText(std::uint16_t reg, std::uint16_t value) {
    const std::string meaning = RegisterValueMeaning(reg, value);
    return meaning.empty() ? Hex4(value) : Hex4(value) + " (" + meaning + ")";
}

// "F103h NTYP = 0085h (EtherNet/IP)", one line for each word written or read.
void AddRegisterLines(SFrameDecoding& d, std::uint16_t first, Bytes words) {
    for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
        const auto reg = static_cast<std::uint16_t>(first + i / 2);
        const std::string name = RegisterFieldName(reg);
        d.details.push_back(Hex4(reg) + (name.empty() ? "" : " " + name) + " = " +
                            ValueText(reg, GetBE16(&words[i])));
    }
}

// "GSTS=8001h, GVER=0013h, NTYP=0085h, …"
std::string ValuesInBrief(std::uint16_t first, Bytes words) {
    std::string text;
    for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
        if (i / 2 == VALUES_IN_SUMMARY) return text + ", …";
        const auto reg = static_cast<std::uint16_t>(first + i / 2);
        const std::string name = RegisterFieldName(reg);
        text += (i == 0 ? "" : ", ") + (name.empty() ? Hex4(reg) : name) + "=" + Hex4(GetBE16(&words[i]));
    }
    return text;
}

std::string ClockText(std::uint32_t seconds) {
    const SGatewayDateTime t = CalendarDateTimeOf(seconds);
    return Format("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string SpeedText(std::uint16_t code) {
    const int bps = BpsOfSpeedCode(code);
    if (SpeedCodeOf(bps) != code) return "unknown speed code " + Hex4(code);
    return std::to_string(bps) + " bit/s";
}

std::string VendorStatusText(std::uint8_t sub, std::uint8_t status) {
    constexpr std::uint8_t STATUS_DONE = 0x00;
    constexpr std::uint8_t STATUS_BAD_TIME = 0x11;
    constexpr std::uint8_t STATUS_NOT_MANU = 0x2E;
    std::string meaning;
    if (status == STATUS_DONE) meaning = " (done)";
    if (sub == SUB_SET_CLOCK && status == STATUS_NOT_MANU) meaning = " (not in MANU mode)";
    if (sub == SUB_SET_CLOCK && status == STATUS_BAD_TIME) meaning = " (time refused)";
    return "status " + Hex2(status) + meaning;
}

std::string VendorName(std::uint8_t sub) {
    switch (sub) {
        case SUB_SPEED:
            return "speed switch";
        case SUB_CLEAR_ALARMS:
            return "clear alarm history";
        case SUB_SET_CLOCK:
            return "set clock";
        default:
            return "vendor sub-function " + Hex2(sub);
    }
}

std::string Malformed(std::uint8_t function) {
    return "not decoded: not shaped like a frame of function " + FunctionText(function);
}

std::string CoilText(std::uint16_t coil, std::uint16_t value) {
    if (coil == COIL_RESTART && value == COIL_ON) return "restart coil";
    const std::string state = value == COIL_ON ? "on" : value == COIL_OFF ? "off" : Hex4(value);
    return "coil " + Hex4(coil) + " " + state;
}

// `p` is the frame without its CRC.
void DecodeRequest(SFrameDecoding& d, Bytes p) {
    const std::uint8_t function = p[1];
    d.function = FunctionText(function);
    const std::size_t n = p.size();
    bool shaped = true;
    switch (function) {
        case FN_READ_HOLDING:
            shaped = n == 6;
            if (shaped) d.summary = "read " + RegisterRangeText(GetBE16(&p[2]), GetBE16(&p[4]));
            break;
        case FN_WRITE_REGISTER:
            shaped = n == 6;
            if (shaped) {
                d.summary = "write " + RegisterRangeText(GetBE16(&p[2]), 1) + " = " + Hex4(GetBE16(&p[4]));
                AddRegisterLines(d, GetBE16(&p[2]), p.subspan(4, 2));
            }
            break;
        case FN_WRITE_MULTIPLE:
            shaped = n >= 7 && p[6] == 2 * GetBE16(&p[4]) && n == 7u + p[6] && p[6] > 0;
            if (shaped) {
                d.summary = "write " + RegisterRangeText(GetBE16(&p[2]), GetBE16(&p[4]));
                AddRegisterLines(d, GetBE16(&p[2]), p.subspan(7));
            }
            break;
        case FN_WRITE_COIL:
            shaped = n == 6;
            if (shaped) d.summary = CoilText(GetBE16(&p[2]), GetBE16(&p[4]));
            break;
        case FN_REPORT_SLAVE_ID:
            shaped = n == 2;
            if (shaped) d.summary = "report slave ID";
            break;
        case FN_VENDOR:
            shaped = n == 8 && p[2] == 0;
            if (shaped) {
                const std::uint8_t sub = p[3];
                d.function += "/" + Hex2(sub);
                d.summary = VendorName(sub);
                if (sub == SUB_SPEED) d.summary += " to " + SpeedText(GetBE16(&p[4]));
                if (sub == SUB_SET_CLOCK) d.summary += " " + ClockText(GetBE32(&p[4]));
                if (sub != SUB_SPEED && sub != SUB_SET_CLOCK && sub != SUB_CLEAR_ALARMS) {
                    d.summary += ", data " + Format("%08Xh", unsigned{GetBE32(&p[4])});
                }
            }
            break;
        default:
            d.summary =
                "function " + Hex2(function) + ", " + std::to_string(n - 2) + " data bytes, not decoded";
            break;
    }
    if (!shaped) d.summary = Malformed(function);
}

// The first register and count the request asked for, when it is a read that was seen.
bool ReadRequestOf(Bytes request, std::uint16_t& first, std::uint16_t& count) {
    if (request.size() != 8 || request[1] != FN_READ_HOLDING) return false;
    first = GetBE16(&request[2]);
    count = GetBE16(&request[4]);
    return true;
}

void DecodeReadReply(SFrameDecoding& d, Bytes p, Bytes request) {
    const Bytes words = p.subspan(3);
    const int count = static_cast<int>(words.size() / 2);
    std::uint16_t first = 0;
    std::uint16_t asked = 0;
    if (!ReadRequestOf(request, first, asked)) {
        d.summary = std::to_string(count) + " registers (request not seen)";
        for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
            d.details.push_back("word " + std::to_string(i / 2) + " = " + Hex4(GetBE16(&words[i])));
        }
        return;
    }
    d.summary = std::to_string(count) + " registers from " + Hex4(first) + ": " + ValuesInBrief(first, words);
    if (count != asked) {
        d.summary += " (" + std::to_string(asked) + " asked for)";
        d.failed = true;
    }
    AddRegisterLines(d, first, words);
}

void DecodeSlaveIdReply(SFrameDecoding& d, Bytes p) {
    constexpr std::size_t ID_BYTES = 5;  // slave ID, run indicator, three bytes of additional data
    const Bytes data = p.subspan(3);
    if (data.size() < ID_BYTES) {
        d.summary =
            "report slave ID: " + std::to_string(data.size()) + " bytes, too few for an identification";
        d.failed = true;
        return;
    }
    const std::uint32_t id =
        std::uint32_t{data[0]} << 24 | std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 8 | data[4];
    const std::uint8_t run = data[1];
    const std::string state = run == RUN_ON    ? "running"
                              : run == RUN_OFF ? "stopped"
                                               : "run indicator " + Hex2(run);
    d.summary = Format("report slave ID: id %08X, ", unsigned{id}) + state;
    d.details.push_back("slave ID " + Hex2(data[0]));
    d.details.push_back("run indicator " + Hex2(run));
    for (std::size_t i = 2; i < data.size(); ++i) {
        d.details.push_back("additional data " + std::to_string(i - 1) + " = " + Hex2(data[i]));
    }
}

void DecodeReply(SFrameDecoding& d, Bytes p, Bytes request) {
    const std::uint8_t function = p[1];
    d.function = FunctionText(function);
    const std::size_t n = p.size();
    if ((function & EXCEPTION_BIT) != 0) {
        if (n != 3) {
            d.summary = Malformed(function);
            return;
        }
        d.summary = Format("exception %02X: ", unsigned{p[2]}) + ExceptionName(p[2]) + " (to function " +
                    FunctionText(function & ~EXCEPTION_BIT) + ")";
        d.failed = true;
        return;
    }
    bool shaped = true;
    switch (function) {
        case FN_READ_HOLDING:
            shaped = n >= 3 && n == 3u + p[2] && p[2] % 2 == 0;
            if (shaped) DecodeReadReply(d, p, request);
            break;
        case FN_WRITE_REGISTER:
            shaped = n == 6;
            if (shaped)
                d.summary = "wrote " + RegisterRangeText(GetBE16(&p[2]), 1) + " = " + Hex4(GetBE16(&p[4]));
            break;
        case FN_WRITE_MULTIPLE:
            shaped = n == 6;
            if (shaped) {
                d.summary = "wrote " + RegisterRangeText(GetBE16(&p[2]), GetBE16(&p[4])) + ", " +
                            std::to_string(GetBE16(&p[4])) + " registers";
            }
            break;
        case FN_WRITE_COIL:
            shaped = n == 6;
            if (shaped) d.summary = CoilText(GetBE16(&p[2]), GetBE16(&p[4])) + " accepted";
            break;
        case FN_REPORT_SLAVE_ID:
            shaped = n >= 3 && n == 3u + p[2];
            if (shaped) DecodeSlaveIdReply(d, p);
            break;
        case FN_VENDOR: {
            // The status alone (the sub-function is the request's), or the status and the sub-function.
            const bool statusAlone = n == 3 && request.size() > VENDOR_SUB_FUNCTION_OFFSET;
            shaped = n == 4 || statusAlone;
            if (shaped) {
                const std::uint8_t sub = statusAlone ? request[VENDOR_SUB_FUNCTION_OFFSET] : p[3];
                d.function += "/" + Hex2(sub);
                d.summary = VendorName(sub) + ": " + VendorStatusText(sub, p[2]);
            }
            break;
        }
        default:
            d.summary =
                "function " + Hex2(function) + ", " + std::to_string(n - 2) + " data bytes, not decoded";
            break;
    }
    if (!shaped) {
        d.summary = Malformed(function);
        d.failed = true;
    }
}

// Why a well-formed reply does not answer the request it follows, as the link's judge of replies finds
// it; empty when it does (an exception answers too: the verdict names it).
std::string MismatchOf(Bytes reply, Bytes request) {
    if (request.size() < SHORTEST_DECODED_FRAME) return {};
    switch (ClassifyReply(request, reply, COMM_OK).kind) {
        case EReplyKind::Echo:
            return "echo of the request";
        case EReplyKind::OtherAddress:
            return "wrong slave";
        case EReplyKind::OtherFunction:
            return "wrong function";
        case EReplyKind::ShortReply:
            return "cut short";
        case EReplyKind::WrongLength:
            return "wrong length";
        case EReplyKind::WrongEcho:
            return "confirms another write";
        default:
            return {};
    }
}

std::string VerdictOf(const STrafficFrame& frame, const SFrameDecoding& d, const std::string& mismatch) {
    std::string verdict;
    if (frame.direction == FrameDirection::Request) {
        verdict = "sent";
    } else if (frame.result != COMM_OK) {
        verdict = ResultText(frame.result);
    } else if (!mismatch.empty()) {
        verdict = mismatch;
    } else if (frame.bytes.size() >= 3 && (frame.bytes[1] & EXCEPTION_BIT) != 0) {
        verdict = "exception";
    } else {
        verdict = d.failed ? "does not answer" : "OK";
    }
    if (frame.attempt > 1) verdict += ", attempt " + std::to_string(frame.attempt);
    return verdict;
}

}  // namespace

SFrameDecoding DecodeFrame(const STrafficFrame& frame) {
    SFrameDecoding d;
    const Bytes bytes(frame.bytes);
    if (!bytes.empty()) d.slave = SlaveText(bytes[0]);
    std::string mismatch;
    if (bytes.empty()) {
        d.summary = "nothing received";
    } else if (bytes.size() < SHORTEST_DECODED_FRAME) {
        d.summary = "incomplete frame, " + std::to_string(bytes.size()) + " bytes";
        d.failed = true;
    } else if (!CrcMatches(bytes)) {
        d.summary = "not decoded: CRC does not match, " + std::to_string(bytes.size()) + " bytes";
        d.failed = true;
    } else if (frame.direction == FrameDirection::Request) {
        DecodeRequest(d, bytes.first(bytes.size() - 2));
    } else {
        DecodeReply(d, bytes.first(bytes.size() - 2), frame.request);
        mismatch = MismatchOf(bytes, frame.request);
    }
    d.verdict = VerdictOf(frame, d, mismatch);
    d.failed = d.failed || !mismatch.empty() ||
               (frame.direction == FrameDirection::Reply && frame.result != COMM_OK);
    return d;
}

std::string DecodedText(const SFrameDecoding& decoding) {
    return decoding.function.empty() ? decoding.summary : decoding.function + " " + decoding.summary;
}
