#pragma once

#include "LiveVisit.h"
#include "MenuVisit.h"
#include "UpdateChecks.h"

#include <chrono>

class ModalAnswers;
struct Figures;
class Watchdog;
class Workshop;

// Simulated workshop use in plug cycles of ten seconds, for as long as the run lasts. In each
// cycle the tester is plugged in; every third cycle starts with an update check; the tester is
// then set to live functions in odd cycles and to its menu in even ones; a second before the
// cycle ends it is unplugged.
class Soak
{
public:
    Soak(Workshop &workshop, Figures &figures, Watchdog &watchdog, ModalAnswers &answers);

    // Shows the window and runs plug cycles until the length has passed.
    void run(std::chrono::milliseconds length);
    // Closes the window, as a person ends the program.
    void finish();

private:
    void cycle(int number);
    void plugIn(int cycle);
    void unplug(int cycle);
    void requireNoUnexpectedWindow() const;

    Workshop &workshop_;
    Figures &figures_;
    Watchdog &watchdog_;
    ModalAnswers &answers_;
    LiveVisit live_;
    MenuVisit menu_;
    UpdateChecks checks_;
};
