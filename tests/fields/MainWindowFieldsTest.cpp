// The main window's fields by name on a window laid out in memory: the states a slot's row reaches and
// the fewest clicks to each, and the names, locks and choices of the fields.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/fields/AxisSlotClicks.h"
#include "core/fields/MainWindowFields.h"
#include "core/params/image/NetworkTypeTable.h"
#include "tests/params/edit/Bench.h"

namespace {

const SSlotReach* Reached(const std::vector<SSlotReach>& reach, const std::string& name, bool reserved) {
    const auto state = std::find_if(reach.begin(), reach.end(), [&](const SSlotReach& s) {
        return s.mode.name == name && s.mode.reserved == reserved;
    });
    return state == reach.end() ? nullptr : &*state;
}

// The window after opening a set of the network with these leading slots and W4N.
void Open(SEditBench& bench, std::uint16_t ntyp, std::initializer_list<std::uint16_t> slots, std::uint16_t w4n) {
    bench.image.Word(NTYP) = ntyp;
    bench.SetSlots(slots);
    bench.image.Word(W4N) = w4n;
    bench.image.RecountPending = true;
    bench.Refresh();
}

const SWindowField& Field(const std::vector<SWindowField>& fields, const std::string& name) {
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const SWindowField& f) { return f.name == name; });
    EXPECT_NE(field, fields.end()) << name;
    static const SWindowField none;
    return field == fields.end() ? none : *field;
}

// The servo column cycles A, (A), P, (P): (P) lies three clicks away, and the search starts from the
// slot as it stands.
TEST(AxisSlotClicks, ServoSlotReachesEachLetterByItsFewestClicks) {
    SEditBench bench(GW_VOSK_ML3);
    Open(bench, NTYP_MECHATROLINK3, {0x0040, 0x0040}, 2);
    const std::vector<SSlotReach> reach = ReachableSlotStates(bench.image, bench.form, bench.program, 1);
    ASSERT_FALSE(reach.empty());
    EXPECT_EQ(reach.front().mode.name, "ML-IIIServo A");
    EXPECT_TRUE(reach.front().clicks.empty());
    const struct {
        const char* name;
        bool reserved;
        std::size_t clicks;
    } cases[] = {{"ML-IIIServo A", true, 1}, {"ML-IIIServo P", false, 2}, {"ML-IIIServo P", true, 3}};
    for (const auto& c : cases) {
        const SSlotReach* state = Reached(reach, c.name, c.reserved);
        ASSERT_NE(state, nullptr) << c.name << c.reserved;
        EXPECT_EQ(state->clicks.size(), c.clicks) << c.name << c.reserved;
    }
    // The search works on copies: the window and the image are as they were.
    EXPECT_EQ(bench.Slot(1), 0x0040);
}

// A VOSK pair both reserved clears to "not set" in one click; a field beyond the axes is locked by the
// count lists, and a list disabled by its neighbour names it.
TEST(MainWindowFields, VoskFieldsFollowTheGridsRulesAndLocks) {
    SEditBench bench(GW_VOSK);
    Open(bench, NTYP_ETHERNET_IP, {0x8001, 0x8001}, 2);
    const std::vector<SSlotReach> reach = ReachableSlotStates(bench.image, bench.form, bench.program, 0);
    const SSlotReach* cleared = Reached(reach, "-", false);
    ASSERT_NE(cleared, nullptr);
    EXPECT_EQ(cleared->clicks, (std::vector<SSlotClick>{{0, 2}}));

    const std::vector<SWindowField> fields = MainWindowFields(bench.image, bench.form, bench.program);
    EXPECT_EQ(Field(fields, "Axis2").lock, EFieldLock::BeyondConfiguredAxes);
    EXPECT_EQ(Field(fields, "Size nibble").lock, EFieldLock::OtherListChosen);
    EXPECT_EQ(Field(fields, "Size nibble").lockedBy, "Size 1W");
    EXPECT_EQ(Field(fields, "Network Type").lock, EFieldLock::NetworkReadOnly);
    EXPECT_EQ(Field(fields, "Axis0").value, "Point1");
    EXPECT_EQ(Field(fields, "Axis0 Rsv").value, "on");

    // Setting the reserve mark off on one slot keeps its mode; the pair's partner, which the row's own
    // clicks would clear with it, is clicked back to reserved.
    const SFieldSetOutcome off =
        SetMainWindowField(bench.image, bench.form, bench.program, bench.host, "axis1 rsv", "off");
    EXPECT_EQ(off.result, EFieldSetResult::Set);
    EXPECT_EQ(bench.Slot(0), 0x8001);
    EXPECT_EQ(bench.Slot(1), 0x0001);
    const SFieldSetOutcome shown = SetMainWindowField(bench.image, bench.form, bench.program, bench.host, "In", "48");
    EXPECT_EQ(shown.result, EFieldSetResult::Locked);
    EXPECT_EQ(shown.field.lock, EFieldLock::ShownOnly);
}

}  // namespace
