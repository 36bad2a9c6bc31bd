#include "core/link/GensioConnection.h"

#include <gensio/gensio.h>
#include <gensio/gensio_addr.h>
#include <gensio/gensio_os_funcs.h>
#include <gensio/sergensio.h>
#include <netinet/in.h>
#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <vector>

#include "core/link/NameResolution.h"
#include "core/link/SerialPort.h"
#include "core/link/WaitTimeout.h"

namespace {

constexpr const char* TELNET_RFC2217 = "telnet(rfc2217)";

gensio_time GensioTimeOf(std::chrono::microseconds limit) {
    const timespec span = TimespecOf(limit);
    return gensio_time{span.tv_sec, static_cast<std::int32_t>(span.tv_nsec)};
}

std::string ReasonOfError(int error) {
    switch (error) {
        case GE_CONNREFUSE:
            return "connection refused (no server listens at that port)";
        case GE_HOSTDOWN:
            return "host unreachable";
        case GE_REMCLOSE:
            return "the server closed the connection (another client may hold the port)";
        case GE_TIMEDOUT:
            return "timed out";
        default:
            return gensio_err_to_str(error);
    }
}

// The library writes to its sockets with plain writes: a server that has closed the connection would
// raise SIGPIPE, whose default ends the program. While the library runs, SIGPIPE is held back for this
// thread, and one it raised is taken away before the hold ends; the program's own handling is unchanged.
class CSigpipeHold {
public:
    CSigpipeHold() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &former_);
    }
    ~CSigpipeHold() {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec none{0, 0};
            sigtimedwait(&pipe_, nullptr, &none);
        }
        pthread_sigmask(SIG_SETMASK, &former_, nullptr);
    }
    CSigpipeHold(const CSigpipeHold&) = delete;
    CSigpipeHold& operator=(const CSigpipeHold&) = delete;

private:
    sigset_t pipe_{};
    sigset_t former_{};
    bool wasPending_ = false;
};

// The library's list of the addresses to try in turn, each with `port`. 0, or the library's error.
int LibraryAddressesOf(gensio_os_funcs* os, const std::vector<SResolvedAddress>& addresses, int port,
                       gensio_addr** list) {
    *list = nullptr;
    for (const SResolvedAddress& address : addresses) {
        gensio_addr* one = nullptr;
        int error = GE_INVAL;
        if (address.address.ss_family == AF_INET) {
            const auto& ipv4 = reinterpret_cast<const sockaddr_in&>(address.address);
            error = gensio_addr_create(os, GENSIO_NETTYPE_IPV4, &ipv4.sin_addr, sizeof ipv4.sin_addr,
                                       static_cast<unsigned>(port), &one);
        } else if (address.address.ss_family == AF_INET6) {
            // The whole socket address, so that a link-local address keeps its zone.
            error = gensio_addr_create(os, GENSIO_NETTYPE_IPV6, &address.address, sizeof(sockaddr_in6),
                                       static_cast<unsigned>(port), &one);
        }
        if (error != 0) continue;
        if (*list == nullptr) {
            *list = one;
            continue;
        }
        gensio_addr* joined = gensio_addr_cat(*list, one);
        gensio_addr_free(one);
        if (joined == nullptr) break;
        gensio_addr_free(*list);
        *list = joined;
    }
    return *list != nullptr ? 0 : GE_INVAL;
}

// The library's single-threaded operating system handler, shared by every connection of the program.
gensio_os_funcs* SharedOsFuncs() {
    static gensio_os_funcs* os = [] {
        gensio_os_funcs* funcs = nullptr;
        return gensio_default_os_hnd(0, &funcs) == 0 ? funcs : nullptr;
    }();
    return os;
}

}  // namespace

