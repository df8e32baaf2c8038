#include "FakeHidController.h"

HidDevice *FakeHidController::checkOutByID(quint16 vendorId, quint16 productId)
{
    for (const std::unique_ptr<FakeHidDevice> &device : devices) {
        if (device->pluggedIn && !device->checkedOut && device->vendorId == vendorId &&
            device->productId == productId) {
            device->checkedOut = true;
            return device.get();
        }
    }
    return nullptr;
}

void FakeHidController::checkIn(HidDevice *&device)
{
    static_cast<FakeHidDevice *>(device)->checkedOut = false;
    device = nullptr;
}

FakeHidDevice &FakeHidController::plug(const std::function<void(FakeHidDevice &)> &setUp)
{
    devices.push_back(std::make_unique<FakeHidDevice>());
    FakeHidDevice &device = *devices.back();
    if (setUp)
        setUp(device);
    emit deviceChange();
    return device;
}

void FakeHidController::unplug(FakeHidDevice &device)
{
    device.pluggedIn = false;
    emit deviceChange();
}

void FakeHidController::answer(FakeHidDevice &device, const QString &text)
{
    QByteArray data = text.toLatin1();
    data.append(64 - data.size(), '\0');
    report(device, data);
}

void FakeHidController::report(FakeHidDevice &device, const QByteArray &data)
{
    if (device.checkedOut)
        emit deviceData(&device, 0, data);
}
