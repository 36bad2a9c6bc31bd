#include <gtest/gtest.h>

#include <set>

#include "core/params/edit/AxisGridEditing.h"
#include "core/params/edit/DravoPanelEvents.h"
#include "core/params/edit/FieldEditing.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "core/params/validation/ValidationChecks.h"
#include "core/params/validation/ValidationPreparation.h"
#include "tests/params/edit/Bench.h"
#include "tests/support/TestCaseName.h"

namespace {

// ---- Completeness ----

void SelectEveryCombo(SMainFormState& form) {
    for (ComboState* combo :
         {&form.cbDADR, &form.cbDBPS, &form.cbFINX, &form.cbTBPS, &form.cbW1N, &form.cbB4N, &form.ComboBox1,
          &form.cbW4N, &form.cbW8N, &form.cbW2N, &form.cbDSZ})
        combo->index = 0;
}

struct SCompleteness {
    GwType type;
    std::uint16_t ntyp;
    ComboState SMainFormState::*unset;
    int result;
};

TEST(CheckCompleteness, EveryComboTheTypeAndNetworkNeedMustHoldASelection) {
    const SCompleteness cases[] = {
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbDADR, COMPLETENESS_MISSING},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbDBPS, COMPLETENESS_MISSING},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbFINX, COMPLETENESS_MISSING},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbW4N, COMPLETENESS_MISSING},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbW8N, COMPLETENESS_MISSING},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbW2N, COMPLETENESS_MISSING},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbW1N, VALIDATION_OK},
        {GW_KAVELIS, NTYP_PROFIBUS_DP, &SMainFormState::cbTBPS, VALIDATION_OK},
        {GW_KAVELIS, NTYP_ETHERNET_IP, &SMainFormState::cbDADR, VALIDATION_OK},
        {GW_VOSK, NTYP_PROFINET_IO, &SMainFormState::cbDADR, VALIDATION_OK},
        {GW_VOSK, NTYP_ETHERCAT, &SMainFormState::cbDADR, VALIDATION_OK},
        {GW_VOSK, NTYP_PIO, &SMainFormState::cbDADR, COMPLETENESS_MISSING},
        {GW_VOSK, NTYP_PROFIBUS_DP, &SMainFormState::cbW1N, COMPLETENESS_MISSING},
        {GW_NUB3GW, NTYP_PROFIBUS_DP, &SMainFormState::cbB4N, COMPLETENESS_MISSING},
        {GW_NUB3GW, NTYP_PROFIBUS_DP, &SMainFormState::ComboBox1, VALIDATION_OK},
        {GW_VOSK_ML3, NTYP_MECHATROLINK3, &SMainFormState::ComboBox1, COMPLETENESS_MISSING},
        {GW_VOSK_ML3, NTYP_MECHATROLINK3, &SMainFormState::cbDSZ, COMPLETENESS_MISSING},
        {GW_VOSK, NTYP_PROFIBUS_DP, &SMainFormState::cbDSZ, VALIDATION_OK},
        {GW_VOSK_LC, NTYP_DEVICENET, &SMainFormState::cbTBPS, COMPLETENESS_MISSING},
        {GW_VOSK_LC, NTYP_DEVICENET, &SMainFormState::cbW4N, VALIDATION_OK},
        {GW_DRAVO, NTYP_DEVICENET, &SMainFormState::cbDBPS, COMPLETENESS_MISSING},
        {GW_DRAVO, NTYP_DEVICENET, &SMainFormState::cbW1N, VALIDATION_OK},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.Word(NTYP) = c.ntyp;
        SMainFormState form;
        SelectEveryCombo(form);
        SProgramValues program;
        program.SelectedGwType = c.type;
        EXPECT_EQ(CheckCompleteness(image, form, program), VALIDATION_OK);
        (form.*c.unset).index = -1;
        EXPECT_EQ(CheckCompleteness(image, form, program), c.result) << c.type << " " << std::hex << c.ntyp;
    }
}

// ---- Axis words from the grid ----

struct SGridRow {
    const char* what;
    GwType type;
    std::vector<std::string> row;  // mode columns 1..
    std::uint16_t word;
};

class GridRebuild : public testing::TestWithParam<SGridRow> {};

