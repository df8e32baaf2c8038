#pragma once

#include <QByteArray>
#include <QString>

// One HID device known to the HID controller.
class HidDevice
{
public:
    virtual ~HidDevice() = default;

    // True while the device is attached to the system.
    virtual bool isPluggedIn() const = 0;
    virtual QString productName() const = 0;
    virtual QString vendorName() const = 0;
    // Length of one output report: the report ID byte plus the data bytes.
    virtual int outputReportLength() const = 0;
    // Writes one output report, report ID byte first, and returns once it is written.
    virtual bool writeOutputReport(const QByteArray &report) = 0;
};
