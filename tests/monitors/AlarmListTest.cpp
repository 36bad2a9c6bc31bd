#include <sys/resource.h>

#include <csignal>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/monitors/AlarmList.h"
#include "sim/SimFrame.h"
#include "tests/files/FileTestSupport.h"
#include "tests/monitors/MonitorOnSim.h"
#include "tests/support/SimAlarmCsv.h"

namespace {

using Row = std::vector<std::string>;

const SLocalDateTime SAVED_AT{2026, 12, 9, 7, 5, 3};

class AlarmListOnSim : public MonitorOnSim {
protected:
    Row GridRow(int row) const { return list.StringGrid1.cells[static_cast<std::size_t>(row)]; }
    // The identification as the unit reports it: bytes 3, 5, 6 and 7 of its Report Slave ID reply.
    std::uint32_t UnitIdentification() {
        std::vector<std::uint8_t> request{session.program.GwSlaveAddress, 0x11};
        AppendCrc(request);
        const auto reply =
            sim->WithCore([&](CGwSimCore& core) { return core.Handle(request, CGwSimCore::Clock::now()); });
        return std::uint32_t{reply[3]} << 24 | std::uint32_t{reply[5]} << 16 | std::uint32_t{reply[6]} << 8 |
               reply[7];
    }
    bool HistoryEmpty() {
        for (int n = 0; n < 64; ++n) {
            const auto first = static_cast<std::uint16_t>(0xF400 + 6 * n);
            if (UnitRegister(static_cast<std::uint16_t>(first + 2)) != 0 ||
                UnitRegister(static_cast<std::uint16_t>(first + 3)) != 0)
                return false;
        }
        return true;
    }

    CAlarmList list{session};
};

TEST_F(AlarmListOnSim, ReadShowsEveryRecordOfTheUnitsHistory) {
    StartMonitor(SimOf(GW_VOSK));
    const std::size_t before = RequestLog().size();
    ASSERT_EQ(list.ReadList(), COMM_OK);

    EXPECT_EQ(RequestsSince(before),
              (std::vector<std::pair<int, int>>{
                  {0x11, -1}, {0x03, 0xF400}, {0x03, 0xF460}, {0x03, 0xF4C0}, {0x03, 0xF520}}));
    EXPECT_EQ(list.identification, UnitIdentification());
    EXPECT_EQ(GridRow(0), (Row{"Record", "Code", "Content", "Detail", "Address", "OccTime"}));
    EXPECT_EQ(GridRow(1), (Row{"0", "FFF", AlarmTableText(0xFFF), "----", "----", "2026-03-02 08:15:00"}));
    EXPECT_EQ(GridRow(2), (Row{"1", "860", AlarmTableText(0x860), "0012", "0003", "01:02:05"}));
    EXPECT_EQ(GridRow(4), (Row{"3", "123", "undefined", "0001", "0001", "12:34:56"}));
    EXPECT_EQ(GridRow(5), (Row{"4", "848", AlarmTableText(0x848), "0005", "----", "2026-03-03"}));
    for (int row = 7; row <= 64; ++row) {
        EXPECT_EQ(GridRow(row), (Row{std::to_string(row - 1), "----", "----", "----", "----", "----"}))
            << row;
    }
    EXPECT_EQ(list.records[3].code, 0x123u);
    EXPECT_EQ(list.records[3].seconds, 45296u);
    EXPECT_TRUE(list.bRefresh.enabled && list.bClear.enabled && list.bSave.enabled);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AlarmListOnSim, RecordsOfTheLastBlockLandInTheLastRows) {
    StartMonitor(SimOf(GW_DRAVO));
    const std::uint16_t record63 = 0xF400 + 6 * 63;
    SetUnitRegister(record63 + 3, 0x0848);
    SetUnitRegister(record63 + 5, 59);
    ASSERT_EQ(list.ReadList(), COMM_OK);
    EXPECT_EQ(GridRow(64)[1], "848");
    EXPECT_EQ(GridRow(64)[5], "00:00:59");
    EXPECT_EQ(GridRow(63)[1], "----");
}

TEST_F(AlarmListOnSim, ButtonsAreDisabledWhileTheReadRuns) {
    StartMonitor(SimOf(GW_VOSK));
    bool sawDisabled = false;
    host.onPump = [&] {
        sawDisabled = sawDisabled || (!list.bRefresh.enabled && !list.bClear.enabled && !list.bSave.enabled);
    };
    ASSERT_EQ(list.ReadList(), COMM_OK);
    EXPECT_TRUE(sawDisabled);
}

TEST_F(AlarmListOnSim, ClearEmptiesTheHistoryWithoutAskingThenReadsAgain) {
    StartMonitor(SimOf(GW_VOSK_LC));
    ASSERT_EQ(list.ReadList(), COMM_OK);
    const std::size_t before = RequestLog().size();
    ASSERT_EQ(list.bClearClick(), COMM_OK);

    const auto log = RequestLog();
    ASSERT_GT(log.size(), before);
    EXPECT_EQ(std::vector<std::uint8_t>(log[before].begin(), log[before].end() - 2),
              (std::vector<std::uint8_t>{session.program.GwSlaveAddress, 0x45, 0x00, 0x0F, 0, 0, 0, 0}));
    EXPECT_EQ(RequestsSince(before + 1),
              (std::vector<std::pair<int, int>>{
                  {0x11, -1}, {0x03, 0xF400}, {0x03, 0xF460}, {0x03, 0xF4C0}, {0x03, 0xF520}}));
    EXPECT_TRUE(HistoryEmpty());
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(MsgText[58])});
    EXPECT_EQ(host.boxes[0].style & MB_ICON_MASK, MB_ICON_INFORMATION);
    for (int row = 1; row <= 64; ++row) EXPECT_EQ(GridRow(row)[1], "----") << row;
    EXPECT_TRUE(list.bRefresh.enabled && list.bClear.enabled);
}

