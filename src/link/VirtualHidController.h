#pragma once

#include "HidController.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QTimer>

class VirtualHidDevice;

// The HID devices of a folder of virtual testers: each listening Unix-domain socket named
// *.sock in it is one tester. A device is plugged in from the moment its tester has told its
// identity until the connection closes. Every socket file is connected to once; a file that is
// removed and created anew is connected to again.
//
// The first deviceChange() may come before the identities of the testers already in the
// folder have been read; each of them then brings its own deviceChange() when it arrives.
class VirtualHidController : public HidController
{
    Q_OBJECT

public:
    explicit VirtualHidController(const QString &folder, QObject *parent = nullptr);
    ~VirtualHidController() override;

    HidDevice *checkOutByID(quint16 vendorId, quint16 productId) override;
    void checkIn(HidDevice *&device) override;

private:
    // What tells one socket file from the one that replaces it under the same name.
    struct FileIdentity {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 changeSeconds = 0;
        qint64 changeNanoseconds = 0;
        bool operator==(const FileIdentity &other) const;
    };
    struct SocketFile {
        FileIdentity identity;
        // The connection to the file while it is open.
        VirtualHidDevice *connection = nullptr;
    };

    void scan();
    void connectTo(const QString &path, const FileIdentity &identity);
    void arrive(VirtualHidDevice *device);
    void remove(VirtualHidDevice *device);
    void postDeviceChange();
    void postDelivery();
    void deliverReports();

    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer rescanTimer_;
    QHash<QString, SocketFile> files_;
    // Connections whose tester has not told its identity yet.
    QList<VirtualHidDevice *> connecting_;
    // Identified devices in the order they arrived: the plugged-in ones and the unplugged ones
    // the program still holds.
    QList<VirtualHidDevice *> devices_;
    bool deliveryPosted_ = false;
    bool delivering_ = false;
};
