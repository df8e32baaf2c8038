#pragma once

#include "measure/widgets/ColourZones.h"

#include <array>

// How the value field of a live answer is converted: as a whole number or as a decimal number
// with the program's decimal separator.
enum class FieldKind { Integer, Decimal };

// The readings made of the converted field, in extended precision.
namespace LiveReading
{

constexpr long double tenths(long double field)
{
    return field / 10;
}
constexpr long double unscaled(long double field)
{
    return field;
}
// 0 to 4000 span the manometer's -1 to 3 bar.
constexpr long double manometerBar(long double field)
{
    return field / 1000 - 1;
}
// Leakage in per cent: 2500 and more is a tight cylinder; nothing limits the result to 100.
constexpr long double leakagePercent(long double field)
{
    const long double percent = 100 - field * 100 / 2500;
    return percent < 0 ? 0 : percent;
}

} // namespace LiveReading

// The instrument of a live screen. It also decides the screen's layout: a dial at the left with
// the labels right of it, or a block bar across the top with the labels below.
enum class InstrumentKind { Dial, LossBar, ParticleBar };

struct LiveInstrument {
    InstrumentKind kind;
    const char *name;
    // Dials only: one line, or two separated by a line feed.
    const char *caption;
    double minimum;
    double maximum;
    // Dials only, counting both ends of the scale.
    int majorTicks;
    bool reversed;
    bool peakHand;
    ColourZones zones;
};

// How the value field of an answer becomes a reading.
struct LiveConversion {
    FieldKind field;
    long double (*reading)(long double field);
};

// A label of a live screen: its name, its text until the first reading, and the format of the
// value it shows.
struct LiveLabel {
    const char *name;
    const char *text;
    const char *format;
};

// The labels of a live screen: the reading, the running maximum and, on M003 only, the running
// minimum, all of one character height in pixels.
struct LiveLabels {
    LiveLabel value;
    LiveLabel maximum;
    LiveLabel minimum;
    int pixels;
};

struct LiveResetButton {
    const char *name;
    const char *caption;
};

inline constexpr ColourZone kManometerZones[] = {{0.25, 0xDC143C}, {0.75, 0x7FFF00}};
inline constexpr ColourZone kLossZones[] = {
    {0.1, 0x00FF00}, {0.3, 0x006400}, {0.3, 0xFFFF00}, {0.3, 0xFF0000}};
inline constexpr ColourZone kParticleZones[] = {{0.3, 0x00FF00}, {0.2, 0xFF8C00}, {0.5, 0xFF0000}};
inline constexpr ColourZone kCommonRailZones[] = {
    {0.125, 0xFF0000}, {0.075, 0x00FF00}, {0.3, 0x1E90FF}, {0.5, 0x00FF00}};

// The twelve live functions, in the order in which the poller looks for the current one.
// Each keeps a running maximum (M003 also a running minimum), restarted at these values when
// its screen is entered and when its Reset button is pressed. A reading is made of the value
// field and shown on the instrument, the value label and the maximum (and minimum) label.
struct LiveFunction {
    const char *code;
    long double maximumStart;
    bool hasMinimum;
    LiveConversion conversion;
    LiveInstrument instrument;
    LiveLabels labels;
    LiveResetButton reset;
};

inline constexpr long double kMinimumStart = 3.0L;

