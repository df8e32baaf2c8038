#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

// One HID device of the system as the backend lists it. A device with several top-level
// collections may be listed once for each; its path is the same in all of them.
struct HidDeviceInfo {
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString productName;
    QString vendorName;
};

// An opened HID device. read() runs on the device's reader thread and may run while write()
// runs on the GUI thread; the handle is created and destroyed on the GUI thread.
class HidHandle
{
public:
    virtual ~HidHandle() = default;

    // Waits up to timeout for one input report and copies at most size bytes of it into
    // buffer. Returns the number of bytes copied, 0 when no report came, -1 when the device
    // failed (it is gone).
    virtual int read(quint8 *buffer, int size, std::chrono::milliseconds timeout) = 0;
    // Writes one output report, report ID byte first; returns the number of bytes written, or
    // -1 on failure.
    virtual int write(const QByteArray &report) = 0;
    // The device's HID report descriptor; empty when it could not be read.
    virtual QByteArray reportDescriptor() const = 0;
};

// What the HID controller needs of the system: the list of HID devices, opening one, and word
// when the list may have changed. Changes that come without word are caught by re-listing the
// devices every pollInterval().
class HidBackend : public QObject
{
    Q_OBJECT

public:
    explicit HidBackend(std::chrono::milliseconds pollInterval, QObject *parent = nullptr)
        : QObject(parent), pollInterval_(pollInterval)
    {
    }

    std::chrono::milliseconds pollInterval() const { return pollInterval_; }

    virtual QList<HidDeviceInfo> enumerate() = 0;
    // nullptr when the device cannot be opened.
    virtual std::unique_ptr<HidHandle> open(const QString &path) = 0;

signals:
    // A device may have arrived or gone.
    void devicesChanged();

private:
    std::chrono::milliseconds pollInterval_;
};
