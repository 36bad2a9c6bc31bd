#pragma once
// One gwcli command: its name, its own options, its usage rules and how it runs. Every command lives in
// a file of its own and is listed once in CliCommandList.cpp; the parser, the help and the dispatch all
// read that list.
#include <cstdio>
#include <span>
#include <string>

#include "cli/console/CliArguments.h"
#include "cli/console/ConsoleHost.h"

namespace CLI {
class App;
}

// Where a command writes its result: text on `out`, or (with --json) one JSON document on `out`.
struct SCliOutput {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    bool json = false;
    int* documents = nullptr;  // counts the JSON documents printed, when given
};

struct SCliCommand {
    const char* name;
    const char* synopsis;     // the command with its arguments, as the help shows it
    const char* description;  // what it does, one or more lines of the help (each ending in '\n')
    // Adds the command's own options and arguments, bound to fields of `arguments`; may be nullptr.
    void (*addOptions)(CLI::App& command, SCliArguments& arguments);
    // The usage error of a parsed command line, "" when there is none; may be nullptr.
    std::string (*usageProblem)(const SCliArguments& arguments);
    // Runs the command and returns its exit status (CliExitStatus.h).
    int (*run)(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output);
    bool talksToUnit;       // needs a port
    bool needsType = true;  // works on the one gateway type --type names
};

// Every command, in the order the help lists them.
std::span<const SCliCommand* const> CliCommands();
