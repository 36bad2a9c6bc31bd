#include "core/diagnosis/ConnectionCheck.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/app/ComPortMapping.h"
#include "core/app/SerialDevicePresence.h"
#include "core/app/StartupRules.h"
#include "core/app/texts/ConnectionCheckText.h"
#include "core/diagnosis/HostNameLookup.h"
#include "core/diagnosis/ServerProbe.h"
#include "core/diagnosis/UsbAdapterFacts.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/ExchangeCause.h"
#include "core/link/PortAddress.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/link/TcpPort.h"
#include "core/procedures/RegisterExchange.h"

namespace Text = ConnectionCheckText;

namespace {
constexpr std::size_t IDENTIFICATION_OFFSET = 3;

std::vector<std::uint8_t> ReportSlaveIdFrame(std::uint8_t address) {
    std::vector<std::uint8_t> frame{address, FN_REPORT_SLAVE_ID};
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return frame;
}

void AddLine(std::string& detail, const std::string& line) {
    if (!detail.empty()) detail += "\n";
    detail += line;
}

// One Report Slave ID exchange: what came back and how it classifies.
struct SExchange {
    std::vector<std::uint8_t> received;
    SReplyClass reply;
    bool deviceGone = false;
};

class CConnectionCheck {
public:
    CConnectionCheck(const SConnectionCheckSetup& setup, CCommUnit& link,
                     const ConnectionCheckObserver& observer)
        : setup_(setup), link_(link), observer_(observer) {}

    SConnectionCheckResult Run() {
        const std::uint32_t formerTimeout = link_.GetResponseTimeout();
        link_.SetResponseTimeout(setup_.responseTimeoutMs);
        const bool opened = IsNetworkPortName(PortName()) ? ReachServer() && OpenServerPort()
                                                          : CheckDevice() && OpenPort();
        if (opened && (setup_.onlyOtherSpeeds || CheckLine()) && link_.ControlsLineSpeed()) ListenAtOtherSpeeds();
        if (link_.IsOpen()) link_.Close();
        link_.SetResponseTimeout(formerTimeout);
        result_.finished = true;
        Notify();
        return result_;
    }

private:
    void Notify() {
        if (observer_) observer_(result_);
    }

    SConnectionCheckStep& Begin(std::string_view name) {
        result_.steps.push_back({std::string(name), std::string(Text::RESULT_RUNNING), {}});
        Notify();
        return result_.steps.back();
    }

    SConnectionCheckStep& Current() { return result_.steps.back(); }

    void Report(const std::string& line) {
        AddLine(Current().detail, line);
        Notify();
    }

    // Ends the current step: true when it passed, false when `verdict` ends the check.
    bool End(std::optional<EConnectionVerdict> verdict) {
        Current().result = std::string(verdict ? Text::RESULT_FAILED : Text::RESULT_OK);
        if (verdict) result_.verdict = *verdict;
        Notify();
        return !verdict;
    }

    std::string PortName() const { return ComPortDevicePath(setup_.portNum, setup_.ports); }

    std::string PortLine() const {
        const bool mapped = setup_.ports.count(setup_.portNum) != 0;
        return "COM" + std::to_string(setup_.portNum) + " = " + PortName() +
               (mapped ? std::string(Text::MAPPED_BY_PORTS) : "");
    }

    // A port on a serial device server: its address, its name and a TCP connection to it.
    bool ReachServer() {
        Begin(Text::STEP_SERVER);
        Report(PortLine());
        const SPortAddressResult parsed = ParsePortAddress(PortName());
        if (!parsed.address) {
            Report(parsed.error);
            return End(EConnectionVerdict::NoDevice);
        }
        server_ = *parsed.address;
        const SHostLookup lookup = LookUpHost(server_.host);
        if (lookup.addresses.empty()) {
            Report(server_.host + std::string(Text::DOES_NOT_RESOLVE) + lookup.failure);
            return End(EConnectionVerdict::NameUnresolved);
        }
        std::string addresses;
        for (const std::string& address : lookup.addresses) addresses += (addresses.empty() ? "" : ", ") + address;
        Report(server_.host + std::string(Text::RESOLVES_TO) + addresses);
        const SServerProbe probe = ProbeServer(server_, NETWORK_CONNECT_LIMIT);
        if (!probe.connected) {
            Report(EndpointText(server_) + ": " + probe.reason);
            return End(EConnectionVerdict::ConnectFailed);
        }
        Report(std::string(Text::CONNECTED_TO) + EndpointText(server_));
        if (!probe.closedAtOnce) return End(std::nullopt);
        Report(EndpointText(server_) + ": " + probe.reason);
        if (!probe.said.empty()) Report(std::string(Text::SERVER_SAID) + probe.said + "\"");
        return End(EConnectionVerdict::ServerBusy);
    }

