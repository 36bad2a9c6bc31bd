#include <gtest/gtest.h>

#include "core/app/HostServices.h"
#include "core/app/MessageBoxLook.h"

namespace {

TEST(MessageBoxLookTest, CaptionAndIconFollowTheIconBits) {
    const struct {
        unsigned style;
        const char* caption;
        MessageBoxIcon icon;
    } cases[] = {
        {0x10, "Alarm", MessageBoxIcon::Error},
        {0x20, "Confirmation", MessageBoxIcon::Question},
        {0x30, "Warning", MessageBoxIcon::Warning},
        {0x40, "Information", MessageBoxIcon::Information},
        {0x124, "Confirmation", MessageBoxIcon::Question},
        {0x134, "Warning", MessageBoxIcon::Warning},
        {0x00, "", MessageBoxIcon::None},
    };
    for (const auto& c : cases) {
        const SMessageBoxLook look = DescribeMessageBox(c.style);
        EXPECT_EQ(look.caption, c.caption) << std::hex << c.style;
        EXPECT_EQ(look.icon, c.icon) << std::hex << c.style;
    }
}

TEST(MessageBoxLookTest, ButtonsAndDefault) {
    const struct {
        unsigned style;
        bool yesNo;
        bool saveDiscardCancel;
        int defaultButton;
    } cases[] = {
        {0x10, false, false, ID_OK},  {0x124, true, false, ID_NO}, {0x24, true, false, ID_YES},
        {0x130, false, false, ID_OK}, {0x134, true, false, ID_NO}, {0x23, false, true, ID_YES},
    };
    for (const auto& c : cases) {
        const SMessageBoxLook look = DescribeMessageBox(c.style);
        EXPECT_EQ(look.yesNo, c.yesNo) << std::hex << c.style;
        EXPECT_EQ(look.saveDiscardCancel, c.saveDiscardCancel) << std::hex << c.style;
        EXPECT_EQ(look.defaultButton, c.defaultButton) << std::hex << c.style;
    }
}

}  // namespace