void PrintTo(const SGridRow& c, std::ostream* os) {
    *os << c.what;
}

TEST_P(GridRebuild, MarkOrOpenCellsGiveTheSlotWord) {
    const auto& c = GetParam();
    GridState grid;
    const int columns = static_cast<int>(c.row.size()) + 1;
    grid.Resize(columns, 5);
    for (int row = 1; row < 5; ++row)
        for (int column = 1; column < columns; ++column) grid.Cell(column, row) = "-";
    for (int column = 1; column < columns; ++column)
        grid.Cell(column, 2) = c.row[static_cast<std::size_t>(column - 1)];
    ParameterImage image;
    RebuildAxisWordsFromGrid(image, grid, c.type);
    EXPECT_EQ(image.AxisMode[1], c.word);
    EXPECT_EQ(image.AxisMode[0], AXIS_NO_SLOT);
    for (std::size_t s = 4; s < 16; ++s) EXPECT_EQ(image.AxisMode[s], AXIS_NO_SLOT);  // no rows
}

using Row = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Types, GridRebuild,
    testing::Values(SGridRow{"VOSK Simple", GW_VOSK, Row{"*", " ", " ", " ", " ", "-"}, 0x0000},
                    SGridRow{"VOSK reserved Point1", GW_VOSK, Row{" ", "(*)", " ", " ", " ", "-"}, 0x8001},
                    SGridRow{"VOSK Point3", GW_VOSK, Row{"-", "-", "-", "-", "*", "-"}, 0x0020},
                    SGridRow{"VOSK not set", GW_VOSK, Row{" ", " ", " ", " ", " ", "-"}, 0x5FFF},
                    SGridRow{"VOSK TEV I/O", GW_VOSK, Row{"-", "-", "-", "-", "-", "(*)"}, 0x8030},
                    SGridRow{"VOSK servo A", GW_VOSK, Row{"-", "-", "-", "-", "-", "A"}, 0x0040},
                    SGridRow{"VOSK servo (P)", GW_VOSK, Row{"-", "-", "-", "-", "-", "(P)"}, 0x8041},
                    SGridRow{"VOSK no slot", GW_VOSK, Row{"-", "-", "-", "-", "-", "-"}, 0xFFFF},
                    SGridRow{"NUB3 Point3", GW_NUB3GW, Row{" ", " ", " ", " ", "*", "-"}, 0x0020},
                    SGridRow{"NUB3 RemoteI/O", GW_NUB3GW, Row{"-", "-", "-", "-", "-", "*"}, 0x0031},
                    SGridRow{"KAVELIS Sol1", GW_KAVELIS, Row{"-", "-", "-", " ", "*", " "}, 0x0011},
                    SGridRow{"KAVELIS Sol2 reserved", GW_KAVELIS, Row{"-", "-", "-", " ", " ", "(*)"},
                             0x8012},
                    SGridRow{"KAVELIS Full", GW_KAVELIS, Row{" ", " ", "*", "-", "-", "-"}, 0x0003},
                    SGridRow{"KAVELIS empty 4W", GW_KAVELIS, Row{" ", " ", " ", "-", "-", "-"}, 0x3FFF},
                    SGridRow{"KAVELIS empty 2W", GW_KAVELIS, Row{"-", "-", "-", " ", " ", " "}, 0x4FFF},
                    SGridRow{"MLIII A", GW_VOSK_ML3, Row{"A"}, 0x0040},
                    SGridRow{"MLIII (P)", GW_VOSK_ML3, Row{"(P)"}, 0x8041},
                    SGridRow{"MLIII not set", GW_VOSK_ML3, Row{" "}, 0x5FFF},
                    SGridRow{"MLIII no slot", GW_VOSK_ML3, Row{"-"}, 0xFFFF}),
    [](const auto& info) { return TestCaseName(info.param.what); });

