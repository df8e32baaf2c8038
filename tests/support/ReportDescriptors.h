#pragma once

#include <QByteArray>

#include <initializer_list>

// A report descriptor of these bytes.
inline QByteArray descriptorOf(std::initializer_list<quint8> bytes)
{
    QByteArray descriptor;
    for (const quint8 byte : bytes)
        descriptor.append(char(byte));
    return descriptor;
}

// The tester's: one vendor-defined 64-byte input report and one 64-byte output report, without
// report IDs.
inline QByteArray testerReportDescriptor()
{
    return descriptorOf({
        0x06, 0x00, 0xFF, // Usage Page (vendor-defined 0xFF00)
        0x09, 0x01,       // Usage (1)
        0xA1, 0x01,       // Collection (Application)
        0x19, 0x01,       //   Usage Minimum (1)
        0x29, 0x40,       //   Usage Maximum (64)
        0x15, 0x00,       //   Logical Minimum (0)
        0x26, 0xFF, 0x00, //   Logical Maximum (255)
        0x75, 0x08,       //   Report Size (8)
        0x95, 0x40,       //   Report Count (64)
        0x81, 0x02,       //   Input (Data, Variable, Absolute)
        0x19, 0x01,       //   Usage Minimum (1)
        0x29, 0x40,       //   Usage Maximum (64)
        0x91, 0x02,       //   Output (Data, Variable, Absolute)
        0xC0,             // End Collection
    });
}

// Numbered reports: report 1 with 8 bytes in and out, report 2 with 32 bytes out.
inline QByteArray numberedReportDescriptor()
{
    return descriptorOf({
        0x06, 0x00, 0xFF, // Usage Page (vendor-defined 0xFF00)
        0x09, 0x01,       // Usage (1)
        0xA1, 0x01,       // Collection (Application)
        0x85, 0x01,       //   Report ID (1)
        0x75, 0x08,       //   Report Size (8)
        0x95, 0x08,       //   Report Count (8)
        0x09, 0x01,       //   Usage (1)
        0x81, 0x02,       //   Input (Data, Variable, Absolute)
        0x09, 0x01,       //   Usage (1)
        0x91, 0x02,       //   Output (Data, Variable, Absolute)
        0x85, 0x02,       //   Report ID (2)
        0x95, 0x20,       //   Report Count (32)
        0x09, 0x01,       //   Usage (1)
        0x91, 0x02,       //   Output (Data, Variable, Absolute)
        0xC0,             // End Collection
    });
}
