#include "core/fields/AxisSlotClicks.h"

#include <set>
#include <tuple>

#include "core/app/SilentHost.h"
#include "core/params/edit/AxisGridEditing.h"

namespace {

struct SClickNode {
    ParameterImage image;
    SMainFormState form;
    std::vector<SSlotClick> clicks;
};

// What a click can change: the configuration words, the axis words and the counts beside them.
using StateKey = std::tuple<std::array<std::uint16_t, 16>, std::array<std::uint16_t, 16>, int, int>;

StateKey KeyOf(const ParameterImage& image) {
    return {image.GwConfigBlock, image.AxisMode, image.AxisCount, image.IoAxisCount};
}

// The rows whose clicks can change the slot: its own, and its pair partner's where slots are paired.
std::vector<int> RowsOf(const GridState& grid, GwType type, int slot) {
    std::vector<int> slots{slot};
    const int partner = slot ^ 1;
    if ((type == GW_VOSK || type == GW_VOSK_ML3) && partner + 1 < grid.rowCount) slots.push_back(partner);
    return slots;
}

int OthersChanged(const ParameterImage& before, const ParameterImage& after, int slot) {
    int changed = 0;
    for (std::size_t i = 0; i < before.GwConfigBlock.size(); ++i)
        changed += before.GwConfigBlock[i] != after.GwConfigBlock[i] ? 1 : 0;
    for (std::size_t i = 0; i < before.AxisMode.size(); ++i)
        changed += static_cast<int>(i) != slot && before.AxisMode[i] != after.AxisMode[i] ? 1 : 0;
    return changed;
}

int ModeColumns(GwType type) {
    return type == GW_VOSK_ML3 ? GRID2_COLUMNS - 1 : GRID1_COLUMNS - 1;
}

}  // namespace

bool HasAxisGrid(GwType type) {
    return type == GW_KAVELIS || type == GW_VOSK || type == GW_NUB3GW || type == GW_VOSK_ML3;
}

void ClickSlot(ParameterImage& image, SMainFormState& form, const SProgramValues& program, HostServices& host,
               int slot, int column) {
    if (program.SelectedGwType == GW_VOSK_ML3)
        StringGrid2Click(image, form, program, host, column, slot + 1);
    else
        StringGrid1Click(image, form, program, host, column, slot + 1);
}

std::vector<SSlotReach> ReachableSlotStates(const ParameterImage& image, const SMainFormState& form,
                                            const SProgramValues& program, int slot) {
    const GwType type = program.SelectedGwType;
    std::vector<SSlotReach> reached{{ShownAxisMode(form, type, slot), {}, 0}};
    if (!HasAxisGrid(type)) return reached;
    const std::vector<int> rows = RowsOf(type == GW_VOSK_ML3 ? form.StringGrid2 : form.StringGrid1, type, slot);
    // Breadth first, so the first way found to a state is one of the shortest.
    std::vector<SClickNode> level{{image, form, {}}};
    std::set<StateKey> seen{KeyOf(image)};
    CSilentHost quiet;
    for (int depth = 0; depth < MOST_SLOT_CLICKS && !level.empty(); ++depth) {
        std::vector<SClickNode> next;
        for (const SClickNode& node : level) {
            for (const int row : rows) {
                for (int column = 1; column <= ModeColumns(type); ++column) {
                    SClickNode clicked = node;
                    ClickSlot(clicked.image, clicked.form, program, quiet, row, column);
                    if (!seen.insert(KeyOf(clicked.image)).second) continue;
                    clicked.clicks.push_back({row, column});
                    reached.push_back({ShownAxisMode(clicked.form, type, slot), clicked.clicks,
                                       OthersChanged(image, clicked.image, slot)});
                    next.push_back(std::move(clicked));
                }
            }
        }
        level = std::move(next);
    }
    return reached;
}
