#include "HidapiDevice.h"

HidapiDevice::~HidapiDevice()
{
    close();
}

bool HidapiDevice::writeOutputReport(const QByteArray &report)
{
    return handle_ != nullptr && handle_->write(report) == report.size();
}

bool HidapiDevice::open(HidBackend &backend, HidReportReader::Receiver receiver)
{
    handle_ = backend.open(info_.path);
    if (handle_ == nullptr)
        return false;
    layout_ = parseHidReportDescriptor(handle_->reportDescriptor()).value_or(HidReportLayout());
    reader_ = std::make_unique<HidReportReader>(*handle_, layout_, std::move(receiver));
    return true;
}

void HidapiDevice::close()
{
    reader_.reset();
    handle_.reset();
}
