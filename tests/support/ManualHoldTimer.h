#pragma once

#include "measure/widgets/HoldTimer.h"

// A hold timer that runs out only when the test lets time pass.
class ManualHoldTimer : public HoldTimer
{
public:
    void start(int intervalMs) override
    {
        remainingMs_ = intervalMs;
        running_ = true;
    }

    // Lets the time pass; the timer runs out once its interval is over.
    void advance(int ms)
    {
        if (!running_)
            return;
        remainingMs_ -= ms;
        if (remainingMs_ <= 0) {
            running_ = false;
            emit expired();
        }
    }

private:
    int remainingMs_ = 0;
    bool running_ = false;
};
