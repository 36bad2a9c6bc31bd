#include "core/app/texts/CommonMsgText.h"

// The general messages this tool uses; every other slot is an empty text.
namespace {
constexpr std::array<std::string_view, COMMON_MSG_TEXT_SLOTS> BuildCommonMsgText() {
    std::array<std::string_view, COMMON_MSG_TEXT_SLOTS> t{};
    t[50] = "Communication port open error";
    t[51] = "Receive time-out error (PC)";
    t[55] = "Communication error (PC)";
    t[58] = "Receive data error (PC)";
    return t;
}
}  // namespace

extern constexpr std::array<std::string_view, COMMON_MSG_TEXT_SLOTS> CommonMsgText = BuildCommonMsgText();
