#pragma once
// The hardware monitor window's behaviour: every 2 s it reads ten supervision values of the unit's
// power and drive hardware (five supply voltages, the fan speed, four driver board temperatures) and
// shows each with its name and unit. A failed read shows a box and the monitor goes on polling.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ControlState.h"
#include "core/monitors/MonitorWindow.h"
#include "core/procedures/Session.h"

inline constexpr int HARDWARE_TIMER_MS = 2000;
inline constexpr std::uint16_t HARDWARE_FIRST_REGISTER = 0xF900;
inline constexpr int HARDWARE_VALUES = 10;

enum class EHardwareScale { Tenths, Tens, Units };

// One row of the window: design names of its labels, the name text, scaling and unit.
struct SHardwareRow {
    std::string_view nameLabel;   // `Label1`..`Label10`
    std::string_view colonLabel;  // `Label11`..`Label20`
    std::string_view valueLabel;  // `lVP24P_Data`, ...
    std::string_view unitLabel;   // `Label31`..`Label40`
    int nameText;                 // UiText index
    EHardwareScale scale;
    std::string_view unit;
};
extern const std::array<SHardwareRow, HARDWARE_VALUES> HardwareRows;

// Whether the row keeps the text it showed instead of showing `word`: a voltage of 0 is not a reading.
bool HardwareValueHeld(const SHardwareRow& row, std::uint16_t word);
// The text a value label shows for `word`, or `shown` when the row holds it.
std::string HardwareValueText(const SHardwareRow& row, std::uint16_t word, const std::string& shown);

class CHardwareMonitor {
public:
    explicit CHardwareMonitor(CSession& session);

    // `Timer1`: reads the ten values and shows them. 0, or the failure code after "Data read failure"
    // was shown; the window stays open either way.
    int Timer1Timer();

    std::string Caption;
    std::array<TextState, HARDWARE_VALUES> names, colons, values, units;
    std::array<std::uint16_t, HARDWARE_VALUES> words{};  // the ten words last read
    std::array<bool, HARDWARE_VALUES> held{};  // the label kept its earlier text: the unit reported 0
    // `busy`: a read is running or its failure box is open. The window never closes itself.
    SMonitorPoll poll{false, HARDWARE_TIMER_MS, false};

private:
    // Reads the ten words, opening the link again first when its device went away.
    int ReadValues(std::vector<std::uint16_t>& read);

    CSession& session;
};
