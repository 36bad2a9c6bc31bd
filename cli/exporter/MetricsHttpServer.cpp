#include "cli/exporter/MetricsHttpServer.h"

#include <httplib.h>

#include "core/fleet/MetricsExposition.h"

namespace {

constexpr const char* METRICS_PATH = "/metrics";
constexpr const char* INDEX_PATH = "/";
constexpr const char* ALLOWED_METHODS = "GET, HEAD";
constexpr const char* INDEX_PAGE =
    "<!DOCTYPE html>\n<html><head><title>gwcli exporter</title></head>\n"
    "<body><h1>gwcli exporter</h1>\n"
    "<p>Alarms, diagnostic counters, hardware values and link health of the gateway units: "
    "<a href=\"/metrics\">/metrics</a></p>\n</body></html>\n";

bool IsServedPath(const std::string& path) {
    return path == METRICS_PATH || path == INDEX_PATH;
}

bool IsReadMethod(const std::string& method) {
    return method == "GET" || method == "HEAD";
}

// SO_REUSEADDR alone: the library's default also sets SO_REUSEPORT, with which a second exporter on
// the same port would start without complaint and take half of the scrapes.
void TakeAddressAlone(socket_t socket) {
    const int yes = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

}  // namespace

CMetricsHttpServer::CMetricsHttpServer(std::function<std::string()> makeMetrics)
    : metrics(std::move(makeMetrics)), server(std::make_unique<httplib::Server>()) {
    AddRoutes();
}

CMetricsHttpServer::~CMetricsHttpServer() {
    Stop();
}

void CMetricsHttpServer::AddRoutes() {
    server->set_socket_options(TakeAddressAlone);
    // Every request passes here first: only reads of the two pages go on to their handlers.
    server->set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
        if (!IsServedPath(request.path)) {
            response.status = 404;
            response.set_content("not found; the metrics are at /metrics\n", "text/plain");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (!IsReadMethod(request.method)) {
            response.status = 405;
            response.set_header("Allow", ALLOWED_METHODS);
            response.set_content("read only: GET or HEAD\n", "text/plain");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server->Get(METRICS_PATH, [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(metrics(), METRICS_CONTENT_TYPE);
    });
    server->Get(INDEX_PATH, [](const httplib::Request&, httplib::Response& response) {
        response.set_content(INDEX_PAGE, "text/html; charset=utf-8");
    });
}

int CMetricsHttpServer::Bind(const SListenAddress& address) {
    if (address.port == 0) return server->bind_to_any_port(address.host);
    return server->bind_to_port(address.host, address.port) ? address.port : -1;
}

void CMetricsHttpServer::Start() {
    thread = std::thread([this] { server->listen_after_bind(); });
}

void CMetricsHttpServer::Stop() {
    if (!thread.joinable()) return;
    // A stop that came before the serving loop began would be lost: wait until it runs.
    while (!server->is_running()) std::this_thread::yield();
    server->stop();
    thread.join();
}
