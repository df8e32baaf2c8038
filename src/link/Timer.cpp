#include "Timer.h"

Timer::Timer(int intervalMs, bool enabled, QObject *parent) : QObject(parent)
{
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::timeout);
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

void Timer::fire()
{
    if (!timer_.isActive())
        return;
    timer_.start();
    emit timeout();
}
