// gwsim: a simulated gateway unit on a pseudo-terminal, until SIGTERM or SIGINT.
#include <csignal>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimCommandLine.h"
#include "sim/SimPtyServer.h"
#include "sim/SimUnitProfile.h"

namespace {

// The units' clocks start at the host's local time, as if someone had set them from a PC.
void SetClocksFromHost(CSimPtyServer& server) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr || local.tm_year + 1900 < 2000 || local.tm_year + 1900 > 2099)
        return;
    const std::uint32_t seconds = GatewaySecondsOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                                   local.tm_hour, local.tm_min, local.tm_sec);
    server.WithCore([seconds](CGwSimCore& core) { core.SetClocks(seconds); });
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    SSimOptions options;
    std::string error;
    if (ParseSimCommandLine(args, options, error) != 0) {
        std::fprintf(stderr, "gwsim: %s\n%s", error.c_str(), std::string(SimUsageText()).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(std::string(SimUsageText()).c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(GW_VERSION_TEXT "\n", stdout);
        return 0;
    }
    // The signals are taken by sigwait below; block them before the serving thread starts so that
    // it inherits the mask and never gets them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    CSimPtyServer server(options.config);
    if (server.Start(options.linkPath) != 0) {
        std::fprintf(stderr, "gwsim: cannot set up the pseudo-terminal%s%s\n",
                     options.linkPath.empty() ? "" : " or the link ", options.linkPath.c_str());
        return 1;
    }
    SetClocksFromHost(server);
    server.WithCore([&options](CGwSimCore& core) { core.Faults() = options.faults; });
    std::printf("ready %s\n",
                options.linkPath.empty() ? server.DevicePath().c_str() : options.linkPath.c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.Stop();
    return 0;
}
