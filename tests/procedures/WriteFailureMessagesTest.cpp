#include "core/procedures/WriteFailureMessages.h"

#include <gtest/gtest.h>

#include "core/app/HostServices.h"

namespace {

// A table of the failure codes, one from each kind of message: alone, joined with "Transmission is
// aborted.", and the general port message.
TEST(WriteFailureMessages, CodeToTextAndIcon) {
    const struct {
        int code;
        const char* text;
        unsigned style;
    } cases[] = {
        {7,
         "This KAVELIS Gateway Unit does not support Solenoid1 mode, \r\nand Solenoid2 mode. \r\nPlease transmit again "
         "after adjusting these parameters.",
         MB_ICON_ERROR},
        {16, "An illegal station number was specified.", MB_ICON_WARNING},
        {32, "An illegal operation mode was specified.\r\nTransmission is aborted.", MB_ICON_WARNING},
        {768, "Communication port open error", MB_ICON_ERROR},
        {4095,
         "                   The Gateway Unit is AUTO mode now. \nThe transmission of the parameter is permissible "
         "only in the MANU mode.",
         MB_ICON_WARNING},
        {32773, "An illegal network type was specified.\r\nTransmission is aborted.", MB_ICON_WARNING},
        {32780, "An illegal TP port baud rate was specified.\r\nTransmission is aborted.", MB_ICON_WARNING},
        {56798, "      There is an omission.\nPlease check the data and try again.", MB_ICON_WARNING},
    };
    for (const auto& c : cases) {
        const auto message = WriteFailureMessageOf(c.code);
        ASSERT_TRUE(message.has_value()) << c.code;
        EXPECT_EQ(message->text, c.text) << c.code;
        EXPECT_EQ(message->style, c.style) << c.code;
    }
}

TEST(WriteFailureMessages, SilentCodesShowNothing) {
    for (int code : {0, 1, 776, 32770, -1}) EXPECT_FALSE(WriteFailureMessageOf(code).has_value()) << code;
}

}  // namespace