    // Opens the port as every operation does: for RFC 2217 that sets the server's line.
    bool OpenServerPort() {
        Begin(Text::STEP_OPEN);
        link_.SetPortOverrides(setup_.ports);
        if (link_.Open(setup_.portNum, setup_.baudIndex) != 0) {
            Report(link_.OpenFailureReason());
            return End(server_.kind == EPortKind::Rfc2217 ? EConnectionVerdict::NoRfc2217
                                                          : EConnectionVerdict::ConnectFailed);
        }
        Report(server_.kind == EPortKind::Rfc2217
                   ? std::string(Text::RFC2217_LINE_SET) + std::to_string(link_.Bps()) + std::string(Text::BPS_8N1)
                   : std::string(Text::RAW_TCP_OPENED));
        return End(std::nullopt);
    }

    bool CheckDevice() {
        Begin(Text::STEP_DEVICE);
        const std::string com = "COM" + std::to_string(setup_.portNum);
        devicePath_ = ComPortDevicePath(setup_.portNum, setup_.ports);
        if (devicePath_.empty()) {
            Report(com + std::string(Text::COM_NAMES_NO_DEVICE));
            return End(EConnectionVerdict::NoDevice);
        }
        const bool mapped = setup_.ports.count(setup_.portNum) != 0 && setup_.portNum != setup_.portMappedForRun;
        Report(com + " = " + devicePath_ + (mapped ? std::string(Text::MAPPED_BY_PORTS) : ""));
        facts_ = GatherPortFacts(devicePath_, setup_.procRoot, setup_.sysRoot);
        struct stat st {};
        if (!facts_.exists || ::stat(devicePath_.c_str(), &st) != 0) {
            Report(devicePath_ + std::string(Text::NO_SUCH_DEVICE));
            return End(EConnectionVerdict::NoDevice);
        }
        if (!S_ISCHR(st.st_mode)) {
            Report(devicePath_ + std::string(Text::NOT_A_CHARACTER_DEVICE));
            return End(EConnectionVerdict::NotATty);
        }
        if (!facts_.terminal) {
            Report(devicePath_ + std::string(Text::NOT_A_TTY));
            return End(EConnectionVerdict::NotATty);
        }
        if (!DescribeSerialDevice(devicePath_, setup_.sysRoot)) {
            Report(devicePath_ + std::string(Text::NO_SUCH_DEVICE));
            return End(EConnectionVerdict::NoDevice);
        }
        Report(devicePath_ + std::string(Text::TTY_FOUND));
        ReportUsbAdapter();
        return End(std::nullopt);
    }

    void ReportUsbAdapter() {
        const std::optional<SUsbAdapterFacts> usb =
            GatherUsbAdapterFacts(devicePath_, setup_.sysRoot, setup_.devRoot);
        if (!usb) return;
        std::string name = usb->maker.empty() || usb->model.empty() ? usb->maker + usb->model
                                                                    : usb->maker + " " + usb->model;
        if (!usb->serialNumber.empty()) name += std::string(Text::SERIAL_NUMBER) + usb->serialNumber;
        Report(std::string(Text::ADAPTER) + name);
        if (!usb->byIdPath.empty()) Report(std::string(Text::BY_ID) + usb->byIdPath);
        if (usb->latencyTimerMs) ReportLatencyTimer(*usb->latencyTimerMs, usb->latencyTimerFile);
    }

