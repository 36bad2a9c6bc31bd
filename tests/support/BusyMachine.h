#pragma once
// Threads that keep every processor busy for as long as they live: the machine a field engineer's
// laptop is while a virus scanner or a build runs beside the tool.
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

class CBusyMachine {
public:
    CBusyMachine() {
        const unsigned count = 2 * std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < count; ++i)
            spinners_.emplace_back([this] {
                while (!stop_) spin_.fetch_add(1, std::memory_order_relaxed);
            });
    }
    ~CBusyMachine() {
        stop_ = true;
        for (std::thread& spinner : spinners_) spinner.join();
    }
    CBusyMachine(const CBusyMachine&) = delete;
    CBusyMachine& operator=(const CBusyMachine&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::atomic<unsigned long> spin_{0};
    std::vector<std::thread> spinners_;
};
