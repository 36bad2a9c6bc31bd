#include "core/monitors/AlarmRecordText.h"

#include <chrono>
#include <cstdio>

#include "core/app/texts/AlarmCodeTable.h"
#include "core/app/texts/UiText.h"

namespace {

constexpr int UI_UNDEFINED_ALARM = 214;
constexpr std::string_view NO_VALUE = "----";

std::string Format(const char* format, auto... values) {
    char text[48];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string ElapsedText(std::uint32_t seconds) {
    return Format("%02u:%02u:%02u", seconds / 3600u, seconds % 3600u / 60u, seconds % 60u);
}

std::string CalendarText(std::uint32_t seconds) {
    using namespace std::chrono;
    const sys_seconds moment = sys_days{year{2000} / January / 1} + std::chrono::seconds{seconds};
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<std::chrono::seconds> time{moment - day};
    std::string text = Format("%04d-%02u-%02u", static_cast<int>(date.year()),
                              static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    if (time.to_duration().count() != 0) {
        text += Format(" %02d:%02d:%02d", static_cast<int>(time.hours().count()),
                       static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
    }
    return text;
}

std::uint32_t Get32(const std::uint16_t* words) {
    return std::uint32_t{words[0]} << 16 | words[1];
}

}  // namespace

SAlarmRecord AlarmRecordOf(const std::uint16_t* words) {
    return {words[0], words[1], Get32(&words[2]), Get32(&words[4])};
}

std::string OccurrenceTimeText(std::uint32_t seconds) {
    return seconds < ALARM_CALENDAR_FROM ? ElapsedText(seconds) : CalendarText(seconds);
}

AlarmRowTexts AlarmRowTextsOf(const SAlarmRecord& record) {
    // The table is searched with the low 16 bits; column 1 still shows every digit of the code.
    const int index = AlarmCodeIndexOf(static_cast<std::uint16_t>(record.code & 0xFFFFu));
    if (index < 0 && record.code == 0) {
        const std::string none{NO_VALUE};
        return {none, none, none, none, none};
    }
    const std::string_view content =
        index >= 0 ? AlarmCodeTable[static_cast<std::size_t>(index)].text : UiText[UI_UNDEFINED_ALARM];
    return {Format("%03X", record.code), std::string(content),
            record.detail == 0 ? std::string(NO_VALUE) : Format("%04X", unsigned{record.detail}),
            record.address == 0xFFFF ? std::string(NO_VALUE) : Format("%04X", unsigned{record.address}),
            OccurrenceTimeText(record.seconds)};
}
