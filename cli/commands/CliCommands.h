#pragma once
// The commands of gwcli, each on the core procedures the desktop tool runs for the same action.
#include "cli/commands/CliCommand.h"

extern const SCliCommand SearchCommand;     // the unit search
extern const SCliCommand ReadCommand;       // the Read button, then Save to FILE
extern const SCliCommand WriteCommand;      // Open FILE, then the Write button
extern const SCliCommand CheckCommand;      // Open FILE, then the checks of Save
extern const SCliCommand ShowCommand;       // Open FILE and print the parameter set
extern const SCliCommand FieldsCommand;     // Open FILE and list the main window's fields by name
extern const SCliCommand NewCommand;        // File > New, then Save to FILE
extern const SCliCommand TimeCommand;       // the time setting dialog's Confirm and Write
extern const SCliCommand RegistersCommand;  // the register monitor and its RS485 SIO test write
extern const SCliCommand AxesCommand;       // the axis monitor
extern const SCliCommand AlarmsCommand;     // the alarm list, its Clear and its CSV
extern const SCliCommand CountersCommand;   // the diagnostic counters monitor
extern const SCliCommand HardwareCommand;   // the hardware monitor
extern const SCliCommand OptionsCommand;    // the option dialogs' rows for a file
extern const SCliCommand DriverCommand;     // the DRAVO driver monitor parameters
extern const SCliCommand DoctorCommand;    // Setting > Check connection...
extern const SCliCommand EditCommand;       // the unit number and EtherNet/IP dialogs on a file, then Save
extern const SCliCommand DiffCommand;       // a file compared with the unit or a second file
extern const SCliCommand ExporterCommand;   // many gateways watched for Prometheus
