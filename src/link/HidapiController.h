#pragma once

#include "HidController.h"

#include <QTimer>

#include <memory>
#include <vector>

class HidBackend;
class HidapiDevice;

// The HID controller on hidapi: the system's HID devices as hidapi lists them, arrivals and
// removals as udev reports them or, where udev says nothing, as a re-listing finds them.
class HidapiController : public HidController
{
    Q_OBJECT

public:
    explicit HidapiController(QObject *parent = nullptr);
    // The same on another backend than hidapi and udev.
    explicit HidapiController(std::unique_ptr<HidBackend> backend, QObject *parent = nullptr);
    ~HidapiController() override;

    HidDevice *checkOutByID(quint16 vendorId, quint16 productId) override;
    void checkIn(HidDevice *&device) override;

private:
    // Brings the device list up to date; true when a device arrived or went.
    bool update();
    void updateAndTell();

    std::unique_ptr<HidBackend> backend_;
    // The plugged-in devices, one per path, in the order they were found.
    std::vector<std::unique_ptr<HidapiDevice>> devices_;
    // Devices that went while checked out; they live until checked in.
    std::vector<std::unique_ptr<HidapiDevice>> departed_;
    QTimer pollTimer_;
};
