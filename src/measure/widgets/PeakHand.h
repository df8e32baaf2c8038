#pragma once

#include <QObject>

class HoldTimer;

// The peak hand of a dial in maximum mode. It jumps to every reading at or above the one it
// holds and holds it; 2000 ms after the last such reading it falls back to the current reading
// and rides with the main hand until a reading reaches it again.
class PeakHand : public QObject
{
    Q_OBJECT

public:
    static constexpr int kHoldMs = 2000;

    explicit PeakHand(QObject *parent = nullptr);

    double value() const { return value_; }
    bool isHolding() const { return holding_; }
    // Takes one reading of the main hand.
    void take(double reading);
    // Replaces the timer of the hold, before the first reading; the hand takes ownership of it.
    void setHoldTimer(HoldTimer *timer);

signals:
    void moved();

private:
    void moveTo(double value);
    void fallBack();

    HoldTimer *timer_ = nullptr;
    double value_ = 0;
    double current_ = 0;
    bool holding_ = false;
};
