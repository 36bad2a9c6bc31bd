#pragma once
// The system calls the serial port makes on its open descriptor for line settings, control and close,
// behind one narrow interface: the real calls by default, a double in tests that makes one of them fail
// or report what a driver might report. Each returns what the system call returns and leaves errno as
// the system call leaves it.
#include <termios.h>

#include <memory>

class CTermiosCalls {
public:
    virtual ~CTermiosCalls() = default;

    virtual int Tcgetattr(int fd, termios& settings);
    virtual int Tcsetattr(int fd, const termios& settings);  // TCSANOW
    virtual int Tcflush(int fd, int queue);
    virtual int Ioctl(int fd, unsigned long request, void* argument);
    virtual int Close(int fd);
};

// The real calls, shared by every port that is given no others.
std::shared_ptr<CTermiosCalls> SystemTermiosCalls();
