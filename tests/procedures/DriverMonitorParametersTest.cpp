#include <algorithm>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "core/procedures/DriverMonitorParameters.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

constexpr std::uint16_t FIRST = 0xF800;
const std::string RESTART_QUESTION =
    "Transmitting the parameter to the Gateway unit succeeded. \r\nIs the Gateway unit reactivated?";

class DriverParametersOnSim : public SessionOnSim {
protected:
    void SetUp() override {
        SSimConfig config = SimOf(GW_DRAVO, 6);
        Start(config);
        session.program.Comm.ToolFlags |= TOOLFLAG_EXTENDED_MODE;
    }
    DriverRegisters UnitDriverRegisters() {
        DriverRegisters registers{};
        for (int i = 0; i < DRIVER_PARAM_REGISTERS; ++i)
            registers[static_cast<std::size_t>(i)] = UnitRegister(static_cast<std::uint16_t>(FIRST + i));
        return registers;
    }
    std::size_t CountRequests(int function, int reg) {
        const auto exchanges = ExchangesSince(0);
        return static_cast<std::size_t>(
            std::count(exchanges.begin(), exchanges.end(), std::pair{function, reg}));
    }
};

TEST_F(DriverParametersOnSim, ReadGivesTheUnitsRegisters) {
    DriverRegisters registers{};
    ASSERT_EQ(ReadDriverParameters(session, registers), 0);
    EXPECT_EQ(registers, UnitDriverRegisters());
    EXPECT_EQ(DriverValuesOf(registers)[0], 400u);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.form.flags.portOpen);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DriverParametersOnSim, SilentUnitGivesDataReadFailure) {
    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    session.link.SetResponseTimeout(100);
    DriverRegisters registers{};
    EXPECT_EQ(ReadDriverParameters(session, registers), DRIVER_EXCHANGE_FAILED);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, "Data read failure\r\n");
    EXPECT_FALSE(session.form.flags.commBusy);
}

TEST_F(DriverParametersOnSim, BusySessionRefusesWithoutARequest) {
    session.form.flags.commBusy = true;
    DriverRegisters registers{};
    EXPECT_EQ(ReadDriverParameters(session, registers), DRIVER_EXCHANGE_FAILED);
    EXPECT_EQ(WriteDriverParameters(session, registers).code, DRIVER_EXCHANGE_FAILED);
    EXPECT_TRUE(RequestLog().empty());
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Data read failure\r\n", "Data write failure\r\n"}));
}

TEST_F(DriverParametersOnSim, PortThatCannotOpenShowsPortOpenError) {
    session.link.SetPortOverrides({{SESSION_SIM_COM, "/nonexistent/tty"}});
    DriverRegisters registers{};
    EXPECT_EQ(ReadDriverParameters(session, registers), DRIVER_PORT_OPEN_FAILED);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Communication port open error"}));
    EXPECT_EQ(host.boxes[0].detail, "Device: /nonexistent/tty\nNo such device");
}

// Read, change one value, write with restart: the unit holds the new value after it came back, and a
// second read finds it.
TEST_F(DriverParametersOnSim, WriteWithRestartThenReadBack) {
    DriverRegisters registers{};
    ASSERT_EQ(ReadDriverParameters(session, registers), 0);
    DriverValues values = DriverValuesOf(registers);
    values[0] = 555;   // OMPV
    values[16] = 777;  // FANSW
    host.answers = {ID_YES};
    const SDriverWriteResult result = WriteDriverParameters(session, DriverRegistersOf(values));
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.written);
    EXPECT_TRUE(result.restarted);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{RESTART_QUESTION}));
    EXPECT_EQ(host.boxes[0].style, MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT);
    EXPECT_EQ(CountRequests(0x05, 0x040F), 1u);
    EXPECT_EQ(CountRequests(0x10, FIRST), 1u);
    EXPECT_FALSE(session.form.flags.commBusy);

    DriverRegisters again{};
    ASSERT_EQ(ReadDriverParameters(session, again), 0);
    EXPECT_EQ(DriverValuesOf(again)[0], 555u);
    EXPECT_EQ(DriverValuesOf(again)[16], 777u);
    EXPECT_EQ(again, UnitDriverRegisters());
}

// A unit number written earlier without a restart takes effect with this restart: the unit comes
// back at the address of the number it holds, whatever the window's set says, and the tool follows it.
TEST_F(DriverParametersOnSim, RestartFollowsTheUnitNumberTheUnitHolds) {
    DriverRegisters registers{};
    ASSERT_EQ(ReadDriverParameters(session, registers), 0);
    SetUnitRegister(0xF201, 1);
    session.image.UnitNo = 0;
    registers[1] = 460;  // OMPV low word
    host.answers = {ID_YES};
    const SDriverWriteResult result = WriteDriverParameters(session, registers);
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.restarted);
    EXPECT_EQ(session.program.GwSlaveAddress, 0xD1);
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.SlaveAddress(0); }), 0xD1);
    host.boxes.clear();
    DriverRegisters again{};
    EXPECT_EQ(ReadDriverParameters(session, again), 0);
    EXPECT_EQ(again[1], 460);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DriverParametersOnSim, NoToTheRestartLeavesTheUnitRunningWithTheNewValues) {
    DriverRegisters registers{};
    ASSERT_EQ(ReadDriverParameters(session, registers), 0);
    registers[37] = 1234;  // UMWT low word
    host.answers = {ID_NO};
    const SDriverWriteResult result = WriteDriverParameters(session, registers);
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.written);
    EXPECT_FALSE(result.restarted);
    EXPECT_EQ(CountRequests(0x05, 0x040F), 0u);
    EXPECT_EQ(UnitRegister(0xF825), 1234);
}

TEST_F(DriverParametersOnSim, AutoModeRemindsThreeTimesThenWarnsWithoutWriting) {
    DriverRegisters registers{};
    ASSERT_EQ(ReadDriverParameters(session, registers), 0);
    const DriverRegisters before = UnitDriverRegisters();
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    registers[1] = 300;
    const SDriverWriteResult result = WriteDriverParameters(session, registers);
    EXPECT_EQ(result.code, DRIVER_UNIT_IN_AUTO_MODE);
    EXPECT_FALSE(result.written);
    const std::string reminder(MsgText[43]);
    EXPECT_EQ(host.Texts(),
              (std::vector<std::string>{reminder, reminder, reminder, std::string(MsgText[16])}));
    EXPECT_EQ(host.boxes.back().style, MB_ICON_WARNING);
    EXPECT_EQ(CountRequests(0x03, 0xF100), 4u);
    EXPECT_EQ(CountRequests(0x10, FIRST), 0u);
    EXPECT_EQ(UnitDriverRegisters(), before);
}

TEST_F(DriverParametersOnSim, UnitThatSwitchesToManuAfterAReminderIsWritten) {
    DriverRegisters registers{};
    ASSERT_EQ(ReadDriverParameters(session, registers), 0);
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    registers[1] = 300;
    host.answers = {ID_NO};
    host.onPump = [this] {
        if (!host.boxes.empty()) sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, false); });
    };
    const SDriverWriteResult result = WriteDriverParameters(session, registers);
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(UnitRegister(0xF801), 300);
}

}  // namespace
