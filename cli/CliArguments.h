#pragma once
// The command line of gwcli:
//   gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH] [--baud BPS] [--unit 0|1] [--extended] COMMAND [ARGS]
// parsed into one record, or refused with a one-line reason.
#include <optional>
#include <string>
#include <vector>

#include "cli/WatchLoop.h"
#include "core/app/GwType.h"

enum class ECliCommand { Help, Version, Search, Read, Write, Check, Show, Alarms, Counters, Hardware };

struct SCliArguments {
    ECliCommand command = ECliCommand::Help;
    GwType type = GW_NONE;
    std::optional<int> portNumber;  // --port given as a COM number
    std::string portPath;           // --port given as a device path
    std::optional<int> baudIndex;   // --baud as an index into BaudTable
    std::optional<int> unitNo;      // --unit
    bool extended = false;          // --extended: ExtendedMode for this run only
    bool restart = false;           // write --restart
    bool force = false;             // write --force
    std::string file;               // FILE of read, write, check and show
    std::string csvFile;            // alarms --csv FILE
    bool clearAlarms = false;       // alarms --clear
    std::string counterClear;       // counters --clear ERR_T|ERR_C|EMG|RTET|all
    SWatch watch;                   // --watch MS [--count N] of counters and hardware
    bool json = false;              // --json: one JSON document instead of the text
};

struct SCliParseResult {
    SCliArguments arguments;
    std::string error;  // empty when the command line is usable; else the one-line reason

    bool Ok() const { return error.empty(); }
};

// `words` are the arguments after the program name. Options may stand before or after the command.
SCliParseResult ParseCliArguments(const std::vector<std::string>& words);
