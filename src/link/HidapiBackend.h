#pragma once

#include "HidBackend.h"

// The system's HID devices through hidapi (hidraw), with udev's word on arrivals and
// removals. hidapi is initialised while any such backend lives.
class HidapiBackend : public HidBackend
{
    Q_OBJECT

public:
    explicit HidapiBackend(QObject *parent = nullptr);
    ~HidapiBackend() override;

    QList<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const QString &path) override;
};
