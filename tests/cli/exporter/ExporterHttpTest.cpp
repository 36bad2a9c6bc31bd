// The exporter's HTTP side: the metrics and the index page are read, nothing else is served.
#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>

#include "cli/exporter/MetricsHttpServer.h"
#include "core/fleet/MetricsExposition.h"

TEST(ExporterHttp, ServesMetricsAndIndexAndRefusesEverythingElse) {
    std::atomic<int> scrapes{0};
    CMetricsHttpServer server([&scrapes] {
        ++scrapes;
        return std::string("# HELP gw_up x\n# TYPE gw_up gauge\ngw_up{gateway=\"a\"} 1\n");
    });
    const int port = server.Bind({"127.0.0.1", 0});
    ASSERT_GT(port, 0);
    server.Start();
    httplib::Client client("127.0.0.1", port);

    const auto metrics = client.Get("/metrics");
    ASSERT_TRUE(metrics);
    EXPECT_EQ(metrics->status, 200);
    EXPECT_EQ(metrics->get_header_value("Content-Type"), METRICS_CONTENT_TYPE);
    EXPECT_EQ(metrics->body, "# HELP gw_up x\n# TYPE gw_up gauge\ngw_up{gateway=\"a\"} 1\n");
    const auto index = client.Get("/");
    ASSERT_TRUE(index);
    EXPECT_EQ(index->status, 200);
    EXPECT_NE(index->body.find("href=\"/metrics\""), std::string::npos);
    EXPECT_EQ(scrapes, 1);

    for (const char* path : {"/metrics/", "/favicon.ico", "/api/clear", "/metrics.txt"}) {
        const auto missing = client.Get(path);
        ASSERT_TRUE(missing);
        EXPECT_EQ(missing->status, 404) << path;
    }
    EXPECT_EQ(client.Post("/api/clear", "", "text/plain")->status, 404);
    // The served paths take no writes: nothing sent there reaches the metrics or a unit.
    for (const char* path : {"/metrics", "/"}) {
        SCOPED_TRACE(path);
        const auto post = client.Post(path, "counter=ERR_T", "application/x-www-form-urlencoded");
        ASSERT_TRUE(post);
        EXPECT_EQ(post->status, 405);
        EXPECT_EQ(post->get_header_value("Allow"), "GET, HEAD");
        EXPECT_EQ(client.Put(path, "x", "text/plain")->status, 405);
        EXPECT_EQ(client.Delete(path)->status, 405);
        EXPECT_EQ(client.Patch(path, "x", "text/plain")->status, 405);
        EXPECT_EQ(client.Options(path)->status, 405);
    }
    EXPECT_EQ(scrapes, 1);
    const auto head = client.Head("/metrics");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    server.Stop();
    EXPECT_FALSE(client.Get("/metrics"));
}

TEST(ExporterHttp, AddressInUseIsRefused) {
    CMetricsHttpServer first([] { return std::string(); });
    const int port = first.Bind({"127.0.0.1", 0});
    ASSERT_GT(port, 0);
    CMetricsHttpServer second([] { return std::string(); });
    EXPECT_EQ(second.Bind({"127.0.0.1", port}), -1);
}