struct CGensioConnection::SLibraryState {
    gensio_os_funcs* os = SharedOsFuncs();
    gensio_waiter* waiter = os != nullptr ? gensio_os_funcs_alloc_waiter(os) : nullptr;
    gensio* io = nullptr;
    std::deque<std::uint8_t> input;
    bool failed = false;
    int lastError = 0;  // the library's error that ended the last connect or the connection
    bool writable = false;
    bool opened = false;
    int openError = 0;
    std::string reason;
    std::shared_ptr<CNameResolver> resolver = SystemNameResolver();
    std::function<void()> pump;
    Clock::time_point nextPump{};
    // The answer to the last COM port control command. It lives as long as the connection, so that an
    // answer that comes after its wait gave up has somewhere to go.
    bool answered = false;
    int answerError = 0;

    void Wake() { gensio_os_funcs_wake(os, waiter); }

    void Fail(int error) {
        if (!failed) {
            reason = ReasonOfError(error);
            lastError = error;
        }
        failed = true;
        Wake();
    }

    int TakeEvent(int event, int err, unsigned char* buffer, gensiods* length) {
        switch (event) {
            case GENSIO_EVENT_READ:
                if (err != 0) {
                    Fail(err);
                    gensio_set_read_callback_enable(io, false);
                } else {
                    input.insert(input.end(), buffer, buffer + *length);
                    Wake();
                }
                return 0;
            case GENSIO_EVENT_WRITE_READY:
                writable = true;
                gensio_set_write_callback_enable(io, false);
                Wake();
                return 0;
            default:
                return GE_NOTSUP;  // modem and line state reports: the link has no use for them
        }
    }

    static int OnEvent(gensio*, void* self, int event, int err, unsigned char* buffer, gensiods* length,
                       const char* const*) {
        return static_cast<SLibraryState*>(self)->TakeEvent(event, err, buffer, length);
    }

    static void OnAnswer(sergensio*, int err, unsigned, void* self) {
        auto* state = static_cast<SLibraryState*>(self);
        state->answerError = err;
        state->answered = true;
        state->Wake();
    }

    static void OnOpened(gensio*, int err, void* self) {
        auto* state = static_cast<SLibraryState*>(self);
        state->opened = true;
        state->openError = err;
        state->Wake();
    }

    void RunFor(std::chrono::microseconds limit) {
        const CSigpipeHold hold;
        gensio_time timeout = GensioTimeOf(limit);
        gensio_os_funcs_wait(os, waiter, 1, &timeout);
    }

    void PumpIfDue() {
        if (!pump || Clock::now() < nextPump) return;
        pump();
        nextPump = Clock::now() + EVENT_PUMP_INTERVAL;
    }

    // With an event pump the library runs in slices, the pump between them.
    bool RunUntil(const bool& done, std::chrono::microseconds limit) {
        const auto end = Clock::now() + limit;
        while (!done && !failed) {
            const auto now = Clock::now();
            if (now >= end) break;
            const auto until = pump ? std::min(end, std::max(nextPump, now)) : end;
            RunFor(std::chrono::duration_cast<std::chrono::microseconds>(until - now));
            PumpIfDue();
        }
        return done;
    }

    // Opens `candidate` (with its child when `withChild`) and waits for the library to say it is open.
    int Open(gensio* candidate, bool withChild, std::chrono::milliseconds limit, const std::string& late) {
        opened = false;
        openError = 0;
        lastError = 0;
        io = candidate;
        const int started = withChild ? gensio_open(io, OnOpened, this) : gensio_open_nochild(io, OnOpened, this);
        if (started != 0) {
            reason = ReasonOfError(started);
            Release();
            return -1;
        }
        if (!RunUntil(opened, limit) || openError != 0) {
            if (opened) {
                reason = ReasonOfError(openError);
                lastError = openError;
            } else if (!failed) {
                reason = late;
                lastError = GE_TIMEDOUT;
            }
            Release();
            return -1;
        }
        gensio_set_read_callback_enable(io, true);
        return 0;
    }

    // Closes the connection and frees it. The close is waited for at most CLOSE_LIMIT: a server that
    // never lets the close finish must not hold the program for ever; the library then frees it
    // without waiting longer.
    void Release() {
        if (io == nullptr) return;
        const CSigpipeHold hold;
        gensio_set_read_callback_enable(io, false);
        gensio_set_write_callback_enable(io, false);
        auto* close = new SCloseWait{os, waiter};
        if (gensio_close(io, SCloseWait::OnClosed, close) != 0) {
            delete close;  // nothing to wait for: the library did not start a close
        } else if (close->WaitFor(CLOSE_LIMIT)) {
            delete close;
        } else {
            close->abandoned = true;  // freed by its callback should the library still call it
        }
        gensio_free(io);
        io = nullptr;
    }

