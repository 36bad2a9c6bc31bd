#pragma once
// The exporter's HTTP side, read only by design: GET (and HEAD) of /metrics answers the last readings
// in the Prometheus text format, GET of / a small index page; any other path is 404, any other method
// on those two 405. Nothing that arrives over HTTP reaches a unit.
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "cli/exporter/ExporterListenAddress.h"

namespace httplib {
class Server;
}

class CMetricsHttpServer {
public:
    // `metrics` makes the body of /metrics; it runs on the server's threads.
    explicit CMetricsHttpServer(std::function<std::string()> metrics);
    ~CMetricsHttpServer();  // stops
    CMetricsHttpServer(const CMetricsHttpServer&) = delete;
    CMetricsHttpServer& operator=(const CMetricsHttpServer&) = delete;

    // Binds the address: the port bound (the one the system chose for port 0), or -1.
    int Bind(const SListenAddress& address);
    // Serves on a thread of its own until Stop.
    void Start();
    void Stop();

private:
    void AddRoutes();

    std::function<std::string()> metrics;
    std::unique_ptr<httplib::Server> server;
    std::thread thread;
};