inline constexpr std::array<LiveFunction, 12> kLiveFunctions = {{
    {"OIL_",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::tenths},
     {InstrumentKind::Dial, "GaugeOil", "OIL Pressure", 0, 10, 11, false, true, {}},
     {{"lblOil", "0.0 Bar", "%4.1f Bar"}, {"lblOilMax", "0.0 Max", "%4.1f Max"}, {}, 37},
     {"btnResetMaxOil", "Reset Max"}},
    {"M003",
     -1.0L,
     true,
     {FieldKind::Decimal, LiveReading::manometerBar},
     {InstrumentKind::Dial, "GaugeM003", "Manometer", -1, 3, 9, false, false, kManometerZones},
     {{"lblM003", "-0.000 Bar", "%4.3f Bar"},
      {"lblMaxM003", "-0.000 Max", "%4.3f Max"},
      {"lblMinM003", "-0.000 Min", "%4.3f Min"},
      35},
     {"btnResetMaxMinM003", "Reset Max / Min"}},
    {"LOSS",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::leakagePercent},
     {InstrumentKind::LossBar, "pbLoss", nullptr, 0, 100, 0, false, false, kLossZones},
     {{"lblLoss", "0 %", "%3.0f %%"}, {"lblLossMax", "0% Max", "%3.0f Max"}, {}, 35},
     {"btnResetMaxLoss", "Reset Max"}},
    {"VACU",
     0.0L,
     false,
     {FieldKind::Decimal, LiveReading::unscaled},
     {InstrumentKind::Dial, "GaugeVacuum", "Vacuum", 0, 1000, 11, true, true, {}},
     {{"lblVacuum", "0 mbar", "%4.0f mbar"}, {"lblVacuumMax", "0 Max", "%4.0f Max"}, {}, 37},
     {"btnResetMaxVacuum", "Reset Max"}},
    {"FUEL",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::tenths},
     {InstrumentKind::Dial, "GaugeFuel", "Fuel pressure", 0, 10, 11, false, true, {}},
     {{"lblFuel", "0.0 Bar", "%4.1f Bar"}, {"lblFuelMax", "0.0 Max", "%4.1f Max"}, {}, 37},
     {"btnResetFuel", "Reset Max"}},
    {"ADBL",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::tenths},
     {InstrumentKind::Dial, "GaugeAdblue", "AdBlue pressure", 0, 30, 7, false, true, {}},
     {{"lblAdblue", "0.0 Bar", "%4.1f Bar"}, {"lblAdblueMax", "0.0 Max", "%4.1f Max"}, {}, 37},
     {"btnResetAdblue", "Reset Max"}},
    {"PART",
     0.0L,
     false,
     {FieldKind::Decimal, LiveReading::unscaled},
     {InstrumentKind::ParticleBar, "pbParticle", nullptr, 0, 50, 0, false, false, kParticleZones},
     {{"lblParticle", "0 mbar", "%4.0f mbar"}, {"lblParticleMax", "0 Max", "%4.0f Max"}, {}, 37},
     {"btnResetParticle", "Reset Max"}},
    {"COOL",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::tenths},
     {InstrumentKind::Dial, "GaugeCooling", "Cooling pressure", 0, 30, 7, false, true, {}},
     {{"lblCooling", "0.0 Bar", "%4.1f Bar"}, {"lblCoolingMax", "0.0 Max", "%4.1f Max"}, {}, 37},
     {"btnResetCooling", "Reset Max"}},
    {"M300",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::tenths},
     {InstrumentKind::Dial, "GaugeM300", "Manometer", 0, 300, 7, false, true, {}},
     {{"lblM300", "0.0 Bar", "%4.1f Bar"}, {"lblM300Max", "0.0 Max", "%4.1f Max"}, {}, 37},
     {"btnResetM300", "Reset Max"}},
    {"M2K_",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::unscaled},
     {InstrumentKind::Dial, "GaugeM2K_", "Manometer", 0, 2000, 9, false, true, {}},
     {{"lblM2K_", "0 Bar", "%4.0f Bar"}, {"lblM2K_Max", "0 Max", "%4.0f Max"}, {}, 37},
     {"btnResetM2K_", "Reset Max"}},
    {"CRHP",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::unscaled},
     {InstrumentKind::Dial, "GaugeCRHP", "High pressure\nDiesel", 0, 2000, 9, false, true,
      kCommonRailZones},
     {{"lblCRHP", "0 Bar", "%4.0f Bar"}, {"lblCRHPMax", "0 Max", "%4.0f Max"}, {}, 37},
     {"btnResetCRHP", "Reset Max"}},
    {"HPPE",
     0.0L,
     false,
     {FieldKind::Integer, LiveReading::tenths},
     {InstrumentKind::Dial, "GaugeFSI", "High Pressure\nPetrol", 0, 300, 7, false, true, {}},
     {{"lblFSI", "0.0 Bar", "%4.1f Bar"}, {"lblFSIMax", "0.0 Max", "%4.1f Max"}, {}, 37},
     {"btnResetFSI", "Reset Max"}},
}};

// Index of the live function with this code, or -1.
int liveFunctionIndex(const char *code);
