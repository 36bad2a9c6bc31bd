// The connection check on ports of a serial device server (Debian's ser2net in front of the simulated
// gateway): its network steps and the verdict of each network fault, then the line steps as on a
// local device.
#include "core/app/texts/ConnectionCheckText.h"
#include "core/diagnosis/ConnectionCheck.h"
#include "tests/net/DeviceServerFixture.h"

namespace {

namespace Text = ConnectionCheckText;

constexpr int BAUD_38400 = 2;

class DeviceServerCheck : public DeviceServerTest {
protected:
    SConnectionCheckResult Check(const std::string& portName) {
        SConnectionCheckSetup setup;
        setup.type = GW_VOSK;
        setup.portNum = NET_COM_NUMBER;
        setup.baudIndex = BAUD_38400;
        setup.ports = {{NET_COM_NUMBER, portName}};
        setup.responseTimeoutMs = 500;
        setup.scanTimeoutMs = 300;
        return RunConnectionCheck(setup, LinkTo(portName));
    }
    static std::vector<std::string> StepNames(const SConnectionCheckResult& result) {
        std::vector<std::string> names;
        for (const SConnectionCheckStep& step : result.steps) names.push_back(step.step);
        return names;
    }
    static const std::string& LastDetail(const SConnectionCheckResult& result) {
        return result.steps.back().detail;
    }
};

TEST_F(DeviceServerCheck, UnitBehindEitherKindOfPortIsFound) {
    Serve(SSimConfig{});
    for (const EServerPort kind : {EServerPort::Raw, EServerPort::Rfc2217}) {
        const SConnectionCheckResult result = Check(UrlOf(kind));
        EXPECT_EQ(result.verdict, EConnectionVerdict::Ok) << LastDetail(result);
        EXPECT_EQ(StepNames(result), (std::vector<std::string>{"server", "open", "line"}));
        EXPECT_NE(result.steps[0].detail.find("127.0.0.1 resolves to 127.0.0.1"), std::string::npos)
            << result.steps[0].detail;
        const std::string_view opened = kind == EServerPort::Raw ? Text::RAW_TCP_OPENED : Text::RFC2217_LINE_SET;
        EXPECT_NE(result.steps[1].detail.find(opened), std::string::npos) << result.steps[1].detail;
        EXPECT_FALSE(link->IsOpen());
    }
}

// A silent unit behind raw TCP: the other speeds cannot be tried, the server's line has its own.
TEST_F(DeviceServerCheck, SilentUnitBehindRawTcpSkipsTheOtherSpeeds) {
    Serve(SSimConfig{});
    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    const SConnectionCheckResult raw = Check(server->RawUrl());
    EXPECT_EQ(raw.verdict, EConnectionVerdict::NoReply);
    EXPECT_EQ(StepNames(raw), (std::vector<std::string>{"server", "open", "line"}));
    const SConnectionCheckResult rfc2217 = Check(server->Rfc2217Url());
    EXPECT_EQ(StepNames(rfc2217), (std::vector<std::string>{"server", "open", "line", "other speeds"}));
}

TEST_F(DeviceServerCheck, EachNetworkFaultHasItsVerdict) {
    Serve(SSimConfig{});
    CCommUnit holder(host);
    holder.SetPortOverrides({{NET_COM_NUMBER, server->RawUrl()}});
    ASSERT_EQ(holder.Open(NET_COM_NUMBER, 0), COMM_OK);
    struct SCase {
        std::string portName;
        EConnectionVerdict verdict;
        std::string step;
        std::string found;
    };
    const SCase cases[] = {
        {"tcp://no-such-host.invalid:4001", EConnectionVerdict::NameUnresolved, "server", "does not resolve"},
        {"tcp://127.0.0.1:" + std::to_string(FreeLoopbackPort()), EConnectionVerdict::ConnectFailed, "server",
         "connection refused"},
        {"rfc2217://127.0.0.1:" + std::to_string(server->RawPort()), EConnectionVerdict::ServerBusy, "server",
         "Port already in use"},
        {"tcp://127.0.0.1:" + std::to_string(server->RawPort()), EConnectionVerdict::ServerBusy, "server",
         "another client"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.portName);
        const SConnectionCheckResult result = Check(c.portName);
        EXPECT_EQ(result.verdict, c.verdict) << VerdictKeyword(result.verdict) << ": " << LastDetail(result);
        EXPECT_EQ(result.steps.back().step, c.step);
        EXPECT_NE(LastDetail(result).find(c.found), std::string::npos) << LastDetail(result);
    }
    holder.Close();
    // The port is free again: a raw port asked for RFC 2217 does not negotiate.
    const SConnectionCheckResult result = Check("rfc2217://127.0.0.1:" + std::to_string(server->RawPort()));
    EXPECT_EQ(result.verdict, EConnectionVerdict::NoRfc2217) << LastDetail(result);
    EXPECT_EQ(result.steps.back().step, "open");
    EXPECT_NE(LastDetail(result).find("does not answer RFC 2217"), std::string::npos) << LastDetail(result);
}

}  // namespace
