#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog() : thread_([this] { watch(); }) {}

Watchdog::~Watchdog()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void Watchdog::arm(const QString &step, std::chrono::seconds limit)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        step_ = step.toStdString();
        limit_ = limit;
        deadline_ = std::chrono::steady_clock::now() + limit;
        armed_ = true;
    }
    wake_.notify_one();
}

void Watchdog::watch()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        if (!armed_) {
            wake_.wait(lock);
        } else if (std::chrono::steady_clock::now() < deadline_) {
            wake_.wait_until(lock, deadline_);
        } else {
            std::fprintf(stderr, "soak: FAILED: %s did not end within %lld s\n", step_.c_str(),
                         static_cast<long long>(limit_.count()));
            std::fflush(nullptr);
            std::_Exit(1);
        }
    }
}
