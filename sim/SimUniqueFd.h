#pragma once
// Owns one file descriptor and closes it.
#include <unistd.h>

#include <utility>

class CSimUniqueFd {
public:
    CSimUniqueFd() = default;
    explicit CSimUniqueFd(int fd) : fd_(fd) {}
    ~CSimUniqueFd() { Reset(); }
    CSimUniqueFd(CSimUniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    CSimUniqueFd& operator=(CSimUniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    CSimUniqueFd(const CSimUniqueFd&) = delete;
    CSimUniqueFd& operator=(const CSimUniqueFd&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    void Reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};