TEST_F(AlarmListOnSim, FailedClearShowsItsMessageAndDoesNotReadAgain) {
    StartMonitor(SimOf(GW_VOSK));
    ASSERT_EQ(list.ReadList(), COMM_OK);
    AnswerWithException(4);
    const std::size_t before = RequestLog().size();
    EXPECT_EQ(list.bClearClick(), COMM_FAILED);
    EXPECT_TRUE(Shown(MsgText[59]));
    for (const auto& [function, reg] : RequestsSince(before)) EXPECT_EQ(function, 0x45);
    EXPECT_EQ(GridRow(1)[1], "FFF");
    EXPECT_TRUE(list.bRefresh.enabled && list.bClear.enabled);
}

// A block that fails keeps the rows of the blocks before it, read now, and the rows after it as they were.
TEST_F(AlarmListOnSim, FailedReadKeepsRowsAlreadyFilledAndShowsItsMessage) {
    StartMonitor(SimOf(GW_VOSK));
    ASSERT_EQ(list.ReadList(), COMM_OK);
    SetUnitRegister(0xF400 + 3, 0x0860);                                       // record 0 changes in the unit
    SetUnitRegister(static_cast<std::uint16_t>(0xF400 + 6 * 40 + 3), 0x0848);  // so does record 40
    int reads = 0;
    host.onPump = [&] {
        const auto log = RequestLog();
        reads = static_cast<int>(
            std::count_if(log.begin(), log.end(), [](const auto& f) { return f[1] == 0x03; }));
        if (reads >= 4 + 2) FallSilent();  // the unit falls silent during the second block
    };
    EXPECT_EQ(list.ReadList(), COMM_FAILED);
    EXPECT_TRUE(Shown(MsgText[53]));
    EXPECT_EQ(GridRow(1)[1], "860");    // block 0: new content
    EXPECT_EQ(GridRow(41)[1], "----");  // block 2: what it showed before
    EXPECT_TRUE(list.bRefresh.enabled && list.bClear.enabled && list.bSave.enabled);
}

TEST_F(AlarmListOnSim, LineClosedMidReadEndsWithTheMessageInsteadOfHanging) {
    StartMonitor(SimOf(GW_NUB3GW));
    CloseLineOnNextPump();
    EXPECT_EQ(list.ReadList(), COMM_FAILED);
    EXPECT_TRUE(Shown(MsgText[53]));
    EXPECT_TRUE(list.bRefresh.enabled);
}

TEST_F(AlarmListOnSim, CsvIsWrittenByteForByte) {
    StartMonitor(SimOf(GW_VOSK));
    ASSERT_EQ(list.ReadList(), COMM_OK);
    list.identification = 0x0203A1B2;
    CScratchFolder folder;
    const std::string path = folder.File("alarms.csv");
    ASSERT_EQ(list.SaveCsv(path, SAVED_AT), COMM_OK);

    EXPECT_EQ(ReadBytes(path), ";DATE=2026/12/09\r\n;TIME=07:05:03\r\n;VOSK=0203A1B2\r\n" +
                                   ToolVersionCsvLine() + SimAlarmCsvRows());
    EXPECT_TRUE(Shown(MsgText[85]));
}

TEST_F(AlarmListOnSim, CsvBeforeAnyReadHasTheHeaderLinesAndTheGridAsItStands) {
    Start(SimOf(GW_DRAVO));
    const std::string text = list.CsvText(SAVED_AT);
    EXPECT_TRUE(text.starts_with(";DATE=2026/12/09\r\n;TIME=07:05:03\r\n;DRAVO=00000000\r\n;GWP="));
    EXPECT_NE(text.find("Record,Code,Content,Detail,Address,OccTime,\n0,,,,,,\n1,,,,,,\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\n63,,,,,,\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 65);
}

TEST_F(AlarmListOnSim, CsvIntoAMissingFolderShowsTheFailure) {
    Start(SimOf(GW_VOSK));
    CScratchFolder folder;
    EXPECT_EQ(list.SaveCsv(folder.File("no-such-folder/alarms.csv"), SAVED_AT), COMM_FAILED);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(MsgText[86])});
    EXPECT_EQ(host.boxes[0].style & MB_ICON_MASK, MB_ICON_ERROR);
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(AlarmListOnSim, CsvIntoAnUnwritableFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    Start(SimOf(GW_VOSK));
    CScratchFolder folder;
    const std::string path = folder.File("alarms.csv");
    WriteBytes(path, "old list\r\n");
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    EXPECT_EQ(list.SaveCsv(path, SAVED_AT), COMM_FAILED);
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_TRUE(Shown(MsgText[86]));
    EXPECT_EQ(ReadBytes(path), "old list\r\n");
}

// A save that fails half-way (a full disk, here a file size limit) leaves the old file as it was.
TEST_F(AlarmListOnSim, CsvThatFailsHalfWayLeavesTheOldFile) {
    Start(SimOf(GW_VOSK));
    CScratchFolder folder;
    const std::string path = folder.File("alarms.csv");
    WriteBytes(path, "old list\r\n");
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = list.SaveCsv(path, SAVED_AT);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, COMM_FAILED);
    EXPECT_TRUE(Shown(MsgText[86]));
    EXPECT_EQ(ReadBytes(path), "old list\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"alarms.csv"});
}

}  // namespace
