#pragma once

#include "link/HidBackend.h"
#include "support/ReportDescriptors.h"

#include <QMap>

#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>

// One device of the fake backend. The test sends it input reports, which the opened device
// reads, and sees the output reports written to it.
class FakeHidPort : public std::enable_shared_from_this<FakeHidPort>
{
public:
    explicit FakeHidPort(QByteArray descriptor) : descriptor_(std::move(descriptor)) {}

    void send(const QByteArray &report);
    // From now on every read fails, as when the device is gone.
    void failReads();
    // Waits until every report sent has been read; false when that took longer than timeout.
    bool waitUntilRead(std::chrono::milliseconds timeout);
    int unread() const;
    QList<QByteArray> written() const;
    int openHandles() const;
    void setOpenable(bool openable);
    // Writes take at most this many bytes.
    void setWriteLimit(int bytes);

    // nullptr when not openable.
    std::unique_ptr<HidHandle> open();

private:
    friend class FakeHidHandle;

    int read(quint8 *buffer, int size, std::chrono::milliseconds timeout);
    int write(const QByteArray &report);
    void close();

    const QByteArray descriptor_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    QList<QByteArray> unread_;
    QList<QByteArray> written_;
    bool failing_ = false;
    bool openable_ = true;
    int writeLimit_ = std::numeric_limits<int>::max();
    int openHandles_ = 0;
};

// HID devices that the test plugs in and unplugs.
class FakeHidBackend : public HidBackend
{
public:
    explicit FakeHidBackend(std::chrono::milliseconds pollInterval) : HidBackend(pollInterval) {}

    // Plugging in a path again adds another top-level collection of the same device.
    std::shared_ptr<FakeHidPort> plugIn(const HidDeviceInfo &info,
                                        const QByteArray &descriptor = testerReportDescriptor());
    void unplug(const QString &path);
    // How often the devices have been listed so far.
    int enumerations() const { return enumerations_; }

    QList<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const QString &path) override;

private:
    QList<HidDeviceInfo> devices_;
    QMap<QString, std::shared_ptr<FakeHidPort>> ports_;
    int enumerations_ = 0;
};
