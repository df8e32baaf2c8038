#pragma once

#include <array>

// The twelve live functions, in the order in which the poller looks for the current one.
// Each keeps a running maximum (M003 also a running minimum), restarted at these values when
// its screen is entered and when its Reset button is pressed.
struct LiveFunction {
    const char *code;
    long double maximumStart;
    bool hasMinimum;
};

inline constexpr long double kMinimumStart = 3.0L;

inline constexpr std::array<LiveFunction, 12> kLiveFunctions = {{
    {"OIL_", 0.0L, false},
    {"M003", -1.0L, true},
    {"LOSS", 0.0L, false},
    {"VACU", 0.0L, false},
    {"FUEL", 0.0L, false},
    {"ADBL", 0.0L, false},
    {"PART", 0.0L, false},
    {"COOL", 0.0L, false},
    {"M300", 0.0L, false},
    {"M2K_", 0.0L, false},
    {"CRHP", 0.0L, false},
    {"HPPE", 0.0L, false},
}};

// Index of the live function with this code, or -1.
int liveFunctionIndex(const char *code);
