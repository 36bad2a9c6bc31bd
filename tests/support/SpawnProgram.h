#pragma once
// Starts a program beside the test: its arguments and its whole environment as texts, its standard
// output and standard error into the descriptors given (the same one for both when the test reads them
// together). Everything the child needs is prepared before the fork.
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

// The test's own environment, "NAME=VALUE" each.
inline std::vector<std::string> TestEnvironment() {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
    return environment;
}

// The child's process ID, or -1 when it could not be started.
inline pid_t SpawnProgram(std::vector<std::string> argv, std::vector<std::string> environment, int outFd,
                          int errFd) {
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> list;
        for (std::string& text : texts) list.push_back(text.data());
        list.push_back(nullptr);
        return list;
    };
    const std::vector<char*> args = pointers(argv);
    const std::vector<char*> envp = pointers(environment);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        ::execve(args[0], args.data(), envp.data());
        ::_exit(127);
    }
    return child;
}
