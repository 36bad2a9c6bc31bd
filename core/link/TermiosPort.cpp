#include "core/link/TermiosPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/app/texts/DetailText.h"
#include "core/link/WaitTimeout.h"

namespace {

struct SSpeed {
    int bps;
    speed_t constant;
};

// The speeds the tool runs at, and the others a driver might fall back to (named when it does).
constexpr SSpeed SPEEDS[] = {{1200, B1200},     {2400, B2400},     {4800, B4800},    {9600, B9600},
                             {19200, B19200},   {38400, B38400},   {57600, B57600},  {115200, B115200},
                             {230400, B230400}, {460800, B460800}, {921600, B921600}};

speed_t SpeedConstantOf(int bps) {
    for (const SSpeed& speed : SPEEDS) {
        if (speed.bps == bps) return speed.constant;
    }
    return B0;
}

int BpsOf(speed_t constant) {
    for (const SSpeed& speed : SPEEDS) {
        if (speed.constant == constant) return speed.bps;
    }
    return 0;
}

std::string ReasonOf(const std::string& devicePath, int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "Permission denied: add your user to the dialout group";
        case EBUSY:
        case EWOULDBLOCK:
            return devicePath + " is in use by another program";
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "No such device: " + devicePath;
        default:
            return devicePath + ": " + std::strerror(error);
    }
}

// Errors after which the device can never answer again: the adapter was unplugged or the line hung up.
bool MeansDeviceGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

// Errors of a driver that simply has no error counters (pseudo-terminals, some USB adapters).
bool MeansNoCounters(int error) {
    return error == ENOTTY || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

}  // namespace

CTermiosPort::CTermiosPort() : CTermiosPort(SystemTermiosCalls()) {}

CTermiosPort::CTermiosPort(std::shared_ptr<CTermiosCalls> calls) : calls(std::move(calls)) {}

CTermiosPort::~CTermiosPort() {
    if (fd >= 0) Close();
}

int CTermiosPort::FailOpen(const std::string& devicePath, int error) {
    failureReason = ReasonOf(devicePath, error);
    if (fd >= 0) ReleaseDescriptor();
    return -1;
}

int CTermiosPort::Open(const std::string& devicePath, int bps) {
    if (fd >= 0) {
        // Refused without touching the port that is open.
        failureReason = "The port is already open";
        return -1;
    }
    failureReason.clear();
    lastError = 0;
    hungUp = false;
    counters = Counters::Unknown;
    fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return FailOpen(devicePath, errno);
    if (!::isatty(fd)) return FailOpen(devicePath, ENOTTY);
    // Exclusive use: other programs' opens fail while we hold the line.
    if (calls->Ioctl(fd, TIOCEXCL, nullptr) != 0) return FailOpen(devicePath, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return FailOpen(devicePath, errno);
    if (ApplyLineSettings(bps) != 0) {
        ReleaseDescriptor();  // the reason says why
        return -1;
    }
    RaiseModemLines();
    (void)TakeErrorCounters(nullptr);
    calls->Tcflush(fd, TCIOFLUSH);
    return 0;
}

int CTermiosPort::CannotRunAt(int bps, speed_t driverSet) {
    using namespace DetailText;
    failureReason = std::string(ADAPTER_CANNOT_RUN_AT) + std::to_string(bps) + std::string(BPS);
    if (const int setBps = BpsOf(driverSet); setBps != 0)
        failureReason += std::string(ITS_DRIVER_SET) + std::to_string(setBps) + std::string(BPS) + ")";
    return -1;
}

int CTermiosPort::SettingsNotReported(int error) {
    lastError = error;
    failureReason = std::string(DetailText::LINE_SETTINGS_NOT_REPORTED) + std::strerror(error);
    return -1;
}

// A driver may take the settings and quietly keep another speed (tcsetattr succeeds when any part of
// the settings was taken): only the speed read back tells.
int CTermiosPort::SetAndConfirm(const termios& wanted, int bps) {
    if (calls->Tcsetattr(fd, wanted) != 0) {
        lastError = errno;
        failureReason = std::string(DetailText::LINE_SETTINGS_REFUSED) + std::to_string(bps) +
                        std::string(DetailText::BPS_8N1_BECAUSE) + std::strerror(lastError);
        return -1;
    }
    termios now{};
    if (calls->Tcgetattr(fd, now) != 0) return SettingsNotReported(errno);
    const speed_t speed = ::cfgetospeed(&wanted);
    const speed_t output = ::cfgetospeed(&now);
    const speed_t input = ::cfgetispeed(&now);
    // An input speed of 0 means "as the output speed".
    if (output != speed || (input != speed && input != B0)) return CannotRunAt(bps, output);
    return 0;
}

int CTermiosPort::ApplyLineSettings(int bps) {
    const speed_t speed = SpeedConstantOf(bps);
    if (speed == B0) return CannotRunAt(bps, B0);
    termios settings{};
    if (calls->Tcgetattr(fd, settings) != 0) return SettingsNotReported(errno);
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &=
        ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNBRK | BRKINT | PARMRK);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    return SetAndConfirm(settings, bps);
}

