#pragma once

#include <QByteArray>

#include <array>

// One function the tester can be set to.
struct TesterFunction {
    const char *code;
    const char *title;
    // For the live functions: the unit of the reading, the scale of the program's dial in it,
    // and how the four-character field is made from it: field = (reading + offset) * factor.
    // MENU and SELS have no reading and no unit.
    const char *unit;
    double minimum;
    double maximum;
    double offset;
    double factor;
    // Decimals of the reading that the field can carry.
    int decimals;

    bool isLive() const { return unit != nullptr; }
    QByteArray field(double reading) const;
    // The reading of a field; a decimal comma is read as the decimal separator.
    double reading(const QByteArray &field) const;
};

// One kind of test the tester stores, fetched from its menu.
struct StoredTest {
    const char *code;
    const char *title;
    // Field units per bar: 10 for tenths of a bar, 1 for whole bar.
    int perBar;
    int defaultPressure;
    int defaultMaximum;
};

// The twelve live functions in the tester's order, then MENU and SELS.
const std::array<TesterFunction, 14> &testerFunctions();
const TesterFunction *findTesterFunction(const QByteArray &code);

const std::array<StoredTest, 6> &storedTests();
const StoredTest *findStoredTest(const QByteArray &code);

// A number as exactly `width` digits, kept within what they can show.
QByteArray digits(int value, int width);
