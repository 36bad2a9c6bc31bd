#include <gtest/gtest.h>

#include "core/app/texts/UiText.h"
#include "core/monitors/AlarmRecordText.h"
#include "tests/support/SimAlarmCsv.h"

namespace {

TEST(AlarmRecordText, OccurrenceTimeElapsedOrCalendar) {
    const struct {
        std::uint32_t seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},
        {7, "00:00:07"},
        {3725, "01:02:05"},
        {359999, "99:59:59"},
        {360000, "100:00:00"},
        {315619199, "87671:59:59"},  // the last elapsed second
        {315619200, "2010-01-01"},   // the first calendar second, exactly midnight
        {315619201, "2010-01-01 00:00:01"},
        {315619200 + 86399, "2010-01-01 23:59:59"},
        {825754500u, "2026-03-02 08:15:00"},
        {4294967295u, "2136-02-07 06:28:15"},  // the largest time a record can hold
    };
    for (const auto& c : cases) EXPECT_EQ(OccurrenceTimeText(c.seconds), c.text) << c.seconds;
}

TEST(AlarmRecordText, RowTextsByCodeDetailAndAddress) {
    const std::string none = "----";
    const struct {
        SAlarmRecord record;
        AlarmRowTexts texts;
    } cases[] = {
        // An empty record: dashes in every column, whatever its other fields hold.
        {{0x0012, 0x0003, 0, 3725}, {none, none, none, none, none}},
        // A code the table does not hold.
        {{0x0001, 0x0001, 0x0123, 45296}, {"123", std::string(UiText[214]), "0001", "0001", "12:34:56"}},
        // Power-up, detail 0 and address FFFFh shown as dashes.
        {{0x0000, 0xFFFF, 0x0FFF, 60}, {"FFF", AlarmTableText(0x0FFF), none, none, "00:01:00"}},
        // A 32-bit code: the table is searched with its low 16 bits, column 1 keeps every digit.
        {{0xABCD, 0x0000, 0x00010FFF, 315619200},
         {"10FFF", AlarmTableText(0x0FFF), "ABCD", "0000", "2010-01-01"}},
        // Low 16 bits 0 but the code is not 0: not an empty record.
        {{0, 0xFFFF, 0x00020000, 1}, {"20000", std::string(UiText[214]), none, none, "00:00:01"}},
    };
    for (const auto& c : cases) EXPECT_EQ(AlarmRowTextsOf(c.record), c.texts) << std::hex << c.record.code;
}

TEST(AlarmRecordText, RecordFieldsAreBigEndianWithTheCodeAndTimeHighWordFirst) {
    const std::uint16_t words[ALARM_RECORD_WORDS] = {0x0102, 0x0304, 0x0005, 0x0607, 0x1234, 0x5678};
    const SAlarmRecord record = AlarmRecordOf(words);
    EXPECT_EQ(record.detail, 0x0102);
    EXPECT_EQ(record.address, 0x0304);
    EXPECT_EQ(record.code, 0x00050607u);
    EXPECT_EQ(record.seconds, 0x12345678u);
}

}  // namespace
