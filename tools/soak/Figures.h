#pragma once

// What the soak has done so far.
struct Figures {
    int plugCycles = 0;
    int functionChanges = 0;
    long readingsShown = 0;
    // The time live screens were on display, from the first reading's screen to the next change.
    double liveScreenSeconds = 0;
    int storedTests = 0;
    int compressionTests = 0;
    int reportsSaved = 0;
    int updateChecks = 0;
};
