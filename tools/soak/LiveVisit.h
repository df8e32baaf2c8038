#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QDeadlineTimer;
struct Figures;
class Watchdog;
class Workshop;

// The tester in its live functions and in the sensor selection, a few seconds each: the window
// must follow every change, and show the readings of a live function at the poller's pace, each
// on the screen's instrument as the tester sent it.
class LiveVisit
{
public:
    LiveVisit(Workshop &workshop, Figures &figures, Watchdog &watchdog);

    // Sets the tester to the next functions in turn, the twelve live ones and SELS, while one
    // more fits before the end.
    void visit(const QDeadlineTimer &end);

private:
    void follow(const QByteArray &code);
    // Counts an input report the window has just handled when it is a reading shown.
    void noteReport(const QByteArray &data);

    Workshop &workshop_;
    Figures &figures_;
    Watchdog &watchdog_;
    int next_ = 0;
    QByteArray following_;
    int readings_ = 0;
    QString mismatch_;
    // Ends the connection to the HID controller with the object.
    QObject receiver_;
};