void CTermiosPort::RaiseModemLines() {
    int lines = TIOCM_DTR | TIOCM_RTS;
    calls->Ioctl(fd, TIOCMBIS, &lines);  // pseudo-terminals have no modem lines: nothing to raise
}

// Turns the driver's error counters into "errors since the last query". Drivers without counters
// (pseudo-terminals, some USB adapters) report no errors rather than a failed query, and are not asked
// again. 0, or -1 when the query failed for another reason.
int CTermiosPort::TakeErrorCounters(SLineErrors* errors) {
    if (counters == Counters::Unsupported) return 0;
    serial_icounter_struct now{};
    if (calls->Ioctl(fd, TIOCGICOUNT, &now) != 0) {
        if (counters == Counters::Unknown && MeansNoCounters(errno)) {
            counters = Counters::Unsupported;
            return 0;
        }
        lastError = errno;
        return -1;
    }
    if (errors != nullptr && counters == Counters::Supported) {
        errors->framing = now.frame != lastCounters.frame;
        errors->overrun = now.overrun != lastCounters.overrun;
        errors->overflow = now.buf_overrun != lastCounters.buf_overrun;
        errors->other = now.parity != lastCounters.parity || now.brk != lastCounters.brk;
    }
    lastCounters = now;
    counters = Counters::Supported;
    return 0;
}

// Linux releases the descriptor whatever close reports, EINTR and EIO included: closing it again
// could close a descriptor that another part of the program has been given since, so it is forgotten.
int CTermiosPort::ReleaseDescriptor() {
    // A pseudo-terminal whose other side stays open keeps the exclusive flag: give it back.
    calls->Ioctl(fd, TIOCNXCL, nullptr);
    ::flock(fd, LOCK_UN);
    const int closed = calls->Close(fd);
    const int error = errno;
    fd = -1;
    if (closed == 0 || error == EINTR) return 0;
    errno = error;
    return -1;
}

int CTermiosPort::Close() {
    if (fd < 0) return -1;
    calls->Tcflush(fd, TCIOFLUSH);
    const bool closedCleanly = ReleaseDescriptor() == 0;
    const int error = errno;
    lastError = 0;
    hungUp = false;
    if (closedCleanly) return 0;
    // Output still queued may not have reached the line.
    failureReason = std::string(DetailText::CLOSED_WITH_ERROR) + std::strerror(error);
    return -1;
}

// The old settings are put back when the driver does not take the new speed, so that the link keeps
// the speed it knows.
int CTermiosPort::SetSpeed(int bps) {
    if (fd < 0) return -1;
    const speed_t speed = SpeedConstantOf(bps);
    if (speed == B0) return CannotRunAt(bps, B0);
    termios before{};
    if (calls->Tcgetattr(fd, before) != 0) return SettingsNotReported(errno);
    termios settings = before;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    if (SetAndConfirm(settings, bps) == 0) return 0;
    calls->Tcsetattr(fd, before);
    return -1;
}

void CTermiosPort::SetBreak(bool on) {
    if (fd < 0) return;
    // Not every driver can send a break: nothing to do then.
    calls->Ioctl(fd, on ? TIOCSBRK : TIOCCBRK, nullptr);
}

long CTermiosPort::Failed() {
    lastError = errno;
    return -1;
}

long CTermiosPort::Write(const std::uint8_t* bytes, std::size_t length) {
    if (fd < 0) return -1;
    const ssize_t written = ::write(fd, bytes, length);
    if (written >= 0) return static_cast<long>(written);
    return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? 0 : Failed();
}

int CTermiosPort::QueryLineErrors(SLineErrors& errors) {
    errors = {};
    if (fd < 0) return -1;
    return TakeErrorCounters(&errors);
}

// Raw mode without a minimum count: a read returns what is there, 0 when nothing is.
long CTermiosPort::Read(std::uint8_t* buffer, std::size_t length) {
    if (fd < 0) return -1;
    const ssize_t got = ::read(fd, buffer, length);
    if (got >= 0) return static_cast<long>(got);
    return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? 0 : Failed();
}

// One poll for the whole time, to the microsecond. A closed port lets the time pass, so that a caller
// waiting on it sleeps instead of spinning.
PortWait CTermiosPort::WaitFor(short events, std::chrono::microseconds limit) {
    pollfd p{fd, events, 0};
    const timespec timeout = TimespecOf(limit);
    const int ready = ::ppoll(&p, 1, &timeout, nullptr);
    if (ready <= 0 || fd < 0) return PortWait::TimedOut;
    if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        hungUp = true;
        return PortWait::Gone;
    }
    return PortWait::Ready;
}

PortWait CTermiosPort::WaitReadable(std::chrono::microseconds limit) {
    return WaitFor(POLLIN, limit);
}

PortWait CTermiosPort::WaitWritable(std::chrono::microseconds limit) {
    return WaitFor(POLLOUT, limit);
}

bool CTermiosPort::DeviceGone() const {
    return hungUp || MeansDeviceGone(lastError);
}

void CTermiosPort::Flush(FlushQueue queue) {
    if (fd < 0) return;
    const int which = queue == FlushQueue::Input    ? TCIFLUSH
                      : queue == FlushQueue::Output ? TCOFLUSH
                                                    : TCIOFLUSH;
    calls->Tcflush(fd, which);
}
