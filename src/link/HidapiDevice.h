#pragma once

#include "HidBackend.h"
#include "HidDevice.h"
#include "HidReportDescriptor.h"
#include "HidReportReader.h"

#include <memory>

// One device path of the system as the hidapi controller keeps it. While the device is open
// (checked out) a reader thread reads its input reports.
class HidapiDevice : public HidDevice
{
public:
    explicit HidapiDevice(const HidDeviceInfo &info) : info_(info) {}
    ~HidapiDevice() override;

    bool isPluggedIn() const override { return pluggedIn_; }
    QString productName() const override { return info_.productName; }
    QString vendorName() const override { return info_.vendorName; }
    // From the report descriptor read when the device was last opened; the tester's length
    // before that or when the descriptor could not be read.
    int outputReportLength() const override { return layout_.outputReportLength; }
    // False when the device is not open or not all bytes were written.
    bool writeOutputReport(const QByteArray &report) override;

    const HidDeviceInfo &info() const { return info_; }
    bool isOpen() const { return handle_ != nullptr; }
    void unplug() { pluggedIn_ = false; }

    // Opens the device and starts reading its reports, handing each to the receiver on this
    // thread. False when the device cannot be opened.
    bool open(HidBackend &backend, HidReportReader::Receiver receiver);
    // Stops the reader and closes the device.
    void close();

private:
    HidDeviceInfo info_;
    bool pluggedIn_ = true;
    HidReportLayout layout_;
    std::unique_ptr<HidHandle> handle_;
    std::unique_ptr<HidReportReader> reader_;
};
