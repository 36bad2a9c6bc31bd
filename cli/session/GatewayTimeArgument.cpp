#include "cli/session/GatewayTimeArgument.h"

#include <cstdio>

#include "core/service/TimeSetting.h"

std::optional<STimeArgument> ParseTimeArgument(const std::string& text, std::string& reason) {
    if (text == "now") return STimeArgument{true, {}};
    SGatewayDateTime t;
    char tail = 0;
    const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day,
                                   &t.hour, &t.minute, &t.second, &tail);
    const bool shaped = fields == 6 && text.size() == 19 && text[4] == '-' && text[7] == '-' &&
                        text[10] == ' ' && text[13] == ':' && text[16] == ':';
    if (!shaped || t.year < TIME_SETTING_FIRST_YEAR || t.year > GATEWAY_LAST_YEAR || t.month < 1 ||
        t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59 ||
        t.hour < 0 || t.minute < 0 || t.second < 0) {
        reason =
            "time --set takes now or \"YYYY-MM-DD hh:mm:ss\" with a year of 2010..2099, not \"" + text + "\"";
        return std::nullopt;
    }
    if (!GatewaySecondsOf(t)) {
        reason = "time --set: the calendar has no day " + text.substr(0, 10);
        return std::nullopt;
    }
    return STimeArgument{false, t};
}