    static constexpr std::chrono::milliseconds CLOSE_LIMIT{1000};

    // What a close waits on. It outlives the connection when the close was given up, because the
    // library may still report the close later; the report then only frees it.
    struct SCloseWait {
        gensio_os_funcs* os;
        gensio_waiter* waiter;
        bool closed = false;
        bool abandoned = false;

        static void OnClosed(gensio*, void* self) {
            auto* wait = static_cast<SCloseWait*>(self);
            if (wait->abandoned) {
                delete wait;
                return;
            }
            wait->closed = true;
            gensio_os_funcs_wake(wait->os, wait->waiter);
        }

        bool WaitFor(std::chrono::milliseconds limit) {
            const auto end = Clock::now() + limit;
            while (!closed) {
                const auto now = Clock::now();
                if (now >= end) break;
                gensio_time timeout =
                    GensioTimeOf(std::chrono::duration_cast<std::chrono::microseconds>(end - now));
                gensio_os_funcs_wait(os, waiter, 1, &timeout);
            }
            return closed;
        }
    };
};

CGensioConnection::CGensioConnection() : state_(std::make_unique<SLibraryState>()) {}

CGensioConnection::~CGensioConnection() {
    Close();
    if (state_->waiter != nullptr) gensio_os_funcs_free_waiter(state_->os, state_->waiter);
}

void CGensioConnection::SetEventPump(std::function<void()> pump) {
    state_->pump = std::move(pump);
}

void CGensioConnection::SetNameResolver(std::shared_ptr<CNameResolver> resolver) {
    state_->resolver = std::move(resolver);
}

// The name is looked up here, within the limit, and the library is given the addresses: its own
// lookup would hold the program for as long as the name servers take.
int CGensioConnection::Connect(const std::string& host, int port, std::chrono::milliseconds limit) {
    SLibraryState& s = *state_;
    Close();
    s.failed = false;
    s.lastError = 0;
    s.reason.clear();
    s.input.clear();
    if (s.waiter == nullptr) {
        s.reason = "the network library could not be started";
        return -1;
    }
    const auto deadline = Clock::now() + limit;
    s.nextPump = Clock::now() + EVENT_PUMP_INTERVAL;
    const SNameResolution resolved = ResolveBefore(s.resolver, host, deadline, [&s] { s.PumpIfDue(); });
    const std::string limitText = std::to_string(limit.count()) + " ms";
    if (resolved.timedOut) {
        s.reason = "the name " + host + " did not resolve within " + limitText +
                   " (the name server does not answer)";
        s.lastError = GE_TIMEDOUT;
        return -1;
    }
    if (resolved.addresses.empty()) {
        s.reason = "the name " + host + " does not resolve (" + resolved.failure + ")";
        return -1;
    }
    gensio_addr* addresses = nullptr;
    if (const int error = LibraryAddressesOf(s.os, resolved.addresses, port, &addresses); error != 0) {
        s.reason = "the name " + host + " resolves to no address the network library takes";
        return -1;
    }
    const char* const noOptions[] = {nullptr};
    gensio* io = nullptr;
    const int error =
        gensio_terminal_alloc("tcp", addresses, noOptions, s.os, SLibraryState::OnEvent, &s, &io);
    gensio_addr_free(addresses);  // the connection keeps a copy
    if (error != 0) {
        s.reason = ReasonOfError(error);
        return -1;
    }
    const auto left = std::max(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()),
                               std::chrono::milliseconds(0));
    return s.Open(io, true, left, "no connection within " + limitText + " (host down or unreachable?)");
}

