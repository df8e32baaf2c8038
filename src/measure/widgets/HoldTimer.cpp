#include "HoldTimer.h"

HoldTimer::HoldTimer(QObject *parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &HoldTimer::expired);
}

void HoldTimer::start(int intervalMs)
{
    timer_.start(intervalMs);
}
