#pragma once
// Runs the built gwcli as a child process with its own environment and collects what it printed.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct SCliRun {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// `args` after the program name. The child sees XDG_CONFIG_HOME = `configHome`, HOME = `configHome`
// and the reply time-out `responseTimeoutMs`; nothing else of the test's environment changes.
SCliRun RunGwCliProgram(const std::vector<std::string>& args, const std::filesystem::path& configHome,
                        int responseTimeoutMs = 300);

// The same, with Ctrl-C (SIGINT) sent to the program once its standard output holds `interruptAfter`.
SCliRun RunGwCliProgramInterrupted(const std::vector<std::string>& args,
                                   const std::filesystem::path& configHome,
                                   const std::string& interruptAfter);

// The same, with Ctrl-C (SIGINT) sent `interrupts` times, each as soon as `due()` holds (polled every few
// milliseconds while the program runs), and the reply time-out `responseTimeoutMs`.
SCliRun RunGwCliProgramInterruptedWhen(const std::vector<std::string>& args,
                                       const std::filesystem::path& configHome,
                                       const std::function<bool()>& due, int interrupts,
                                       int responseTimeoutMs = 300);

// A temporary folder removed with everything in it when the object goes.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

std::string ReadWholeFile(const std::filesystem::path& file);
void WriteWholeFile(const std::filesystem::path& file, const std::string& text);

// Writes the desktop tool's settings file under `configHome`: [GW] with the port and baud index, and
// [Ports] mapping `comNumber` to `device` when a device is given.
void WriteSettingsFile(const std::filesystem::path& configHome, int comNumber, int baudIndex,
                       const std::string& device);
