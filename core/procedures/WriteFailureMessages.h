#pragma once
// What the user sees when a write to the gateway ends with a code: the code -> message table of the
// write procedure (the validation codes share it).
#include <optional>
#include <string>

struct SWriteFailureMessage {
    std::string text;
    unsigned style;
};

// Write codes raised by the procedure itself (validation adds its own).
inline constexpr int WRITE_ABORTED_SILENTLY = 0;
inline constexpr int WRITE_KAVELIS_NO_SOLENOID = 7;
inline constexpr int WRITE_KAVELIS_NO_UNIT_VELOCITY = 8;
inline constexpr int WRITE_KAVELIS_NO_SERVO_SWITCH = 12;
inline constexpr int WRITE_KAVELIS_NO_RETRY_COUNT = 14;
inline constexpr int WRITE_PORT_OPEN_FAILED = 768;
inline constexpr int WRITE_KAVELIS_NO_2W_RSV = 784;
inline constexpr int WRITE_UNIT_IN_AUTO_MODE = 4095;

// The message of a failure code, or nothing for 0 and for codes without a message.
std::optional<SWriteFailureMessage> WriteFailureMessageOf(int code);
