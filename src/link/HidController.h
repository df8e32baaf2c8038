#pragma once

#include "HidDevice.h"

#include <QByteArray>
#include <QObject>

// The HID devices of the system, and the one the program holds.
//
// deviceChange() comes once as soon as the event loop runs, and afterwards whenever a device
// arrives or goes; the plugged-in state of every device object is up to date when it comes.
// deviceData() brings each input report of a checked-out device, on the GUI thread, one at a
// time.
class HidController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Takes the first device with these IDs that is not checked out yet; nullptr when none.
    virtual HidDevice *checkOutByID(quint16 vendorId, quint16 productId) = 0;
    // Gives a checked-out device back and empties the variable that held it. The device object
    // is destroyed when the device is no longer plugged in.
    virtual void checkIn(HidDevice *&device) = 0;

signals:
    void deviceChange();
    void deviceData(HidDevice *device, quint8 reportId, const QByteArray &data);
};
