#pragma once

#include "HidDevice.h"
#include "VirtualFrame.h"

#include <QList>
#include <QObject>

#include <optional>

class QLocalSocket;

// One connection to a virtual tester's socket, and the device it turns into once the tester
// has told its identity. The object outlives the connection while the program holds it.
class VirtualHidDevice : public QObject, public HidDevice
{
    Q_OBJECT

public:
    VirtualHidDevice(const QString &socketPath, QObject *parent);

    void connectToTester();
    QString socketPath() const { return socketPath_; }
    // True once the connection was made, even after it closed again.
    bool hasConnected() const { return hasConnected_; }
    bool isIdentified() const { return identity_.has_value(); }
    quint16 vendorId() const;
    quint16 productId() const;

    // Input reports are kept only while the program holds the device; giving it back drops
    // those not handed over yet.
    bool isCheckedOut() const { return checkedOut_; }
    void setCheckedOut(bool checkedOut);
    bool hasPendingReport() const { return !pendingReports_.isEmpty(); }
    QByteArray takePendingReport() { return pendingReports_.takeFirst(); }

    bool isPluggedIn() const override;
    QString productName() const override;
    QString vendorName() const override;
    int outputReportLength() const override;
    bool writeOutputReport(const QByteArray &report) override;

signals:
    void identified();
    void reportPending();
    // The connection is over. Comes once, from the event loop: never from inside
    // connectToTester() or writeOutputReport().
    void closed();

private:
    void readFrames();
    bool accept(const VirtualFrame &frame);
    void close();

    QString socketPath_;
    QLocalSocket *socket_;
    VirtualFrameDecoder decoder_;
    std::optional<VirtualIdentity> identity_;
    QList<QByteArray> pendingReports_;
    bool hasConnected_ = false;
    bool checkedOut_ = false;
};
