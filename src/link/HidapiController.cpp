#include "HidapiController.h"

#include "HidapiBackend.h"
#include "HidapiDevice.h"

#include <QSet>

#include <algorithm>

HidapiController::HidapiController(QObject *parent)
    : HidapiController(std::make_unique<HidapiBackend>(), parent)
{
}

HidapiController::HidapiController(std::unique_ptr<HidBackend> backend, QObject *parent)
    : HidController(parent), backend_(std::move(backend))
{
    update();
    connect(backend_.get(), &HidBackend::devicesChanged, this, &HidapiController::updateAndTell);
    connect(&pollTimer_, &QTimer::timeout, this, &HidapiController::updateAndTell);
    pollTimer_.start(backend_->pollInterval());
    QMetaObject::invokeMethod(this, &HidController::deviceChange, Qt::QueuedConnection);
}

HidapiController::~HidapiController() = default;

HidDevice *HidapiController::checkOutByID(quint16 vendorId, quint16 productId)
{
    const auto found = std::find_if(devices_.begin(), devices_.end(), [&](const auto &device) {
        return device->info().vendorId == vendorId && device->info().productId == productId &&
               !device->isOpen();
    });
    if (found == devices_.end())
        return nullptr;
    HidapiDevice *const device = found->get();
    const bool opened =
        device->open(*backend_, [this, device](quint8 reportId, const QByteArray &data) {
            emit deviceData(device, reportId, data);
        });
    return opened ? device : nullptr;
}

void HidapiController::checkIn(HidDevice *&device)
{
    const auto holds = [device](const auto &held) { return held.get() == device; };
    const auto present = std::find_if(devices_.begin(), devices_.end(), holds);
    if (present != devices_.end())
        (*present)->close();
    departed_.erase(std::remove_if(departed_.begin(), departed_.end(), holds), departed_.end());
    device = nullptr;
}

bool HidapiController::update()
{
    const QList<HidDeviceInfo> found = backend_->enumerate();
    QSet<QString> foundPaths;
    for (const HidDeviceInfo &info : found)
        foundPaths.insert(info.path);
    QSet<QString> knownPaths;
    for (const auto &device : devices_)
        knownPaths.insert(device->info().path);
    if (foundPaths == knownPaths)
        return false;

    for (auto &device : devices_) {
        if (foundPaths.contains(device->info().path))
            continue;
        device->unplug();
        if (device->isOpen()) {
            device->close();
            departed_.push_back(std::move(device));
        } else {
            device.reset();
        }
    }
    devices_.erase(std::remove(devices_.begin(), devices_.end(), nullptr), devices_.end());
    for (const HidDeviceInfo &info : found) {
        if (knownPaths.contains(info.path))
            continue;
        knownPaths.insert(info.path);
        devices_.push_back(std::make_unique<HidapiDevice>(info));
    }
    return true;
}

void HidapiController::updateAndTell()
{
    if (update())
        emit deviceChange();
}
