#pragma once
// The gateway's clock counts seconds since 2000-01-01 00:00:00 in an unsigned 32-bit value and covers
// 2000-01-01 00:00:00 to 2099-12-31 23:59:59. These are its conversions to and from a calendar date.
#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::uint32_t GATEWAY_TIME_MAX = 3155759999u;  // 2099-12-31 23:59:59
inline constexpr int GATEWAY_FIRST_YEAR = 2000;
inline constexpr int GATEWAY_LAST_YEAR = 2099;

struct SGatewayDateTime {
    int year = GATEWAY_FIRST_YEAR;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const SGatewayDateTime&) const = default;
};

// Days of `month` (1..12) in `year` of 2000..2099: every year divisible by four is a leap year there.
int GatewayDaysInMonth(int year, int month);

// True when every field lies in its range for 2000..2099, the day included.
bool IsGatewayDateTime(const SGatewayDateTime& time);

// The gateway's count for a date and time of 2000..2099; nothing for a date the calendar does not have.
std::optional<std::uint32_t> GatewaySecondsOf(const SGatewayDateTime& time);

// The date and time of a count; nothing for a count beyond 2099-12-31 23:59:59.
std::optional<SGatewayDateTime> GatewayDateTimeOf(std::uint32_t seconds);

// The civil date and time of any count of seconds since 2000-01-01 00:00:00, before 2000 and after
// 2099 included (there the Gregorian calendar applies).
SGatewayDateTime CalendarDateTimeOf(std::int64_t seconds);

// The display text of a count of seconds since 2000-01-01 00:00:00: "YYYY-MM-DD hh:mm:ss", the date
// alone at exactly midnight. Any count is shown, also one beyond 2099 or before 2000.
std::string GatewayTimeText(std::int64_t seconds);

// The PC's local time now, as whole seconds since 2000-01-01 00:00:00 (negative before 2000).
std::int64_t PcLocalSecondsNow();