TEST(GridRebuild, KavelisRowAfterAFullAxisIsItsSecondHalf) {
    GridState grid;
    grid.Resize(GRID1_COLUMNS, 4);
    const Row rows[] = {
        {" ", " ", "(*)", "-", "-", "-"}, {" ", " ", "-", "-", "-", "-"}, {" ", " ", "-", "-", "-", "-"}};
    for (int r = 0; r < 3; ++r)
        for (int column = 1; column < GRID1_COLUMNS; ++column)
            grid.Cell(column, r + 1) = rows[r][static_cast<std::size_t>(column - 1)];
    ParameterImage image;
    RebuildAxisWordsFromGrid(image, grid, GW_KAVELIS);
    EXPECT_EQ(image.AxisMode[0], 0x8003);
    EXPECT_EQ(image.AxisMode[1], 0x0004);
    EXPECT_EQ(image.AxisMode[2], AXIS_EMPTY_4W);
    EXPECT_EQ(image.AxisMode[3], AXIS_NO_SLOT);
}

// ---- Preparation and validation on a refreshed main window ----

TEST(PrepareAndValidate, VoskPairsOnProfibus) {
    SEditBench bench(GW_VOSK, 8);
    bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
    bench.image.Word(DADR) = 7;
    bench.image.Word(W4N) = 4;
    bench.SetSlots({0x0001, 0x8001, 0x0020, 0x0020});
    bench.image.RecountPending = true;
    bench.Refresh();
    bench.image.AxisModeMirror.fill(0);
    ASSERT_EQ(CheckCompleteness(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.image.Word(DADR), 7);
    EXPECT_EQ(bench.image.Word(NMOD), 1);
    EXPECT_EQ(bench.image.Word(DSZO), 20 + 16);  // 18 bytes rounded up to 20
    EXPECT_EQ(bench.image.Word(FINX), 3);
    EXPECT_EQ(bench.image.Word(W8N), 0);
    EXPECT_EQ(bench.Slot(1), 0x8001);
    EXPECT_EQ(bench.image.AxisModeMirror[1], 0x8001);
    EXPECT_EQ(bench.image.AxisModeMirror[3], 0x0020);
}

TEST(PrepareAndValidate, CcLinkWithFortyBytesBecomesVersion2) {
    for (auto [stationIndex, code] :
         {std::pair{62, VALIDATION_OK}, std::pair{63, VALIDATION_ILLEGAL_STATION}}) {
        SEditBench bench(GW_VOSK, 8);
        bench.image.Word(NTYP) = NTYP_CCLINK_V1;
        bench.image.Word(DBPS) = 0x32;
        bench.image.Word(W4N) = 4;
        bench.SetSlots({0x0003, 0x0003, 0x0010, 0x0010});  // 40 bytes each way
        bench.image.RecountPending = true;
        bench.Refresh();
        bench.form.cbDADR.index = stationIndex;
        EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), code);
        EXPECT_EQ(bench.image.Word(NTYP), NTYP_CCLINK_V2);
        EXPECT_EQ(bench.image.Word(DSZI), 0x80);
        EXPECT_EQ(bench.image.Word(DBPS), 0x12);
        EXPECT_EQ(bench.image.Word(NMOD), 7);
        EXPECT_EQ(bench.image.Word(DADR), stationIndex + 1);
    }
}

TEST(PrepareAndValidate, EtherCatAddressThatIsNoNumberStopsFirst) {
    for (const char* text : {"70000", "abc", ""}) {
        SEditBench bench(GW_NUB3GW);
        bench.image.Word(NTYP) = NTYP_ETHERCAT;
        bench.image.Word(DADR) = 5;
        bench.image.UnitNo = 9;
        bench.Refresh();
        bench.form.edDADR.text = text;
        const std::uint16_t nmod = bench.image.Word(NMOD);
        EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_ILLEGAL_STATION)
            << text;
        EXPECT_EQ(bench.image.Word(DADR), 5);
        EXPECT_EQ(bench.image.Word(NMOD), nmod);  // preparation went no further
    }
    SEditBench bench(GW_NUB3GW);
    bench.image.Word(NTYP) = NTYP_ETHERCAT;
    bench.Refresh();
    bench.form.edDADR.text = "65535";
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.image.Word(DADR), 65535);
    EXPECT_EQ(bench.image.Word(NMOD), 16);
}

