#pragma once
// What the main window does each time its Monitor or Help menu drops down: commit a pending EtherCAT
// address, switch the monitor items for the gateway type and firmware, and in ExtendedMode open the
// port ahead of the monitors.
#include <functional>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// KAVELIS firmware that offers the diagnostic counters.
inline constexpr std::uint16_t KAVELIS_GVER_DIAGNOSTICS = 12;

struct SMenuOpeningHooks {
    // The exit handling of `edDADR`, run when the field has the focus; true when the typed value was
    // rejected and the field restored, which stops the menu rules.
    std::function<bool()> commitAddressField;
    // Opens the serial port (`CCommUnit::Open`): 0 on success, a link result code otherwise.
    std::function<int(int portNum, int baudIndex)> openPort;
    // Why the port could not be opened (device and reason), shown below the open error.
    std::function<std::string()> describePortOpenFailure;
};

// Opens the port unless another exchange is running or the port is already open. A failure shows
// "Communication port open error"; the menu opens all the same.
void OpenPortIfNeeded(SMainFlags& flags, const SProgramValues& program, HostServices& host,
                      const std::function<int(int portNum, int baudIndex)>& openPort,
                      const std::function<std::string()>& describePortOpenFailure = {});

void OnMonitorMenuOpening(SMainFormState& form, const ParameterImage& image, const SProgramValues& program,
                          HostServices& host, const SMenuOpeningHooks& hooks);

void OnHelpMenuOpening(SMainFormState& form, const SProgramValues& program, const SMenuOpeningHooks& hooks);
