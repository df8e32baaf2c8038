#pragma once

#include "FakeHidDevice.h"
#include "link/HidController.h"

#include <functional>
#include <memory>
#include <vector>

// A HID controller whose devices a test plugs in, unplugs and speaks for, synchronously.
class FakeHidController : public HidController
{
    Q_OBJECT

public:
    HidDevice *checkOutByID(quint16 vendorId, quint16 productId) override;
    void checkIn(HidDevice *&device) override;

    // Adds a plugged-in device (the tester unless changed) and raises the device-change event.
    FakeHidDevice &plug(const std::function<void(FakeHidDevice &)> &setUp = {});
    void unplug(FakeHidDevice &device);
    // Delivers one input report: the text followed by zero bytes up to 64 data bytes.
    void answer(FakeHidDevice &device, const QString &text);
    void report(FakeHidDevice &device, const QByteArray &data);

    std::vector<std::unique_ptr<FakeHidDevice>> devices;
};
