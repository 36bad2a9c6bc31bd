#pragma once
// Owns one POSIX file descriptor and closes it when it goes.
#include <unistd.h>

class CUniqueFd {
public:
    explicit CUniqueFd(int fd) : fd_(fd) {}
    CUniqueFd(const CUniqueFd&) = delete;
    CUniqueFd& operator=(const CUniqueFd&) = delete;
    ~CUniqueFd() { Close(); }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now and tells whether the close succeeded (a late write error may show here).
    bool Close() {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};
