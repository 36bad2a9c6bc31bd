#pragma once
// The command line of gwcli:
//   gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH] [--baud BPS] [--unit 0|1] [--extended] COMMAND [ARGS]
// parsed into one record, or refused with a one-line reason.
#include <optional>
#include <string>
#include <vector>

#include "core/app/GwType.h"

enum class ECliCommand { Help, Version, Search, Read, Write, Check, Show, Options, Edit, Driver };

struct SCliArguments {
    ECliCommand command = ECliCommand::Help;
    GwType type = GW_NONE;
    std::optional<int> portNumber;      // --port given as a COM number
    std::string portPath;               // --port given as a device path
    std::optional<int> baudIndex;       // --baud as an index into BaudTable
    std::optional<int> unitNo;          // --unit
    bool extended = false;              // --extended: ExtendedMode for this run only
    bool restart = false;               // write --restart, driver --restart
    bool force = false;                 // write --force
    bool json = false;                  // --json: options and driver print JSON
    std::vector<std::string> options;   // edit --option "LABEL=CHOICE", in order
    std::vector<std::string> settings;  // driver --set "NAME=VALUE", in order
    std::string file;                   // FILE of read, write, check, show, options and edit
};

struct SCliParseResult {
    SCliArguments arguments;
    std::string error;  // empty when the command line is usable; else the one-line reason

    bool Ok() const { return error.empty(); }
};

// `words` are the arguments after the program name. Options may stand before or after the command.
SCliParseResult ParseCliArguments(const std::vector<std::string>& words);
