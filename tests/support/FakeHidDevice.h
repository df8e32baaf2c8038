#pragma once

#include "link/HidDevice.h"
#include "link/TesterIdentity.h"

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

    // The commands written so far: data bytes 1 to 11 of each report.
    QStringList commands() const
    {
        QStringList texts;
        for (const QByteArray &report : written)
            texts << QString::fromLatin1(report.mid(1, 11));
        return texts;
    }

    quint16 vendorId = kTesterVendorId;
    quint16 productId = kTesterProductId;
    bool pluggedIn = true;
    bool checkedOut = false;
    QString product = QString::fromLatin1(kTesterProduct);
    QString vendor = QString::fromLatin1(kTesterVendor);
    int reportLength = 65;
    QList<QByteArray> written;
};
