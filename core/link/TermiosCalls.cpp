#include "core/link/TermiosCalls.h"

#include <sys/ioctl.h>
#include <unistd.h>

int CTermiosCalls::Tcgetattr(int fd, termios& settings) {
    return ::tcgetattr(fd, &settings);
}

int CTermiosCalls::Tcsetattr(int fd, const termios& settings) {
    return ::tcsetattr(fd, TCSANOW, &settings);
}

int CTermiosCalls::Tcflush(int fd, int queue) {
    return ::tcflush(fd, queue);
}

int CTermiosCalls::Ioctl(int fd, unsigned long request, void* argument) {
    return ::ioctl(fd, request, argument);
}

int CTermiosCalls::Close(int fd) {
    return ::close(fd);
}

std::shared_ptr<CTermiosCalls> SystemTermiosCalls() {
    static const auto calls = std::make_shared<CTermiosCalls>();
    return calls;
}
