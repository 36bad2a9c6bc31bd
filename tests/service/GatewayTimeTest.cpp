#include <gtest/gtest.h>

#include "core/service/GatewayTime.h"

namespace {

struct SConversionCase {
    SGatewayDateTime time;
    std::uint32_t seconds;
    const char* text;
};

// Known answers both ways, around leap days, month ends and the ends of the range.
const SConversionCase CONVERSIONS[] = {
    {{2000, 1, 1, 0, 0, 0}, 0u, "2000-01-01"},
    {{2000, 1, 1, 0, 0, 1}, 1u, "2000-01-01 00:00:01"},
    {{2000, 2, 29, 0, 0, 0}, 59u * 86400, "2000-02-29"},
    {{2000, 3, 1, 0, 0, 0}, 60u * 86400, "2000-03-01"},
    {{2000, 12, 31, 23, 59, 59}, 366u * 86400 - 1, "2000-12-31 23:59:59"},
    {{2001, 1, 1, 0, 0, 0}, 366u * 86400, "2001-01-01"},
    {{2010, 1, 1, 0, 0, 0}, 315619200u, "2010-01-01"},
    {{2012, 2, 29, 12, 30, 45}, 383833845u, "2012-02-29 12:30:45"},
    {{2013, 3, 1, 0, 0, 0}, 415411200u, "2013-03-01"},
    {{2099, 12, 31, 23, 59, 59}, 3155759999u, "2099-12-31 23:59:59"},
};

TEST(GatewayTime, ConvertsBothWays) {
    for (const auto& c : CONVERSIONS) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(GatewaySecondsOf(c.time), c.seconds);
        EXPECT_EQ(GatewayDateTimeOf(c.seconds), c.time);
        EXPECT_EQ(GatewayTimeText(c.seconds), c.text);
    }
    EXPECT_EQ(315619200u, 0x12CFF780u);
    EXPECT_EQ(3155759999u, 0xBC19137Fu);
}

TEST(GatewayTime, RefusesDaysTheCalendarDoesNotHave) {
    const SGatewayDateTime refused[] = {
        {2013, 2, 29, 0, 0, 0}, {2013, 4, 31, 0, 0, 0}, {2012, 2, 30, 0, 0, 0},
        {2010, 1, 0, 0, 0, 0},  {2010, 13, 1, 0, 0, 0}, {2010, 1, 1, 24, 0, 0},
        {2010, 1, 1, 0, 60, 0}, {2100, 1, 1, 0, 0, 0},  {1999, 12, 31, 0, 0, 0},
    };
    for (const auto& t : refused) {
        EXPECT_FALSE(GatewaySecondsOf(t))
            << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":" << t.minute;
    }
    EXPECT_TRUE(GatewaySecondsOf({2012, 2, 29, 0, 0, 0}));
}

TEST(GatewayTime, CountsBeyond2099HaveNoGatewayDateButAreShown) {
    EXPECT_FALSE(GatewayDateTimeOf(3155760000u));
    EXPECT_EQ(GatewayTimeText(3155760000LL), "2100-01-01");
    EXPECT_EQ(GatewayTimeText(-1), "1999-12-31 23:59:59");
}

// Every day of the range goes round the trip, and the count rises by one day each time.
TEST(GatewayTime, EveryDayOfTheRangeRoundTrips) {
    std::uint32_t expected = 0;
    for (int year = GATEWAY_FIRST_YEAR; year <= GATEWAY_LAST_YEAR; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= GatewayDaysInMonth(year, month); ++day) {
                const SGatewayDateTime t{year, month, day, 0, 0, 0};
                ASSERT_EQ(GatewaySecondsOf(t), expected) << year << "-" << month << "-" << day;
                ASSERT_EQ(GatewayDateTimeOf(expected), t);
                ASSERT_EQ(CalendarDateTimeOf(expected), t);
                expected += 86400;
            }
        }
    }
    EXPECT_EQ(expected - 1, GATEWAY_TIME_MAX);
}

}  // namespace
