#pragma once
// Brings a tool session into the state the desktop tool reaches at start: the settings file's values
// with the command line's port, speed and ExtendedMode over them, the unit chosen by the unit search,
// and the main window laid out for the type.
#include <optional>
#include <string>
#include <vector>

#include "cli/console/CliArguments.h"
#include "cli/console/ConsoleHost.h"
#include "core/procedures/Session.h"

// Settings file first, then the command line. For a device path as port, a COM number the settings do
// not map is mapped to it for this run. Sets the gateway type and the reply time-out of
// GWCLI_RESPONSE_TIMEOUT_MS.
void ApplyRunSettings(CSession& session, const SCliArguments& arguments);

// The usage error of a command that talks to a unit while neither the command line nor the settings
// file names a port; empty when there is nothing to object to.
std::string MissingPortReason(const SCliArguments& arguments);
// The same for any run that is to talk to a unit, whatever its command.
std::string NoPortReason(const SCliArguments& arguments);

// Whether the run is in ExtendedMode: --extended, or the settings file's flag.
bool RunsExtended(const SCliArguments& arguments);

// The unit search of the start-up: the unit numbers that answered, in order; with `onlyUnitNo` just
// that unit is probed. It opens the port and leaves it open; when it found nothing on an open port,
// "Nothing GW Unit" has been printed (a port that could not be opened was reported by the search itself).
std::vector<int> SearchUnits(CSession& session, CConsoleHost& host, std::optional<int> onlyUnitNo = {});

// The unit the commands talk to. For the unit-numbered types the unit search runs (it opens the port
// and leaves it open); `--unit` probes only the unit it names, otherwise the first unit found is taken.
// `found` is false after the reason was printed.
struct SUnitChoice {
    bool found = false;
    int unitNo = 0;
    int axisSlots = 0;  // the unit's axis slot count, 0 when not known
};
SUnitChoice ChooseUnit(CSession& session, CConsoleHost& host, const SCliArguments& arguments);

// Which unit a command talks to, as gwcli names it: "unit 0 (D0h), 8 axis slots", or "unit at 3Fh" for
// the types without unit numbers.
std::string UnitDescription(const CSession& session, const SUnitChoice& unit);

// The window's creation for the session's type: the layout with the unit's slot count, then the
// display refresh from the empty image.
void LayOutMainWindow(CSession& session, int unitAxisSlots);

// A session that only handles the file `arguments.file`: settings, type and the layout wide enough for
// the file's axes, no port.
void PrepareFileSession(CSession& session, const SCliArguments& arguments);