TEST(PrepareAndValidate, KavelisFirstGroupAndFullAxis) {
    SEditBench bench(GW_KAVELIS);
    bench.image.Word(NTYP) = NTYP_DEVICENET;
    bench.image.Word(DADR) = 3;
    bench.image.Word(W4N) = 2;
    bench.image.Word(W8N) = 1;
    bench.image.Word(FINX) = 3;
    bench.SetSlots({0x0001, 0x8000, 0x0003, 0x0004});
    bench.Refresh();
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.image.Word(DSZO), 48);
    EXPECT_EQ(bench.image.Word(NMOD), 2);
    EXPECT_EQ(bench.Slot(1), 0x8000);
    EXPECT_EQ(bench.Slot(3), 0x0004);

    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 2);  // 8000h -> Point1
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 2);  // reserved
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 2);  // empty
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OMISSION);
}

TEST(PrepareAndValidate, Rs485TakesTheBaudFromTheListAndStation63) {
    SEditBench bench(GW_VOSK_LC);
    bench.image.Word(NTYP) = NTYP_RS485;
    bench.image.Word(TBPS) = 5;
    bench.Refresh();
    bench.form.cbDBPS.index = 2;
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.image.Word(DBPS), 6);
    EXPECT_EQ(bench.image.Word(DADR), 63);
    EXPECT_EQ(bench.image.Word(NMOD), 10);
    EXPECT_EQ(bench.image.Word(TBPS), 5);
}

TEST(PrepareAndValidate, VoskLcTpPortEntryWithoutCodeIsRefused) {
    SEditBench bench(GW_VOSK_LC);
    bench.image.Word(NTYP) = NTYP_DEVICENET;
    bench.Refresh();
    bench.form.cbTBPS.index = 3;
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.image.Word(TBPS), 19);
    EXPECT_EQ(bench.image.Word(DSZO), 8);
    bench.form.cbTBPS.index = 6;
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_ILLEGAL_TP_BAUD);
}

TEST(PrepareAndValidate, VoskMl3ServoAxesAndDataSize) {
    SEditBench bench(GW_VOSK_ML3, 8);
    bench.image.Word(NTYP) = NTYP_MECHATROLINK3;
    bench.image.Word(DADR) = 10;
    bench.Refresh();
    ComboBox1Change(bench.image, bench.form, bench.program, bench.host, 2);
    StringGrid2Click(bench.image, bench.form, bench.program, bench.host, 1, 3);  // slot 2 reserved A
    bench.form.cbDSZ.index = 9;
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.form.cbDSZ.index, 0);
    EXPECT_EQ(bench.image.Word(DSZO), 32);
    EXPECT_EQ(bench.image.AxisCount, 4);
    EXPECT_EQ(bench.image.IoAxisCount, 4);
    EXPECT_EQ(bench.Slot(2), 0x8040);
    EXPECT_EQ(bench.Slot(4), AXIS_NO_SLOT);
    EXPECT_EQ(bench.image.Word(NMOD), 17);
}

TEST(PrepareAndValidate, DravoAxisWordsComeFromThePanels) {
    SEditBench bench(GW_DRAVO, 6);
    bench.image.Word(NTYP) = NTYP_DEVICENET;
    bench.Refresh();
    cbAxisCtrlChange(bench.image, bench.form, bench.program, bench.host, 0, 5);  // Direct Indication2
    cbAxisCtrlChange(bench.image, bench.form, bench.program, bench.host, 1, 3);  // Positioner3
    chkRsvAxisClick(bench.image, bench.form, bench.program, bench.host, 1, 0, true);
    bench.image.AxisMode[7] = 0x0001;  // a stray word the panels do not show
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_OK);
    EXPECT_EQ(bench.Slot(0), 0x0005);
    EXPECT_EQ(bench.Slot(2), 0x8020);
    EXPECT_EQ(bench.Slot(3), 0x0020);
    EXPECT_EQ(bench.Slot(7), AXIS_NO_SLOT);
    EXPECT_EQ(bench.image.AxisCount, 4);
    EXPECT_EQ(bench.image.Word(DSZO), 2 * 16 + 2 * 2 + 16);

    bench.form.DriveUnits[2].cbAxisCtrl.index = 12;
    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), VALIDATION_ILLEGAL_MODE);
}

// ---- Images with unexpected words ----

constexpr GwType TYPES[] = {GW_KAVELIS, GW_VOSK, GW_VOSK_ML3, GW_NUB3GW, GW_DRAVO, GW_VOSK_LC};

