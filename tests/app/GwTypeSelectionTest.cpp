#include <gtest/gtest.h>

#include "core/app/GwFileFilter.h"
#include "core/app/GwType.h"
#include "core/app/SelectGwTypeState.h"
#include "core/app/texts/UiText.h"

namespace {

TEST(GwTypeTableTest, LookupByType) {
    EXPECT_EQ(GwUnitDataOf(GW_VOSK_LC).name, "VOSK-LC");
    EXPECT_EQ(GwUnitDataOf(GW_DRAVO).extension, ".dvgw");
    EXPECT_EQ(GwUnitDataOf(GW_NUB3GW).name, "NUB3 GW");
    const SGwUnitData& unknown = GwUnitDataOf(0x40);
    EXPECT_EQ(unknown.code, GW_NONE);
    EXPECT_EQ(unknown.filterIndex, -1);
    EXPECT_EQ(&GwUnitDataOf(GW_NONE), &GwTypeTable[6]);
}

TEST(GwTypeTableTest, VoskAndMl3ShareTheTagOnly) {
    const SGwUnitData& vosk = GwUnitDataOf(GW_VOSK);
    const SGwUnitData& ml3 = GwUnitDataOf(GW_VOSK_ML3);
    EXPECT_EQ(UiText[static_cast<std::size_t>(vosk.tagIndex)], ";VOSKGW=");
    EXPECT_EQ(UiText[static_cast<std::size_t>(ml3.tagIndex)], ";VOSKGW=");
    EXPECT_NE(vosk.extension, ml3.extension);
    EXPECT_NE(FileFilterTextOf(vosk), FileFilterTextOf(ml3));
}

TEST(GwFileFilterTest, BothPlaceholdersTakeTheExtension) {
    const struct {
        GwType type;
        const char* filter;
    } cases[] = {
        {GW_KAVELIS, "Parameter for KGW(*.pkgw)|*.pkgw|"},
        {GW_VOSK, "VOSK Parameter(*.vogw)|*.vogw|"},
        {GW_VOSK_ML3, "VOSK(MLIII) Parameter(*.vmgw)|*.vmgw|"},
        {GW_VOSK_LC, "VOSK-LC Parameter(*.volc)|*.volc|"},
        {GW_NUB3GW, "NUB3GW Parameter(*.nugw)|*.nugw|"},
        {GW_DRAVO, "DRAVO Parameter(*.dvgw)|*.dvgw|"},
        {GW_NONE, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FileFilterTextOf(GwUnitDataOf(c.type)), c.filter) << c.type;
}

TEST(GwFileFilterTest, SplitIntoPairs) {
    const auto entries = SplitFileFilter("DRAVO Parameter(*.dvgw)|*.dvgw|All|*|dangling");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].description, "DRAVO Parameter(*.dvgw)");
    EXPECT_EQ(entries[0].pattern, "*.dvgw");
    EXPECT_EQ(entries[1].description, "All");
    EXPECT_EQ(entries[1].pattern, "*");
    EXPECT_TRUE(SplitFileFilter("").empty());
}

TEST(SelectGwTypeTest, ListPerMode) {
    const SSelectGwTypeState normal = CreateSelectGwTypeState(false);
    EXPECT_EQ(normal.cbSlctGwType.items,
              (std::vector<std::string>{"KAVELIS", "VOSK", "VOSK-LC", "NUB3 GW", "DRAVO"}));
    EXPECT_EQ(normal.cbSlctGwType.index, 0);
    EXPECT_TRUE(normal.Button1.enabled);
    const SSelectGwTypeState extended = CreateSelectGwTypeState(true);
    EXPECT_EQ(extended.cbSlctGwType.items,
              (std::vector<std::string>{"KAVELIS", "VOSK", "VOSK(MLIII)", "VOSK-LC", "NUB3 GW", "DRAVO"}));
    EXPECT_EQ(extended.cbSlctGwType.index, 0);
    EXPECT_EQ(extended.caption, "SelectGwType");
    EXPECT_EQ(extended.Label1.text, "Select Unit type.");
}

TEST(SelectGwTypeTest, ItemToType) {
    const struct {
        bool extended;
        int item;
        GwType type;
    } cases[] = {
        {false, 0, GW_KAVELIS}, {false, 2, GW_VOSK_LC}, {false, 4, GW_DRAVO},
        {false, 5, GW_NONE},    {true, 2, GW_VOSK_ML3}, {true, 3, GW_VOSK_LC},
        {true, 5, GW_DRAVO},    {true, 6, GW_NONE},     {true, -1, GW_NONE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GwTypeOfListItem(c.extended, c.item), c.type) << c.extended << c.item;
}

TEST(SelectGwTypeTest, ActivateThenCloseStoresTheChoice) {
    SProgramValues values;
    values.SelectedGwType = GW_DRAVO;
    SSelectGwTypeState state = CreateSelectGwTypeState(false);
    ActivateSelectGwType(values);
    EXPECT_EQ(values.SelectedGwType, GW_NONE);
    EXPECT_TRUE(CloseSelectGwType(state, values));  // OK untouched
    EXPECT_EQ(values.SelectedGwType, GW_KAVELIS);

    state.cbSlctGwType.index = 2;
    EXPECT_TRUE(CloseSelectGwType(state, values));
    EXPECT_EQ(values.SelectedGwType, 0x20);

    SSelectGwTypeState extended = CreateSelectGwTypeState(true);
    extended.cbSlctGwType.index = 2;
    EXPECT_TRUE(CloseSelectGwType(extended, values));
    EXPECT_EQ(values.SelectedGwType, 0x10);
}

TEST(SelectGwTypeTest, RefusesToCloseWithoutAListedItem) {
    SProgramValues values;
    SSelectGwTypeState state = CreateSelectGwTypeState(false);
    state.cbSlctGwType.index = -1;
    EXPECT_FALSE(CloseSelectGwType(state, values));
    state.cbSlctGwType.index = 5;
    EXPECT_FALSE(CloseSelectGwType(state, values));
    EXPECT_EQ(values.SelectedGwType, GW_NONE);
}

}  // namespace
