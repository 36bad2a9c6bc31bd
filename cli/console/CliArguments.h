#pragma once
// The command line of gwcli:
//   gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH|URL] [--baud BPS] [--unit 0|1] [--extended] [--json]
//         [--trace FILE] [--pcap FILE] COMMAND [ARGS]
// parsed (with CLI11) into one record, or refused with a one-line reason. Options may stand before or
// after the command.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/GwType.h"

class CLinkFrameObserver;
struct SLongWait;

struct SCliCommand;

// The changes of `edit`, as the unit number and EtherNet/IP dialogs would make them.
struct SCliEdits {
    std::optional<std::array<std::string, 4>> ip, mask, gateway;  // the four octet texts
    std::optional<int> unitNumber;
    std::optional<int> topAxis;
    std::optional<bool> multiDrop;
    std::vector<std::string> options;  // --option "LABEL=CHOICE" of the option dialogs, in order
    std::vector<std::string> fields;   // --set "NAME=VALUE" of the main window's fields, in order

    bool Any() const {
        return ip || mask || gateway || unitNumber || topAxis || multiDrop || !options.empty() || !fields.empty();
    }
};

struct SCliArguments {
    const SCliCommand* command = nullptr;  // the command to run
    GwType type = GW_NONE;
    std::optional<int> portNumber;       // --port given as a COM number
    std::string portPath;                // --port given as a device path or a tcp:// or rfc2217:// URL
    std::optional<int> baudIndex;        // --baud as an index into BaudTable
    std::optional<int> unitNo;           // --unit
    bool extended = false;               // --extended: ExtendedMode for this run only
    bool json = false;                   // --json: one JSON document on standard output instead of the text
    std::string tracePath;               // --trace FILE: every frame on the line, one decoded line each
    std::string pcapPath;                // --pcap FILE: every frame on the line as a capture file
    // Told of a reply wait that is taking long, for the progress line on a terminal; empty elsewhere.
    std::function<void(const SLongWait*)> longWaitObserver;
    std::vector<CLinkFrameObserver*> linkObservers;  // see the link's frames while the command runs
    bool restart = false;                // write --restart
    bool force = false;                  // write --force
    std::string file;                    // FILE of read, write, check, show and edit
    std::string secondFile;              // diff's FILE2
    std::string network;                 // new --network NAME
    std::optional<std::string> setTime;  // time --set VALUE
    bool bin = false;                    // registers --bin
    std::optional<int> watchMs;          // --watch MS (100..500) of the monitor commands
    std::optional<int> count;            // --count N readings
    std::string set;                     // registers --set +OFF=HEX[,+OFF=HEX...]
    bool fromGateway = false;            // axes --direction in
    std::string csvFile;                 // alarms --csv FILE
    std::string listen;                  // exporter --listen ADDR:PORT
    bool clearAlarms = false;            // alarms --clear
    std::string counterClear;            // counters --clear ERR_T|ERR_C|EMG|RTET|all
    std::vector<std::string> settings;   // driver --set "NAME=VALUE", in order
    SCliEdits edits;                     // edit's changes
};

// What the command line asks for.
enum class ECliRequest { Run, Help, Version };

struct SCliParseResult {
    SCliArguments arguments;  // when refused, only `command` (the command named, if any) counts
    ECliRequest request = ECliRequest::Run;
    std::string helpText;  // for Help: the whole help, or the help of the command named
    std::string error;     // empty when the command line is usable; else the one-line reason

    bool Ok() const { return error.empty(); }
};

// `words` are the arguments after the program name.
SCliParseResult ParseCliArguments(const std::vector<std::string>& words);

// The name of the command to run, "" when none.
std::string CommandName(const SCliArguments& arguments);
