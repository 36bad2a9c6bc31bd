#include "core/procedures/WriteFailureMessages.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "core/app/HostServices.h"
#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"

namespace {

constexpr int MSG_TRANSMISSION_ABORTED = 76;

enum class Text { MsgAlone, MsgThenAborted, CommonMsg };

struct SFailureEntry {
    int code;
    int index;
    Text kind;
    unsigned style;
};

constexpr std::array<SFailureEntry, 20> FailureTable{{
    {7, 28, Text::MsgAlone, MB_ICON_ERROR},
    {8, 31, Text::MsgAlone, MB_ICON_ERROR},
    {11, 36, Text::MsgAlone, MB_ICON_ERROR},
    {12, 37, Text::MsgAlone, MB_ICON_ERROR},
    {14, 45, Text::MsgAlone, MB_ICON_ERROR},
    {16, 3, Text::MsgAlone, MB_ICON_WARNING},
    {32, 72, Text::MsgThenAborted, MB_ICON_WARNING},
    {768, 50, Text::CommonMsg, MB_ICON_ERROR},
    {784, 26, Text::MsgAlone, MB_ICON_ERROR},
    {4095, 16, Text::MsgAlone, MB_ICON_WARNING},
    {32769, 70, Text::MsgThenAborted, MB_ICON_WARNING},
    {32772, 72, Text::MsgThenAborted, MB_ICON_WARNING},
    {32773, 69, Text::MsgThenAborted, MB_ICON_WARNING},
    {32774, 78, Text::MsgThenAborted, MB_ICON_WARNING},
    {32775, 71, Text::MsgThenAborted, MB_ICON_WARNING},
    {32777, 75, Text::MsgThenAborted, MB_ICON_WARNING},
    {32778, 74, Text::MsgThenAborted, MB_ICON_WARNING},
    {32779, 73, Text::MsgThenAborted, MB_ICON_WARNING},
    {32780, 84, Text::MsgThenAborted, MB_ICON_WARNING},
    {56798, 10, Text::MsgAlone, MB_ICON_WARNING},
}};

// Two messages joined as "%ls\r\n%ls".
std::string Joined(std::string_view first, std::string_view second) {
    std::string text(first);
    text += "\r\n";
    text += second;
    return text;
}

std::string TextOf(const SFailureEntry& entry) {
    const auto index = static_cast<std::size_t>(entry.index);
    switch (entry.kind) {
        case Text::MsgAlone: return std::string(MsgText[index]);
        case Text::MsgThenAborted: return Joined(MsgText[index], MsgText[MSG_TRANSMISSION_ABORTED]);
        case Text::CommonMsg: return std::string(CommonMsgText[index]);
    }
    return {};
}

}  // namespace

std::optional<SWriteFailureMessage> WriteFailureMessageOf(int code) {
    for (const auto& entry : FailureTable) {
        if (entry.code == code) return SWriteFailureMessage{TextOf(entry), entry.style};
    }
    return std::nullopt;
}
