#pragma once

#include "link/HidDevice.h"

#include <QList>

// A device that keeps every output report written to it.
class FakeHidDevice : public HidDevice
{
public:
    bool isPluggedIn() const override { return pluggedIn; }
    QString productName() const override { return product; }
    QString vendorName() const override { return vendor; }
    int outputReportLength() const override { return reportLength; }
    bool writeOutputReport(const QByteArray &report) override
    {
        written << report;
        return true;
    }

    bool pluggedIn = true;
    QString product = QStringLiteral("Multifunction tester");
    QString vendor = QStringLiteral("Kelvaro");
    int reportLength = 65;
    QList<QByteArray> written;
};
