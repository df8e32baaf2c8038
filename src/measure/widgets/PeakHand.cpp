#include "PeakHand.h"

#include "HoldTimer.h"

PeakHand::PeakHand(QObject *parent) : QObject(parent)
{
    setHoldTimer(new HoldTimer);
}

void PeakHand::setHoldTimer(HoldTimer *timer)
{
    delete timer_;
    timer_ = timer;
    timer_->setParent(this);
    connect(timer_, &HoldTimer::expired, this, &PeakHand::fallBack);
}

void PeakHand::take(double reading)
{
    current_ = reading;
    if (reading >= value_) {
        holding_ = true;
        timer_->start(kHoldMs);
        moveTo(reading);
    } else if (!holding_) {
        moveTo(reading);
    }
}

void PeakHand::fallBack()
{
    holding_ = false;
    moveTo(current_);
}

void PeakHand::moveTo(double value)
{
    if (value == value_)
        return;
    value_ = value;
    emit moved();
}
