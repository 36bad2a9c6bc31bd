#include <gtest/gtest.h>

#include "core/advanced/DrvObsrvState.h"
#include "tests/support/ScriptedHost.h"

namespace {

DriverRegisters PlausibleRegisters() {
    DriverValues values{};
    for (std::size_t row = 0; row < values.size(); ++row) values[row] = DriverParameterTable[row].min;
    values[7] = 85;      // DHTP, fixed
    values[8] = 0xFFFF;  // EVMIN, fixed
    return DriverRegistersOf(values);
}

int RowOf(std::string_view symbol) {
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        if (DriverParameterTable[static_cast<std::size_t>(row - 1)].Symbol() == symbol) return row;
    }
    return -1;
}

TEST(DriverParameterTable, AddressesWidthsAndTexts) {
    EXPECT_EQ(DriverParameterTable.front().address, 0xF800);
    EXPECT_EQ(DriverParameterTable[8].address, 0xF810);
    EXPECT_EQ(DriverParameterTable.back().address, 0xF824);
    int registers = 0;
    for (const auto& p : DriverParameterTable) registers += p.registers;
    EXPECT_EQ(registers, DRIVER_PARAM_REGISTERS);
    EXPECT_EQ(DriverParameterTable.front().Symbol(), "OMPV");
    EXPECT_EQ(DriverParameterTable.front().Name(), "Motor power overvoltage  threshold value[V]");
    EXPECT_EQ(DriverParameterTable.back().Symbol(), "UMWT");
    EXPECT_EQ(DriverParameterTable.back().Name(), "Motor voltage reduction monitor timer value[msec]");
}

TEST(DriverParameterTable, RegistersRoundTripHighWordFirst) {
    DriverValues values{};
    for (std::size_t row = 0; row < values.size(); ++row) values[row] = static_cast<std::uint32_t>(row + 1);
    values[0] = 0x00012345;
    const DriverRegisters registers = DriverRegistersOf(values);
    EXPECT_EQ(registers[0], 0x0001);
    EXPECT_EQ(registers[1], 0x2345);
    EXPECT_EQ(registers[16], 9);  // EVMIN, the first one-register row, at F810h
    EXPECT_EQ(registers[37], 28);
    EXPECT_EQ(DriverValuesOf(registers), values);
}

TEST(DrvObsrvState, GridTextsColoursAndEditableRows) {
    auto state = CreateDrvObsrvState();
    EXPECT_EQ(state.caption, "Driver Monitor Parameter Setting");
    EXPECT_EQ(state.btnWrite.text, "Write");
    EXPECT_EQ(state.btnClose.text, "Close");
    EXPECT_FALSE(state.sgPara.enabled);
    EXPECT_FALSE(state.btnWrite.enabled);
    EXPECT_EQ(state.sgPara.rowCount, 29);
    EXPECT_EQ(state.sgPara.colCount, 4);
    EXPECT_EQ(state.sgPara.cells[0], (std::vector<std::string>{"Address", "Symbol", "Name", "Data"}));
    EXPECT_EQ(state.sgPara.Cell(0, 28), "F824");
    ShowDriverValues(state, PlausibleRegisters());
    EXPECT_EQ(state.sgPara.Cell(3, 1), "200");
    EXPECT_EQ(state.sgPara.Cell(3, 9), "65535");
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        const bool fixed = row >= 8 && row <= 15;  // DHTP to FANDR
        EXPECT_EQ(DriverRowEditable(row), !fixed) << row;
        EXPECT_EQ(state.sgPara.greyText[static_cast<std::size_t>(row)][3], fixed) << row;
        EXPECT_EQ(state.sgPara.colours[static_cast<std::size_t>(row)][3] == CellColour::Grey, fixed) << row;
    }
    EXPECT_FALSE(DriverRowEditable(0));
}

// Each editable row at both limits and one step beyond them; text that is no number.
TEST(DrvObsrvState, LimitsOfEveryEditableRow) {
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        const auto& p = DriverParameterTable[static_cast<std::size_t>(row - 1)];
        if (!p.editable) continue;
        auto state = CreateDrvObsrvState();
        const auto valueIs = [&](long long value) {
            state.sgPara.Cell(3, row) = std::to_string(value);
            return DriverRowValue(state, row).has_value();
        };
        EXPECT_TRUE(valueIs(p.min)) << p.Symbol();
        EXPECT_TRUE(valueIs(p.max)) << p.Symbol();
        EXPECT_FALSE(valueIs(static_cast<long long>(p.max) + 1)) << p.Symbol();
        if (p.min > 0) {
            EXPECT_FALSE(valueIs(static_cast<long long>(p.min) - 1)) << p.Symbol();
        }
    }
    auto state = CreateDrvObsrvState();
    for (const char* text : {"", "abc", "12x", "4294967296", "99999999999999999999"}) {
        state.sgPara.Cell(3, 2) = text;
        EXPECT_FALSE(DriverRowValue(state, 2)) << text;
    }
    state.sgPara.Cell(3, 2) = " 2550 ";
    EXPECT_EQ(DriverRowValue(state, 2), 2550u);
}

