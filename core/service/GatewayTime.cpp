#include "core/service/GatewayTime.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

constexpr std::int64_t SECONDS_PER_DAY = 86400;
constexpr int MONTH_DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsGatewayLeapYear(int year) {
    return (year - GATEWAY_FIRST_YEAR) % 4 == 0;
}

int DaysBeforeYear(int year) {
    const int y = year - GATEWAY_FIRST_YEAR;
    return y == 0 ? 0 : 365 * y + (y - 1) / 4 + 1;
}

int DaysInYear(int year) {
    return IsGatewayLeapYear(year) ? 366 : 365;
}

// Days since 2000-01-01 of a civil (Gregorian) date and back, for display of any count.
std::chrono::sys_days Epoch2000() {
    using namespace std::chrono;
    return sys_days{year{2000} / January / 1};
}

}  // namespace

int GatewayDaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsGatewayLeapYear(year)) return 29;
    return MONTH_DAYS[month - 1];
}

bool IsGatewayDateTime(const SGatewayDateTime& t) {
    return t.year >= GATEWAY_FIRST_YEAR && t.year <= GATEWAY_LAST_YEAR && t.month >= 1 && t.month <= 12 &&
           t.day >= 1 && t.day <= GatewayDaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 &&
           t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

std::optional<std::uint32_t> GatewaySecondsOf(const SGatewayDateTime& t) {
    if (!IsGatewayDateTime(t)) return std::nullopt;
    std::int64_t days = DaysBeforeYear(t.year);
    for (int month = 1; month < t.month; ++month) days += GatewayDaysInMonth(t.year, month);
    days += t.day - 1;
    const std::int64_t seconds = days * SECONDS_PER_DAY + t.hour * 3600 + t.minute * 60 + t.second;
    return static_cast<std::uint32_t>(seconds);
}

std::optional<SGatewayDateTime> GatewayDateTimeOf(std::uint32_t seconds) {
    if (seconds > GATEWAY_TIME_MAX) return std::nullopt;
    SGatewayDateTime t;
    int days = static_cast<int>(seconds / SECONDS_PER_DAY);
    while (days >= DaysInYear(t.year)) days -= DaysInYear(t.year++);
    while (days >= GatewayDaysInMonth(t.year, t.month)) days -= GatewayDaysInMonth(t.year, t.month++);
    t.day = days + 1;
    const int ofDay = static_cast<int>(seconds % SECONDS_PER_DAY);
    t.hour = ofDay / 3600;
    t.minute = ofDay / 60 % 60;
    t.second = ofDay % 60;
    return t;
}

SGatewayDateTime CalendarDateTimeOf(std::int64_t seconds) {
    using namespace std::chrono;
    // Whole days towards minus infinity, so a time before 2000 keeps a positive time of day.
    const std::int64_t dayCount =
        seconds >= 0 ? seconds / SECONDS_PER_DAY : -((-seconds + SECONDS_PER_DAY - 1) / SECONDS_PER_DAY);
    const std::int64_t ofDay = seconds - dayCount * SECONDS_PER_DAY;
    const year_month_day date{Epoch2000() + days{dayCount}};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(ofDay / 3600),
            static_cast<int>(ofDay / 60 % 60),
            static_cast<int>(ofDay % 60)};
}

std::string GatewayTimeText(std::int64_t seconds) {
    const SGatewayDateTime t = CalendarDateTimeOf(seconds);
    char text[48];
    if (t.hour == 0 && t.minute == 0 && t.second == 0) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    } else {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                      t.minute, t.second);
    }
    return text;
}

std::int64_t PcLocalSecondsNow() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const sys_days date{year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                        day{static_cast<unsigned>(local.tm_mday)}};
    const std::int64_t dayCount = (date - Epoch2000()).count();
    return dayCount * SECONDS_PER_DAY + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}
