#pragma once

#include "measure/widgets/ColourZones.h"

class QPushButton;
class ReportProject;
class TForm1;

// How the two values of a stored test are scaled and shown.
struct StoredTestUnit {
    // The tester sends whole bar or tenths of a bar.
    double divisor;
    // The report parameters "Presion" and "Presion_Maxima".
    const char *parameterFormat;
    const char *pressureFormat;
    const char *maximumFormat;
    // The marks of the chart's bars.
    const char *markFormat;
};

inline constexpr StoredTestUnit kTenthsOfABar = {10, "%4.1n Bar", "%4.1f Bar", "%4.1f Max",
                                                 "%1.1f"};
inline constexpr StoredTestUnit kWholeBar = {1, "%4.0f Bar", "%4.0f Bar", "%4.0f Max", "%1.0f"};

// A label of a stored-test screen and its text until the first answer.
struct StoredTestLabel {
    const char *name;
    const char *text;
};

inline constexpr ColourZone kAdBlueZones[] = {
    {0.134, 0xFFFF00}, {0.066, 0x008000}, {0.8, 0xFF0000}};
inline constexpr ColourZone kCommonRailZones[] = {
    {0.125, 0xFF0000}, {0.075, 0x008000}, {0.3, 0x0000FF}, {0.5, 0x008000}};

// The dial of a stored-test screen: caption (one line, or two separated by a line feed), scale
// from 0, the name of its maximum hand, and whether it carries the tracking hand.
struct StoredTestDial {
    const char *name;
    const char *caption;
    double maximum;
    int majorTicks;
    ColourZones zones;
    const char *maximumHand;
    bool trackingHand;
};

// The hidden chart that the report pictures.
struct StoredTestChart {
    const char *name;
    const char *title;
    const char *series;
};

// The six stored tests: the menu button that requests one, the name in the log line, the unit of
// its values, the report project that holds them, and the parts of its screen.
struct StoredTest {
    const char *code;
    QPushButton *TForm1::*menuButton;
    const char *testName;
    const StoredTestUnit *unit;
    ReportProject *TForm1::*report;
    StoredTestDial dial;
    StoredTestLabel pressureLabel;
    StoredTestLabel maximumLabel;
    StoredTestChart chart;
    const char *printButton;
    const char *exitButton;
};

extern const StoredTest kStoredTests[6];