TEST(DrvObsrvState, RejectedValueShowsMessage66AndStaysInTheCell) {
    auto state = CreateDrvObsrvState();
    ShowDriverValues(state, PlausibleRegisters());
    ScriptedHost host;
    EXPECT_FALSE(DriverCellEdited(state, RowOf("OMPV"), "601", host));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Illegal Data Value(OMPV)\r\nPlease input 200-600");
    EXPECT_EQ(state.sgPara.Cell(3, RowOf("OMPV")), "601");

    // -5 taken as an unsigned number is far above 2550.
    EXPECT_FALSE(DriverCellEdited(state, RowOf("OMWT"), "-5", host));
    EXPECT_EQ(host.boxes.back().text, "Illegal Data Value(OMWT)\r\nPlease input 0-2550");

    // Write validates in order and stops at the first bad row with its message.
    host.boxes.clear();
    EXPECT_FALSE(DriverRegistersToWrite(state, host));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Illegal Data Value(OMPV)\r\nPlease input 200-600");

    EXPECT_TRUE(DriverCellEdited(state, RowOf("OMPV"), "600", host));
    EXPECT_TRUE(DriverCellEdited(state, RowOf("OMWT"), "2550", host));
    host.boxes.clear();
    const auto registers = DriverRegistersToWrite(state, host);
    ASSERT_TRUE(registers);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ((*registers)[1], 600);
    EXPECT_EQ((*registers)[3], 2550);
    EXPECT_EQ((*registers)[16], 0xFFFF);  // the fixed rows go back as they were read
}

// Leaving an editable value cell validates its row even when nobody typed: the unit's own value may lie
// outside the limits. Leaving a fixed cell, staying in the cell or leaving a valid one shows nothing.
TEST(DrvObsrvState, LeavingAValueCellValidatesItsRowChangedOrNot) {
    const std::string ompvOutOfRange = "Illegal Data Value(OMPV)\r\nPlease input 200-600";
    const struct {
        const char* what;
        int fromCol, fromRow;  // the current cell before
        std::string text;      // of the OMPV value cell
        int toCol, toRow;
        std::vector<std::string> shown;
    } cases[] = {
        {"the unit's 700, untouched, to the next row", 3, 1, "700", 3, 2, {ompvOutOfRange}},
        {"the unit's 700, untouched, to the symbol column", 3, 1, "700", 1, 1, {ompvOutOfRange}},
        {"a valid value", 3, 1, "400", 3, 2, {}},
        {"the same cell again", 3, 1, "700", 3, 1, {}},
        {"from the symbol column of the row", 1, 1, "700", 3, 2, {}},
        {"from a fixed row's value cell", 3, RowOf("DHTP"), "700", 3, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = CreateDrvObsrvState();
        ShowDriverValues(state, PlausibleRegisters());
        state.sgPara.Cell(3, RowOf("OMPV")) = c.text;
        state.col = c.fromCol;
        state.row = c.fromRow;
        ScriptedHost host;
        DriverCellSelected(state, c.toCol, c.toRow, host);
        EXPECT_EQ(host.Texts(), c.shown);
        EXPECT_EQ(state.col, c.toCol);
        EXPECT_EQ(state.row, c.toRow);
        EXPECT_EQ(state.sgPara.Cell(3, RowOf("OMPV")), c.text) << "the cell keeps the rejected text";
    }
}

TEST(DrvObsrvState, EnterOrLeavingTheGridValidatesTheCurrentValueCell) {
    auto state = CreateDrvObsrvState();
    ShowDriverValues(state, PlausibleRegisters());
    ScriptedHost host;
    DriverCellText(state, RowOf("FANWR"), "99");
    EXPECT_TRUE(host.boxes.empty()) << "handing over the text validates nothing";
    EXPECT_EQ(state.sgPara.Cell(3, RowOf("FANWR")), "99");
    state.row = RowOf("FANWR");
    EXPECT_FALSE(DriverEditEnded(state, host));
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"Illegal Data Value(FANWR)\r\nPlease input 100-8200"});
    DriverCellText(state, RowOf("FANWR"), "8200");
    EXPECT_TRUE(DriverEditEnded(state, host));
    state.row = RowOf("DHTP");
    DriverCellText(state, RowOf("DHTP"), "x");
    EXPECT_TRUE(DriverEditEnded(state, host)) << "a fixed row is never edited";
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST(DrvObsrvState, FixedRowsIgnoreEdits) {
    auto state = CreateDrvObsrvState();
    ShowDriverValues(state, PlausibleRegisters());
    ScriptedHost host;
    EXPECT_TRUE(DriverCellEdited(state, RowOf("DHTP"), "7", host));
    EXPECT_EQ(state.sgPara.Cell(3, RowOf("DHTP")), "85");
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
