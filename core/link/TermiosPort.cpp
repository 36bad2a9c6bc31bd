#include "core/link/TermiosPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

speed_t SpeedConstantOf(int bps) {
    switch (bps) {
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        case 460800:
            return B460800;
        default:
            return B0;
    }
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

timespec TimespecOf(std::chrono::microseconds limit) {
    if (limit.count() < 0) limit = std::chrono::microseconds(0);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limit);
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(limit - seconds);
    return timespec{static_cast<time_t>(seconds.count()), static_cast<long>(nanoseconds.count())};
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

CTermiosPort::~CTermiosPort() {
    if (fd >= 0) Close();
}

int CTermiosPort::FailOpen(const std::string& devicePath, int error) {
    failureReason = ReasonOf(devicePath, error);
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
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
    if (::ioctl(fd, TIOCEXCL) != 0) return FailOpen(devicePath, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::ioctl(fd, TIOCNXCL);
        return FailOpen(devicePath, error);
    }
    ApplyLineSettings(bps);
    RaiseModemLines();
    (void)TakeErrorCounters(nullptr);
    ::tcflush(fd, TCIOFLUSH);
    return 0;
}

void CTermiosPort::ApplyLineSettings(int bps) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) return;  // a device without settings is used as it is
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &=
        ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNBRK | BRKINT | PARMRK);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    const speed_t speed = SpeedConstantOf(bps);
    if (speed != B0) {
        ::cfsetispeed(&settings, speed);
        ::cfsetospeed(&settings, speed);
    }
    ::tcsetattr(fd, TCSANOW, &settings);
}

void CTermiosPort::RaiseModemLines() {
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &lines);  // pseudo-terminals have no modem lines: nothing to raise
}

// Turns the driver's error counters into "errors since the last query". Drivers without counters
// (pseudo-terminals, some USB adapters) report no errors rather than a failed query, and are not asked
// again. 0, or -1 when the query failed for another reason.
int CTermiosPort::TakeErrorCounters(SLineErrors* errors) {
    if (counters == Counters::Unsupported) return 0;
    serial_icounter_struct now{};
    if (::ioctl(fd, TIOCGICOUNT, &now) != 0) {
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

int CTermiosPort::Close() {
    if (fd < 0) return -1;
    ::tcflush(fd, TCIOFLUSH);
    // A pseudo-terminal whose other side stays open keeps the exclusive flag: give it back.
    ::ioctl(fd, TIOCNXCL);
    ::flock(fd, LOCK_UN);
    if (::close(fd) != 0 && errno != EINTR) return -1;
    fd = -1;
    lastError = 0;
    hungUp = false;
    return 0;
}

int CTermiosPort::SetSpeed(int bps) {
    if (fd < 0) return -1;
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) return 0;
    const speed_t speed = SpeedConstantOf(bps);
    if (speed == B0) return -1;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0 ? 0 : -1;
}

void CTermiosPort::SetBreak(bool on) {
    if (fd < 0) return;
    ::ioctl(fd, on ? TIOCSBRK : TIOCCBRK);  // not every driver can send a break: nothing to do then
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
    ::tcflush(fd, which);
}
