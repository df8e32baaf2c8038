#include "TesterFunctions.h"

#include <QtMath>

#include <algorithm>

namespace
{

constexpr int FieldWidth = 4;

const std::array<TesterFunction, 14> functions{{
    {"OIL_", "Oil pressure", "bar", 0, 10, 0, 10, 1},
    {"M003", "Manometer -1 to 3 bar", "bar", -1, 3, 1, 1000, 3},
    {"LOSS", "Cylinder leakage", "%", 0, 100, -100, -25, 2},
    {"VACU", "Vacuum", "mbar", 0, 1000, 0, 1, 0},
    {"FUEL", "Fuel pressure", "bar", 0, 10, 0, 10, 1},
    {"ADBL", "AdBlue pressure", "bar", 0, 30, 0, 10, 1},
    {"PART", "Particle filter", "mbar", 0, 50, 0, 1, 0},
    {"COOL", "Cooling system", "bar", 0, 30, 0, 10, 1},
    {"M300", "Manometer 300 bar", "bar", 0, 300, 0, 10, 1},
    {"M2K_", "Manometer 2000 bar", "bar", 0, 2000, 0, 1, 0},
    {"CRHP", "Common-rail high pressure", "bar", 0, 2000, 0, 1, 0},
    {"HPPE", "Petrol high pressure", "bar", 0, 300, 0, 10, 1},
    {"MENU", "Menu (stored tests)", nullptr, 0, 0, 0, 0, 0},
    {"SELS", "Sensor selection", nullptr, 0, 0, 0, 0, 0},
}};

const std::array<StoredTest, 6> tests{{
    {"SADB", "AdBlue", 10, 45, 52},
    {"SFUE", "Fuel", 10, 35, 38},
    {"SCOO", "Cooling system", 10, 12, 15},
    {"SOIL", "Oil", 10, 40, 46},
    {"SHPD", "Diesel high pressure", 1, 1350, 1420},
    {"SFSI", "Petrol direct injection", 10, 1200, 1310},
}};

} // namespace

QByteArray TesterFunction::field(double reading) const
{
    return digits(qRound((reading + offset) * factor), FieldWidth);
}

double TesterFunction::reading(const QByteArray &field) const
{
    QByteArray number = field.trimmed();
    number.replace(',', '.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value / factor - offset : minimum;
}

const std::array<TesterFunction, 14> &testerFunctions()
{
    return functions;
}

const TesterFunction *findTesterFunction(const QByteArray &code)
{
    const auto found = std::find_if(functions.begin(), functions.end(),
                                    [&code](const TesterFunction &f) { return code == f.code; });
    return found == functions.end() ? nullptr : &*found;
}

const std::array<StoredTest, 6> &storedTests()
{
    return tests;
}

const StoredTest *findStoredTest(const QByteArray &code)
{
    const auto found = std::find_if(tests.begin(), tests.end(),
                                    [&code](const StoredTest &t) { return code == t.code; });
    return found == tests.end() ? nullptr : &*found;
}

QByteArray digits(int value, int width)
{
    int limit = 1;
    for (int i = 0; i < width; ++i)
        limit *= 10;
    return QByteArray::number(std::clamp(value, 0, limit - 1)).rightJustified(width, '0');
}
