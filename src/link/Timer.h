#pragma once

#include <QObject>
#include <QTimer>

// A timer of the main window: its event comes at the end of each interval while it is enabled.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(int intervalMs, bool enabled, QObject *parent);

    int interval() const { return timer_.interval(); }
    bool isEnabled() const { return timer_.isActive(); }
    // Enabling a stopped timer starts a full interval; enabling a running one changes nothing.
    void setEnabled(bool enabled);
    // Raises the event now if the timer is enabled, as if its interval had just run out, and
    // starts the next interval. Lets tests run the timers without waiting.
    void fire();

signals:
    void timeout();

private:
    QTimer timer_;
};
