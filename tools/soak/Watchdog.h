#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the run when a step takes far longer than it may, also when the step waits in an event
// loop of its own (a modal dialog) or the GUI thread does not come back at all: it prints which
// step it was and exits with status 1.
class Watchdog
{
public:
    Watchdog();
    ~Watchdog();

    // The step starting now must end within the limit; the next arm() starts the next step.
    void arm(const QString &step, std::chrono::seconds limit);

private:
    void watch();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::string step_;
    std::chrono::seconds limit_{0};
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool stopping_ = false;
    std::thread thread_;
};
