#include "core/monitors/AlarmListCsv.h"

#include <cstdio>
#include <ctime>

#include "core/app/texts/UiText.h"

namespace {

constexpr int UI_DATE_TAG = 43;
constexpr int UI_TIME_TAG = 44;
constexpr int UI_TOOL_VERSION_TAG = 393;
constexpr std::string_view HEADER_END = "\r\n";

std::string Format(const char* format, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

SLocalDateTime LocalDateTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string AlarmListCsvText(const SAlarmCsvHeader& header, const GridState& grid) {
    const SLocalDateTime& at = header.savedAt;
    std::string text;
    text += std::string(UiText[UI_DATE_TAG]) + Format("%04d/%02d/%02d", at.year, at.month, at.day);
    text += HEADER_END;
    text += std::string(UiText[UI_TIME_TAG]) + Format("%02d:%02d:%02d", at.hour, at.minute, at.second);
    text += HEADER_END;
    text += ";" + std::string(header.typeName) +
            Format("=%08lX", static_cast<unsigned long>(header.identification));
    text += HEADER_END;
    text +=
        std::string(UiText[UI_TOOL_VERSION_TAG]) +
        Format("%02X%02X%02X%02X", GW_VERSION_MAJOR, GW_VERSION_MINOR, GW_VERSION_PATCH, GW_VERSION_TWEAK);
    text += HEADER_END;
    for (const auto& row : grid.cells) {
        for (const std::string& cell : row) text += cell + ",";
        text += "\n";
    }
    return text;
}
