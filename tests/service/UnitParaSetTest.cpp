#include <gtest/gtest.h>

#include "core/service/UnitParaSet.h"

namespace {

struct SOpenCase {
    const char* name;
    std::uint16_t unitNo, topAxisNo;
    std::uint32_t mdrp;
    int unitIndex, topAxisIndex;
    bool ticked;
};

TEST(UnitParaSet, OpensWithTheImageValuesAndLeavesTheFlagAsItWas) {
    const SOpenCase cases[] = {
        {"multi-drop on", 1, 6, MDRP_ENABLED, 1, 3, true},
        {"multi-drop off shows top axis 0", 0, 6, 0, 0, 0, false},
        {"any other marker counts as off", 1, 10, 0x44524F51, 1, 0, false},
        {"top axis 14", 0, 14, MDRP_ENABLED, 0, 7, true},
        {"an odd top axis selects the entry of its half", 0, 7, MDRP_ENABLED, 0, 3, true},
        {"top axis 15 selects 14", 0, 15, MDRP_ENABLED, 0, 7, true},
        {"a top axis beyond the list selects nothing", 0, 16, MDRP_ENABLED, 0, -1, true},
    };
    for (bool flagBefore : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ParameterImage image;
            image.UnitNo = c.unitNo;
            image.TopAxisNo = c.topAxisNo;
            image.MDRP = c.mdrp;
            SMainFlags flags;
            flags.unitNoModified = flagBefore;
            CUnitParaSet d(image, flags);
            EXPECT_EQ(d.cbUnitNo.index, c.unitIndex);
            EXPECT_EQ(d.cbTAxisNo.index, c.topAxisIndex);
            EXPECT_EQ(d.ckMDRP.checked, c.ticked);
            EXPECT_EQ(d.cbTAxisNo.enabled, c.ticked);
            EXPECT_EQ(d.cbTAxisNo.grey, !c.ticked);
            EXPECT_EQ(image.TopAxisNo, c.topAxisNo) << "showing 0 does not touch the image";
            EXPECT_EQ(flags.unitNoModified, flagBefore);
        }
    }
}

TEST(UnitParaSet, ListsAndTextsAreTheDialogs) {
    ParameterImage image;
    SMainFlags flags;
    CUnitParaSet d(image, flags);
    EXPECT_EQ(d.Caption, "unit No.");
    EXPECT_EQ(d.ckMDRP.text, "Multi Drop enable");
    EXPECT_EQ(d.Label1.text, "UnitNo.");
    EXPECT_EQ(d.Label2.text, "Top Axis No.");
    EXPECT_EQ(d.cbUnitNo.items, (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(d.cbTAxisNo.items, (std::vector<std::string>{"0", "2", "4", "6", "8", "10", "12", "14"}));
}

TEST(UnitParaSet, EveryChangeGoesIntoTheImageAndMarksTheUnitParameters) {
    ParameterImage image;
    image.TopAxisNo = 6;
    SMainFlags flags;
    CUnitParaSet d(image, flags);

    d.ckMDRPClick(true);
    EXPECT_EQ(image.MDRP, MDRP_ENABLED);
    EXPECT_TRUE(flags.unitNoModified);
    EXPECT_TRUE(d.cbTAxisNo.enabled);
    EXPECT_EQ(d.cbTAxisNo.Selected(), "6");

    flags.unitNoModified = false;
    d.cbTAxisNoChange(5);
    EXPECT_EQ(image.TopAxisNo, 10);
    EXPECT_TRUE(flags.unitNoModified);

    flags.unitNoModified = false;
    d.cbUnitNoChange(1);
    EXPECT_EQ(image.UnitNo, 1);
    EXPECT_TRUE(flags.unitNoModified);

    flags.unitNoModified = false;
    d.ckMDRPClick(false);
    EXPECT_EQ(image.MDRP, 0u);
    EXPECT_EQ(image.TopAxisNo, 10) << "the image keeps its top axis number";
    EXPECT_EQ(d.cbTAxisNo.Selected(), "0");
    EXPECT_FALSE(d.cbTAxisNo.enabled);
    EXPECT_TRUE(flags.unitNoModified);
}

TEST(UnitParaSet, CancelGivesBackWhatTheDialogFound) {
    for (bool flagBefore : {false, true}) {
        ParameterImage image;
        image.UnitNo = 1;
        image.TopAxisNo = 7;
        image.MDRP = 0x12345678;
        SMainFlags flags;
        flags.unitNoModified = flagBefore;
        CUnitParaSet d(image, flags);
        d.ckMDRPClick(true);
        d.cbTAxisNoChange(2);
        d.cbUnitNoChange(0);
        d.Cancel();
        EXPECT_EQ(image.UnitNo, 1);
        EXPECT_EQ(image.TopAxisNo, 7);
        EXPECT_EQ(image.MDRP, 0x12345678u) << "even a marker the dialog does not know comes back";
        EXPECT_EQ(flags.unitNoModified, flagBefore);
    }
}

TEST(UnitParaSet, AnIndexOutsideTheListChangesNothing) {
    ParameterImage image;
    SMainFlags flags;
    CUnitParaSet d(image, flags);
    d.cbUnitNoChange(2);
    d.cbTAxisNoChange(-1);
    d.cbTAxisNoChange(8);
    EXPECT_EQ(image.UnitNo, 0);
    EXPECT_EQ(image.TopAxisNo, 0);
    EXPECT_FALSE(flags.unitNoModified);
}

}  // namespace
