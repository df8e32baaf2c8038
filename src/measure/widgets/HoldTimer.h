#pragma once

#include <QObject>
#include <QTimer>

// The one-shot timer that ends the hold of a dial's peak hand. Tests hand the peak hand a timer
// of their own that they run out without waiting.
class HoldTimer : public QObject
{
    Q_OBJECT

public:
    explicit HoldTimer(QObject *parent = nullptr);

    // Starts the timer anew, dropping any earlier start.
    virtual void start(int intervalMs);

signals:
    void expired();

private:
    QTimer timer_;
};
