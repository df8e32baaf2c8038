#include "FakeHidBackend.h"

#include <algorithm>
#include <cstring>

class FakeHidHandle : public HidHandle
{
public:
    explicit FakeHidHandle(std::shared_ptr<FakeHidPort> port) : port_(std::move(port)) {}
    ~FakeHidHandle() override { port_->close(); }

    int read(quint8 *buffer, int size, std::chrono::milliseconds timeout) override
    {
        return port_->read(buffer, size, timeout);
    }
    int write(const QByteArray &report) override { return port_->write(report); }
    QByteArray reportDescriptor() const override { return port_->descriptor_; }

private:
    const std::shared_ptr<FakeHidPort> port_;
};

void FakeHidPort::send(const QByteArray &report)
{
    const std::lock_guard lock(mutex_);
    unread_.append(report);
    changed_.notify_all();
}

void FakeHidPort::failReads()
{
    const std::lock_guard lock(mutex_);
    failing_ = true;
    changed_.notify_all();
}

bool FakeHidPort::waitUntilRead(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return unread_.isEmpty(); });
}

int FakeHidPort::unread() const
{
    const std::lock_guard lock(mutex_);
    return int(unread_.size());
}

QList<QByteArray> FakeHidPort::written() const
{
    const std::lock_guard lock(mutex_);
    return written_;
}

int FakeHidPort::openHandles() const
{
    const std::lock_guard lock(mutex_);
    return openHandles_;
}

void FakeHidPort::setOpenable(bool openable)
{
    const std::lock_guard lock(mutex_);
    openable_ = openable;
}

void FakeHidPort::setWriteLimit(int bytes)
{
    const std::lock_guard lock(mutex_);
    writeLimit_ = bytes;
}

std::unique_ptr<HidHandle> FakeHidPort::open()
{
    const std::lock_guard lock(mutex_);
    if (!openable_)
        return nullptr;
    ++openHandles_;
    return std::make_unique<FakeHidHandle>(shared_from_this());
}

int FakeHidPort::read(quint8 *buffer, int size, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [this] { return failing_ || !unread_.isEmpty(); });
    if (failing_)
        return -1;
    if (unread_.isEmpty())
        return 0;
    const QByteArray report = unread_.takeFirst();
    changed_.notify_all();
    const int length = std::min(size, int(report.size()));
    std::memcpy(buffer, report.constData(), size_t(length));
    return length;
}

int FakeHidPort::write(const QByteArray &report)
{
    const std::lock_guard lock(mutex_);
    const int length = std::min(writeLimit_, int(report.size()));
    written_.append(report.left(length));
    return length;
}

void FakeHidPort::close()
{
    const std::lock_guard lock(mutex_);
    --openHandles_;
}

std::shared_ptr<FakeHidPort> FakeHidBackend::plugIn(const HidDeviceInfo &info,
                                                    const QByteArray &descriptor)
{
    devices_.append(info);
    std::shared_ptr<FakeHidPort> &port = ports_[info.path];
    if (port == nullptr)
        port = std::make_shared<FakeHidPort>(descriptor);
    return port;
}

void FakeHidBackend::unplug(const QString &path)
{
    devices_.removeIf([&path](const HidDeviceInfo &info) { return info.path == path; });
    ports_.remove(path);
}

QList<HidDeviceInfo> FakeHidBackend::enumerate()
{
    ++enumerations_;
    return devices_;
}

std::unique_ptr<HidHandle> FakeHidBackend::open(const QString &path)
{
    const auto port = ports_.constFind(path);
    return port != ports_.cend() ? (*port)->open() : nullptr;
}