const std::set<int> DOCUMENTED_CODES = {VALIDATION_OK,
                                        VALIDATION_MIXED_2W_4W,
                                        VALIDATION_MIXED_IO_MODE,
                                        VALIDATION_ILLEGAL_DATA_SIZE,
                                        VALIDATION_ILLEGAL_MODE,
                                        VALIDATION_ILLEGAL_NETWORK,
                                        VALIDATION_ILLEGAL_STATION,
                                        VALIDATION_ILLEGAL_BAUD,
                                        VALIDATION_ILLEGAL_UNIT_NO,
                                        VALIDATION_ILLEGAL_TOP_AXIS,
                                        VALIDATION_ILLEGAL_PARAMETER,
                                        VALIDATION_ILLEGAL_TP_BAUD,
                                        VALIDATION_OMISSION};

struct SOddImage {
    const char* what;
    std::function<void(ParameterImage&)> change;
    std::array<int, 6> codes;  // by TYPES
};

// An image each type accepts, before the odd words go in.
ParameterImage PlainImage(GwType type) {
    ParameterImage image;
    image.Word(NTYP) = type == GW_VOSK_ML3 ? NTYP_MECHATROLINK3 : NTYP_PROFIBUS_DP;
    image.Word(DADR) = 3;
    image.Word(TBPS) = 20;
    image.Word(DSZO) = image.Word(DSZI) = 32;
    image.SlotCount = 6;
    image.DravoMode = 1;
    image.AxisMode.fill(AXIS_NO_SLOT);
    return image;
}

constexpr int OK = VALIDATION_OK;

const SOddImage ODD_IMAGES[] = {
    {"unknown network",
     [](auto& i) { i.Word(NTYP) = 0x7777; },
     {VALIDATION_ILLEGAL_NETWORK, VALIDATION_ILLEGAL_NETWORK, VALIDATION_ILLEGAL_NETWORK,
      VALIDATION_ILLEGAL_NETWORK, VALIDATION_ILLEGAL_NETWORK, VALIDATION_ILLEGAL_NETWORK}},
    {"station out of range",
     [](auto& i) { i.Word(DADR) = 0xFFFF; },
     {VALIDATION_ILLEGAL_STATION, VALIDATION_ILLEGAL_STATION, VALIDATION_ILLEGAL_STATION,
      VALIDATION_ILLEGAL_STATION, VALIDATION_ILLEGAL_STATION, VALIDATION_ILLEGAL_STATION}},
    {"CC-Link baud code",
     [](auto& i) {
         i.Word(NTYP) = NTYP_CCLINK_V1;
         i.Word(DADR) = 1;
         i.Word(DSZI) = 0;
         i.Word(DBPS) = 0xFFFF;
     },
     {VALIDATION_ILLEGAL_BAUD, VALIDATION_ILLEGAL_BAUD, VALIDATION_ILLEGAL_BAUD, VALIDATION_ILLEGAL_BAUD,
      VALIDATION_ILLEGAL_BAUD, VALIDATION_ILLEGAL_BAUD}},
    {"sizes over the limits",
     [](auto& i) { i.Word(DSZO) = i.Word(DSZI) = 0xFFFF; },
     {VALIDATION_ILLEGAL_DATA_SIZE, VALIDATION_ILLEGAL_DATA_SIZE, VALIDATION_ILLEGAL_DATA_SIZE,
      VALIDATION_ILLEGAL_DATA_SIZE, VALIDATION_ILLEGAL_DATA_SIZE, OK}},
    {"unknown slot codes",
     [](auto& i) {
         i.AxisMode.fill(0x1234);
         i.AxisCount = 2;
         i.Word(W4N) = 2;
     },
     {VALIDATION_ILLEGAL_MODE, VALIDATION_ILLEGAL_MODE, VALIDATION_ILLEGAL_MODE, VALIDATION_ILLEGAL_MODE,
      VALIDATION_ILLEGAL_MODE, OK}},
    {"counts out of range",
     [](auto& i) {
         i.Word(W4N) = i.Word(W8N) = i.Word(FINX) = 0xFFFF;
         i.AxisCount = 0x7FFF;
     },
     {VALIDATION_ILLEGAL_MODE, VALIDATION_ILLEGAL_MODE, VALIDATION_ILLEGAL_MODE, VALIDATION_ILLEGAL_MODE,
      VALIDATION_ILLEGAL_MODE, OK}},
    {"unit numbers",
     [](auto& i) {
         i.UnitNo = 0xFFFF;
         i.TopAxisNo = 0xFFFF;
     },
     {OK, VALIDATION_ILLEGAL_UNIT_NO, VALIDATION_ILLEGAL_UNIT_NO, OK, VALIDATION_ILLEGAL_UNIT_NO,
      VALIDATION_ILLEGAL_UNIT_NO}},
    {"TP port code",
     [](auto& i) { i.Word(TBPS) = 0xFFFF; },
     {OK, OK, OK, OK, OK, VALIDATION_ILLEGAL_TP_BAUD}},
};