    // Above 1 ms the adapter holds received bytes back until its timer runs out: replies come in bursts.
    void ReportLatencyTimer(int ms, const std::string& file) {
        Report(std::string(Text::LATENCY_TIMER) + std::to_string(ms) + std::string(Text::MS));
        if (ms <= 1) return;
        Report(std::string(Text::LATENCY_BURSTS) + std::string(Text::LATENCY_SET_PREFIX) + file +
               std::string(Text::LATENCY_SET_SUFFIX));
    }

    bool OpenPort() {
        Begin(Text::STEP_OPEN);
        if (!facts_.accessible) return EndWithPermission();
        link_.SetPortOverrides(setup_.ports);
        if (link_.Open(setup_.portNum, setup_.baudIndex) == 0) {
            Report(std::string(Text::OPENED_AT) + std::to_string(link_.Bps()) + std::string(Text::BPS));
            // A program that has the device open without a lock takes bytes off the line.
            if (const std::string holders = OtherHolders(); !holders.empty())
                Report(std::string(Text::ALSO_OPEN_IN) + holders);
            return End(std::nullopt);
        }
        facts_ = GatherPortFacts(devicePath_, setup_.procRoot, setup_.sysRoot);
        if (!facts_.exists) {
            Report(devicePath_ + std::string(Text::NO_SUCH_DEVICE));
            return End(EConnectionVerdict::NoDevice);
        }
        if (!facts_.accessible) return EndWithPermission();
        const std::string holders = OtherHolders();
        if (!holders.empty()) {
            Report(std::string(Text::IN_USE_BY) + holders);
            return End(EConnectionVerdict::InUse);
        }
        Report(link_.OpenFailureReason());
        return End(EConnectionVerdict::OpenFailed);
    }

    bool EndWithPermission() {
        Report(std::string(Text::PERMISSION_DENIED) + facts_.group);
        Report(PermissionDetail(facts_));
        result_.groupLacksAccess = facts_.inGroup;
        return End(EConnectionVerdict::Permission);
    }

    // The processes holding the device, this one left out (it may hold the other side of a test line).
    std::string OtherHolders() const {
        std::string text;
        for (const SPortFacts::SHolder& holder : facts_.holders) {
            if (holder.pid == ::getpid()) continue;
            if (!text.empty()) text += ", ";
            text += holder.name + std::string(Text::PROCESS) + std::to_string(holder.pid) + ")";
        }
        return text;
    }

    SExchange Exchange(std::uint8_t address) {
        SExchange exchange;
        const std::vector<std::uint8_t> request = ReportSlaveIdFrame(address);
        std::uint8_t buffer[RX_BUFFER_SIZE];
        std::size_t length = 0;
        const int sent = link_.Write(request.data(), request.size());
        const int received = sent == COMM_OK ? link_.Receive(buffer, length) : sent;
        exchange.deviceGone = !link_.IsOpen();
        exchange.received.assign(buffer, buffer + (sent == COMM_OK ? length : 0));
        exchange.reply = ClassifyReply(request, exchange.received, received);
        // The unit's own reply may follow an echo: collect it so that it is not taken for the next one.
        if (exchange.reply.kind == EReplyKind::Echo && !exchange.deviceGone && exchange.received == request) {
            link_.Receive(buffer, length);
            exchange.deviceGone = !link_.IsOpen();
        }
        return exchange;
    }

    std::string DescribeExchange(std::uint8_t address, const SExchange& exchange) const {
        const std::string head = std::string(Text::REPORT_SLAVE_ID_TO) + HexByteText(address);
        const std::string found = ReplyDescription(exchange.reply, exchange.received);
        return head + found + (exchange.reply.kind == EReplyKind::Valid ? Identification(exchange) : "");
    }

    static std::string Identification(const SExchange& exchange) {
        const std::vector<std::uint8_t>& bytes = exchange.received;
        if (bytes.size() <= IDENTIFICATION_OFFSET + 2) return {};
        return HexBytesText({bytes.begin() + IDENTIFICATION_OFFSET, bytes.end() - 2});
    }

    // A server that closes the connection has given its port to another client.
    bool EndWithDeviceGone() {
        const std::string detail = link_.NetworkFaultDetail(COMM_LINE_ERROR);
        if (!detail.empty()) {
            Report(detail);
            return End(EConnectionVerdict::ServerBusy);
        }
        Report(std::string(Text::DEVICE_WENT_AWAY));
        return End(EConnectionVerdict::NoDevice);
    }

