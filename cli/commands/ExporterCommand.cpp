#include <pthread.h>

#include <CLI/CLI.hpp>
#include <csignal>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/exporter/ExporterConfigFile.h"
#include "cli/exporter/ExporterListenAddress.h"
#include "cli/exporter/MetricsHttpServer.h"
#include "cli/session/CliSessionSetup.h"
#include "core/fleet/Fleet.h"

namespace {

void AddExporterOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option("--config", arguments.file, "the configuration file (YAML) listing the gateways")
        ->required();
    command.add_option("--listen", arguments.listen, "ADDR:PORT to serve on; default 127.0.0.1:9740");
}

std::string ExporterProblem(const SCliArguments& arguments) {
    if (arguments.type != GW_NONE || arguments.portNumber || !arguments.portPath.empty() ||
        arguments.baudIndex || arguments.unitNo)
        return "exporter takes its gateways, types, ports, speeds and units from --config";
    if (arguments.extended)
        return "exporter follows the settings file's ExtendedMode; --extended does not apply";
    if (arguments.json) return "exporter serves its readings over HTTP; --json does not apply";
    if (!ListenAddressOf(arguments.listen.empty() ? EXPORTER_DEFAULT_LISTEN : arguments.listen))
        return "--listen takes ADDR:PORT such as 127.0.0.1:9740 or [::1]:9740, not \"" + arguments.listen +
               "\"";
    return {};
}

// A port's session as gwcli sets one up for --port and --baud: the settings file, then the port and
// the speed of the configuration.
void SetUpPortSession(CSession& session, const SPortPlan& port, GwType type) {
    SCliArguments arguments;
    arguments.type = type;
    if (const int number = ComNumberOfPortText(port.port); number > 0) {
        arguments.portNumber = number;
    } else {
        arguments.portPath = port.port;
    }
    arguments.baudIndex = port.baudIndex;
    ApplyRunSettings(session, arguments);
}

// SIGINT and SIGTERM are taken by the main thread alone: blocked before the other threads start, so
// that they inherit the block, and awaited with sigwait.
class CStopSignals {
public:
    CStopSignals() {
        sigemptyset(&signals);
        sigaddset(&signals, SIGINT);
        sigaddset(&signals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals, &previous);
    }
    ~CStopSignals() { pthread_sigmask(SIG_SETMASK, &previous, nullptr); }
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;

    void Await() const {
        int signal = 0;
        sigwait(&signals, &signal);
    }

private:
    sigset_t signals{};
    sigset_t previous{};
};

int RunExporter(const SCliArguments& arguments, CConsoleHost&, const SCliOutput& output) {
    const SExporterConfig config = LoadExporterConfig(arguments.file);
    if (!config.error.empty()) {
        std::fprintf(output.err, "gwcli: exporter: %s\n", config.error.c_str());
        return CLI_USAGE;
    }
    const std::string listen = arguments.listen.empty() ? EXPORTER_DEFAULT_LISTEN : arguments.listen;
    const CStopSignals stopSignals;
    CFleet fleet(config.gateways, [&config](CSession& session, const SPortPlan& port) {
        SetUpPortSession(session, port,
                         config.gateways[static_cast<std::size_t>(port.gateways.front())].type);
    });
    CMetricsHttpServer server([&fleet] { return fleet.MetricsText(); });
    const SListenAddress address = *ListenAddressOf(listen);
    const int port = server.Bind(address);
    if (port < 0) {
        std::fprintf(output.err, "gwcli: exporter: cannot listen on %s\n", listen.c_str());
        return CLI_FAILED;
    }
    fleet.Start();
    server.Start();
    const bool v6 = address.host.find(':') != std::string::npos;
    std::fprintf(output.err, "gwcli: exporter: serving http://%s%s%s:%d/metrics for %zu gateways\n",
                 v6 ? "[" : "", address.host.c_str(), v6 ? "]" : "", port, config.gateways.size());
    std::fflush(output.err);
    stopSignals.Await();
    server.Stop();
    fleet.Stop();
    return CLI_OK;
}

}  // namespace

const SCliCommand ExporterCommand = {
    "exporter",
    "exporter --config FILE [--listen ADDR:PORT]",
    "serves the alarms, diagnostic counters, hardware values and link health of the\n"
    "gateways FILE lists at http://ADDR:PORT/metrics for Prometheus (default 127.0.0.1:9740),\n"
    "read only, until SIGTERM or Ctrl-C; one polling thread per port\n",
    AddExporterOptions,
    ExporterProblem,
    RunExporter,
    false,
    false,
};
