#pragma once
// The command line of gwcli:
//   gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH] [--baud BPS] [--unit 0|1] [--extended] COMMAND [ARGS]
// parsed into one record, or refused with a one-line reason.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/app/GwType.h"

enum class ECliCommand { Help, Version, Search, Read, Write, Check, Show, Time, Edit };

// The changes of `edit`, as the unit number and EtherNet/IP dialogs would make them.
struct SCliEdits {
    std::optional<std::array<std::string, 4>> ip, mask, gateway;  // the four octet texts
    std::optional<int> unitNumber;
    std::optional<int> topAxis;
    std::optional<bool> multiDrop;

    bool Any() const { return ip || mask || gateway || unitNumber || topAxis || multiDrop; }
};

struct SCliArguments {
    ECliCommand command = ECliCommand::Help;
    GwType type = GW_NONE;
    std::optional<int> portNumber;       // --port given as a COM number
    std::string portPath;                // --port given as a device path
    std::optional<int> baudIndex;        // --baud as an index into BaudTable
    std::optional<int> unitNo;           // --unit
    bool extended = false;               // --extended: ExtendedMode for this run only
    bool restart = false;                // write --restart
    bool force = false;                  // write --force
    std::string file;                    // FILE of read, write, check and show
    std::optional<std::string> setTime;  // time --set VALUE
    bool json = false;                   // --json: the result as one JSON object
    SCliEdits edits;                     // edit's options
};

struct SCliParseResult {
    SCliArguments arguments;
    std::string error;  // empty when the command line is usable; else the one-line reason

    bool Ok() const { return error.empty(); }
};

// `words` are the arguments after the program name. Options may stand before or after the command.
SCliParseResult ParseCliArguments(const std::vector<std::string>& words);