TEST(UnexpectedImages, ValidationRefusesThemWithTheirCode) {
    for (const auto& odd : ODD_IMAGES) {
        for (std::size_t t = 0; t < std::size(TYPES); ++t) {
            ParameterImage image = PlainImage(TYPES[t]);
            if (TYPES[t] == GW_VOSK_ML3 && std::string(odd.what) == "station out of range")
                image.Word(DADR) = 2;
            odd.change(image);
            EXPECT_EQ(ValidateImage(image, TYPES[t]), odd.codes[t]) << odd.what << ", type " << TYPES[t];
        }
    }
}

// Every handler of the window, with positions inside and outside the controls.
void EveryHandler(SEditBench& b) {
    ParameterImage& image = b.image;
    SMainFormState& form = b.form;
    const SProgramValues& program = b.program;
    HostServices& host = b.host;
    for (int row = -1; row <= 20; ++row)
        for (int column = -1; column <= 8; ++column) {
            StringGrid1Click(image, form, program, host, column, row);
            StringGrid2DblClick(image, form, program, host, column, row);
        }
    for (int unit = -1; unit <= 9; ++unit)
        for (int index = -1; index <= 9; ++index) {
            cbAxisCtrlChange(image, form, program, host, unit, index);
            chkRsvAxisClick(image, form, program, host, unit, index, index % 2 == 0);
        }
    rbRemIOClick(image, form, program, host);
    rbFull_PosEnter(image, form, program, host);
    for (int index : {-1, 0, 1, 5, 17, 300}) {
        cbDADRChange(image, form, program, host, index);
        cbDBPSChange(image, form, program, host, index);
        cbFINXChange(image, form, program, host, index);
        cbDSZChange(image, form, program, host, index);
        cbTBPSChange(image, form, program, host, index);
        cbW4NChange(image, form, program, host, index);
        cbW8NChange(image, form, program, host, index);
        cbW2NChange(image, form, program, host, index);
        cbW1NChange(image, form, program, host, index);
        cbB4NChange(image, form, program, host, index);
        ComboBox1Change(image, form, program, host, index);
    }
    form.edDADR.text = "99999999999999999999";
    edDADRExit(image, form, program, host);
}

TEST(UnexpectedImages, HandlersSurviveThemAndValidationAnswersADocumentedCode) {
    for (const auto& odd : ODD_IMAGES) {
        for (GwType type : TYPES) {
            SEditBench bench(type, 8);
            bench.image = PlainImage(type);
            bench.image.SlotCount = type == GW_KAVELIS   ? 16
                                    : type == GW_NUB3GW  ? 4
                                    : type == GW_VOSK_LC ? 0
                                                         : 8;
            odd.change(bench.image);
            bench.image.RecountPending = true;
            bench.Refresh();
            const int refreshed = PrepareAndValidate(bench.image, bench.form, bench.program);
            EXPECT_TRUE(DOCUMENTED_CODES.count(refreshed)) << odd.what << " " << type << ": " << refreshed;
            EveryHandler(bench);
            for (int network = -1; network <= 12; ++network) {
                cbNTYPChange(bench.image, bench.form, bench.program, bench.host, network);
                const int code = PrepareAndValidate(bench.image, bench.form, bench.program);
                EXPECT_TRUE(DOCUMENTED_CODES.count(code)) << odd.what << " " << type << ": " << code;
            }
        }
    }
}

}  // namespace
