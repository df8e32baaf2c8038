#pragma once

#include <QByteArray>

#include <optional>

// What the program needs to know of a device's reports. The lengths count the report ID byte
// and the data bytes of the longest report; for a device without report IDs the report ID
// byte is the zero byte that leads every output report. A default-constructed layout is the
// one assumed for a device whose descriptor cannot be read: the tester's.
struct HidReportLayout {
    // True when every report starts with its report ID byte.
    bool numberedReports = false;
    int inputReportLength = 65;
    int outputReportLength = 65;
};

// The report layout a HID report descriptor describes; nothing when the descriptor is empty,
// cut short or malformed.
std::optional<HidReportLayout> parseHidReportDescriptor(const QByteArray &descriptor);