    // True when nothing or only broken bytes came back, so that the other speeds are worth a try: a unit
    // at another speed is heard as either.
    bool CheckLine() {
        Begin(Text::STEP_LINE);
        std::vector<EReplyKind> kinds;
        for (const std::uint8_t address : CheckedAddresses(setup_.type)) {
            const SExchange exchange = Exchange(address);
            if (exchange.deviceGone) return EndWithDeviceGone();
            Report(DescribeExchange(address, exchange));
            kinds.push_back(exchange.reply.kind);
        }
        const std::optional<EConnectionVerdict> verdict = LineVerdict(kinds);
        End(verdict);
        if (verdict == EConnectionVerdict::Garbled) lineHeardBrokenBytes_ = true;
        return verdict == EConnectionVerdict::NoReply || verdict == EConnectionVerdict::Garbled;
    }

    // A valid reply from any address is a working line; otherwise the most telling finding names it.
    static std::optional<EConnectionVerdict> LineVerdict(const std::vector<EReplyKind>& kinds) {
        if (std::find(kinds.begin(), kinds.end(), EReplyKind::Valid) != kinds.end()) return std::nullopt;
        EReplyKind telling = EReplyKind::None;
        for (const EReplyKind kind : kinds) {
            if (ReplyKindRank(kind) < ReplyKindRank(telling)) telling = kind;
        }
        return VerdictOfReply(telling);
    }

    void ListenAtOtherSpeeds() {
        Begin(Text::STEP_SPEEDS);
        link_.SetResponseTimeout(setup_.scanTimeoutMs);
        for (int index = 0; index < static_cast<int>(BaudTable.size()); ++index) {
            if (index == setup_.baudIndex || link_.ChangeBaud(index) != COMM_OK) continue;
            for (const std::uint8_t address : CheckedAddresses(setup_.type)) {
                const SExchange exchange = Exchange(address);
                if (exchange.deviceGone) {
                    EndWithDeviceGone();
                    return;
                }
                if (exchange.reply.kind != EReplyKind::Valid && exchange.reply.kind != EReplyKind::Exception)
                    continue;
                Report(std::string(Text::ANSWERS_AT) + std::to_string(link_.Bps()) + std::string(Text::BPS) +
                       " (" + DescribeExchange(address, exchange) + ")");
                result_.answeringBps = link_.Bps();
                End(EConnectionVerdict::OtherSpeed);
                return;
            }
        }
        Report(std::string(Text::NO_ANSWER_AT_ANY_SPEED));
        End(lineHeardBrokenBytes_ ? EConnectionVerdict::Garbled : EConnectionVerdict::NoReply);
    }

    const SConnectionCheckSetup& setup_;
    CCommUnit& link_;
    const ConnectionCheckObserver& observer_;
    SConnectionCheckResult result_;
    bool lineHeardBrokenBytes_ = false;  // the line step got broken bytes rather than nothing
    std::string devicePath_;
    SPortFacts facts_;
    SPortAddress server_;
};
}  // namespace

std::vector<std::uint8_t> CheckedAddresses(GwType type) {
    if ((type & GW_UNIT_NUMBERED_MASK) == 0) return {GwSlaveAddressOf(type, 0)};
    return {GwSlaveAddressOf(type, 0), GwSlaveAddressOf(type, 1)};
}

SConnectionCheckResult RunConnectionCheck(const SConnectionCheckSetup& setup, CCommUnit& link,
                                          const ConnectionCheckObserver& observer) {
    return CConnectionCheck(setup, link, observer).Run();
}

std::string ConnectionCheckFix(const SConnectionCheckResult& result) {
    if (result.verdict == EConnectionVerdict::Permission && result.groupLacksAccess)
        return std::string(Text::FIX_PERMISSION_BY_MODE);
    if (result.verdict != EConnectionVerdict::OtherSpeed) return std::string(VerdictFix(result.verdict));
    const std::string bps = std::to_string(result.answeringBps);
    return std::string(Text::FIX_OTHER_SPEED) + bps + std::string(Text::FIX_OTHER_SPEED_MIDDLE) + bps +
           std::string(Text::FIX_OTHER_SPEED_LAST);
}
