#include "VirtualHidDevice.h"

#include <QLocalSocket>

VirtualHidDevice::VirtualHidDevice(const QString &socketPath, QObject *parent)
    : QObject(parent), socketPath_(socketPath), socket_(new QLocalSocket(this))
{
    connect(socket_, &QLocalSocket::connected, this, [this] { hasConnected_ = true; });
    connect(socket_, &QLocalSocket::readyRead, this, &VirtualHidDevice::readFrames);
    // Queued, so that a failing connect or write never closes the device inside that call.
    // What the tester sent before it went is still read.
    const auto readAndClose = [this] {
        readFrames();
        close();
    };
    connect(socket_, &QLocalSocket::disconnected, this, readAndClose, Qt::QueuedConnection);
    connect(socket_, &QLocalSocket::errorOccurred, this, readAndClose, Qt::QueuedConnection);
}

void VirtualHidDevice::connectToTester()
{
    socket_->connectToServer(socketPath_);
}

quint16 VirtualHidDevice::vendorId() const
{
    return identity_ ? identity_->vendorId : 0;
}

quint16 VirtualHidDevice::productId() const
{
    return identity_ ? identity_->productId : 0;
}

void VirtualHidDevice::setCheckedOut(bool checkedOut)
{
    checkedOut_ = checkedOut;
    if (!checkedOut)
        pendingReports_.clear();
}

bool VirtualHidDevice::isPluggedIn() const
{
    return socket_ != nullptr && hasConnected_;
}

QString VirtualHidDevice::productName() const
{
    return identity_ ? identity_->product : QString();
}

QString VirtualHidDevice::vendorName() const
{
    return identity_ ? identity_->vendor : QString();
}

int VirtualHidDevice::outputReportLength() const
{
    return identity_ ? identity_->outputReportLength : 0;
}

bool VirtualHidDevice::writeOutputReport(const QByteArray &report)
{
    if (!isPluggedIn() || report.isEmpty() || report.size() > VirtualFrame::MaxPayloadSize)
        return false;
    const QByteArray frame = VirtualFrame::encode(VirtualFrame::OutputReport, report);
    if (socket_->write(frame) != frame.size())
        return false;
    socket_->flush();
    return true;
}

void VirtualHidDevice::readFrames()
{
    if (socket_ == nullptr || !socket_->isReadable())
        return;
    if (!decoder_.feed(socket_->readAll(),
                       [this](const VirtualFrame &frame) { return accept(frame); }))
        close();
}

bool VirtualHidDevice::accept(const VirtualFrame &frame)
{
    switch (frame.kind) {
    case VirtualFrame::Identity:
        if (identity_)
            return false;
        identity_ = VirtualIdentity::fromJson(frame.payload);
        if (!identity_)
            return false;
        emit identified();
        return true;
    case VirtualFrame::InputReport:
        if (!identity_ || frame.payload.isEmpty())
            return false;
        if (checkedOut_) {
            pendingReports_.append(frame.payload);
            emit reportPending();
        }
        return true;
    case VirtualFrame::OutputReport:
        break;
    }
    return false;
}

void VirtualHidDevice::close()
{
    if (socket_ == nullptr)
        return;
    QLocalSocket *socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    emit closed();
}