int CGensioConnection::StartRfc2217(std::chrono::milliseconds limit) {
    SLibraryState& s = *state_;
    gensio* telnet = nullptr;
    if (const int error = str_to_gensio_child(s.io, TELNET_RFC2217, s.os, SLibraryState::OnEvent, &s, &telnet);
        error != 0) {
        s.reason = ReasonOfError(error);
        Close();
        return -1;
    }
    return s.Open(telnet, false, limit,
                  "the server does not answer RFC 2217 COM port control (a raw TCP port? then use tcp://)");
}

void CGensioConnection::Close() {
    state_->Release();
    state_->input.clear();
}

bool CGensioConnection::IsOpen() const {
    return state_->io != nullptr;
}

long CGensioConnection::Read(std::uint8_t* buffer, std::size_t length) {
    SLibraryState& s = *state_;
    if (s.io == nullptr) return -1;
    if (s.input.empty() && !s.failed) s.RunFor(std::chrono::microseconds(0));
    if (s.input.empty()) return s.failed ? -1 : 0;
    const std::size_t count = std::min(length, s.input.size());
    std::copy_n(s.input.begin(), count, buffer);
    s.input.erase(s.input.begin(), s.input.begin() + static_cast<std::ptrdiff_t>(count));
    return static_cast<long>(count);
}

long CGensioConnection::Write(const std::uint8_t* bytes, std::size_t length) {
    SLibraryState& s = *state_;
    if (s.io == nullptr || s.failed) return -1;
    gensiods accepted = 0;
    const CSigpipeHold hold;
    if (const int error = gensio_write(s.io, &accepted, bytes, length, nullptr); error != 0) {
        s.Fail(error);
        return -1;
    }
    return static_cast<long>(accepted);
}

bool CGensioConnection::WaitForInput(std::chrono::microseconds limit) {
    SLibraryState& s = *state_;
    if (s.io == nullptr) return false;
    if (!s.input.empty()) return true;
    // One pass even without time, so that what has arrived (or a closed connection) is seen.
    const auto end = Clock::now() + limit;
    do {
        const auto left = std::max(end - Clock::now(), Clock::duration(0));
        s.RunFor(std::chrono::duration_cast<std::chrono::microseconds>(left));
    } while (s.input.empty() && !s.failed && Clock::now() < end);
    return !s.input.empty();
}

bool CGensioConnection::WaitForRoom(std::chrono::microseconds limit) {
    SLibraryState& s = *state_;
    if (s.io == nullptr) return false;
    s.writable = false;
    gensio_set_write_callback_enable(s.io, true);
    const bool room = s.RunUntil(s.writable, limit);
    if (s.io != nullptr) gensio_set_write_callback_enable(s.io, false);
    return room;
}

void CGensioConnection::DiscardInput() {
    state_->input.clear();
}

std::string CGensioConnection::TakeInputText() {
    std::string text;
    for (const std::uint8_t byte : state_->input) {
        if (std::isprint(byte)) text += static_cast<char>(byte);
    }
    state_->input.clear();
    return text;
}

bool CGensioConnection::Failed() const {
    return state_->failed;
}

bool CGensioConnection::ClosedByServer() const {
    return state_->lastError == GE_REMCLOSE;
}

const std::string& CGensioConnection::Reason() const {
    return state_->reason;
}

int CGensioConnection::SerialCommand(SerialSend send, unsigned value, std::chrono::milliseconds limit) {
    SLibraryState& s = *state_;
    sergensio* serial = s.io != nullptr ? gensio_to_sergensio(s.io) : nullptr;
    if (serial == nullptr) return -1;
    s.answered = false;
    s.answerError = 0;
    if (send(serial, value, SLibraryState::OnAnswer, &s) != 0) return -1;
    if (!s.RunUntil(s.answered, limit)) return -1;
    return s.answerError == 0 ? 0 : -1;
}

void CGensioConnection::SerialPurge(unsigned which) {
    sergensio* serial = state_->io != nullptr ? gensio_to_sergensio(state_->io) : nullptr;
    if (serial != nullptr) sergensio_flush(serial, which);
}

bool CGensioConnection::RunUntil(const bool& done, std::chrono::milliseconds limit) {
    return state_->RunUntil(done, limit);
}
