#include "VirtualHidController.h"

#include "VirtualHidDevice.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSet>

#include <algorithm>
#include <optional>
#include <sys/stat.h>

namespace
{

constexpr int RescanInterval = 100;

} // namespace

bool VirtualHidController::FileIdentity::operator==(const FileIdentity &other) const
{
    return device == other.device && inode == other.inode && changeSeconds == other.changeSeconds &&
           changeNanoseconds == other.changeNanoseconds;
}

VirtualHidController::VirtualHidController(const QString &folder, QObject *parent)
    : HidController(parent), folder_(folder)
{
    watcher_.addPath(folder_);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &VirtualHidController::scan);
    // The watcher can miss a change; the rescan catches it.
    connect(&rescanTimer_, &QTimer::timeout, this, &VirtualHidController::scan);
    rescanTimer_.start(RescanInterval);
    scan();
    QTimer::singleShot(0, this, &HidController::deviceChange);
}

VirtualHidController::~VirtualHidController()
{
    // Closes every connection before the controller's own members go.
    qDeleteAll(findChildren<VirtualHidDevice *>(Qt::FindDirectChildrenOnly));
}

HidDevice *VirtualHidController::checkOutByID(quint16 vendorId, quint16 productId)
{
    for (VirtualHidDevice *device : std::as_const(devices_)) {
        if (device->isPluggedIn() && !device->isCheckedOut() && device->vendorId() == vendorId &&
            device->productId() == productId) {
            device->setCheckedOut(true);
            return device;
        }
    }
    return nullptr;
}

void VirtualHidController::checkIn(HidDevice *&device)
{
    const HidDevice *given = device;
    device = nullptr;
    const auto found = std::find_if(devices_.begin(), devices_.end(), [given](VirtualHidDevice *d) {
        return static_cast<HidDevice *>(d) == given;
    });
    if (found == devices_.end() || !(*found)->isCheckedOut())
        return;
    VirtualHidDevice *returned = *found;
    returned->setCheckedOut(false);
    if (!returned->isPluggedIn()) {
        devices_.erase(found);
        delete returned;
    }
}

void VirtualHidController::scan()
{
    const QDir folder(folder_);
    QSet<QString> present;
    for (const QString &name : folder.entryList({QStringLiteral("*.sock")}, QDir::System)) {
        const QString path = folder.filePath(name);
        struct stat status;
        if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISSOCK(status.st_mode))
            continue;
        present.insert(path);
        const FileIdentity identity{quint64(status.st_dev), quint64(status.st_ino),
                                    qint64(status.st_ctim.tv_sec), qint64(status.st_ctim.tv_nsec)};
        const auto known = files_.constFind(path);
        if (known == files_.cend() ||
            (known->connection == nullptr && !(known->identity == identity)))
            connectTo(path, identity);
    }
    for (auto file = files_.begin(); file != files_.end();) {
        if (file->connection == nullptr && !present.contains(file.key()))
            file = files_.erase(file);
        else
            ++file;
    }
}

void VirtualHidController::connectTo(const QString &path, const FileIdentity &identity)
{
    auto *device = new VirtualHidDevice(path, this);
    connect(device, &VirtualHidDevice::identified, this, [this, device] { arrive(device); });
    connect(device, &VirtualHidDevice::reportPending, this, &VirtualHidController::postDelivery);
    connect(device, &VirtualHidDevice::closed, this, [this, device] { remove(device); });
    files_.insert(path, SocketFile{identity, device});
    connecting_.append(device);
    device->connectToTester();
}

void VirtualHidController::arrive(VirtualHidDevice *device)
{
    connecting_.removeOne(device);
    devices_.append(device);
    postDeviceChange();
}

void VirtualHidController::remove(VirtualHidDevice *device)
{
    const auto file = files_.find(device->socketPath());
    if (file != files_.end() && file->connection == device) {
        // A socket that refused the connection is tried again at the next scan.
        if (device->hasConnected())
            file->connection = nullptr;
        else
            files_.erase(file);
    }
    // The device is inside its own signal here, so it goes later.
    if (connecting_.removeOne(device)) {
        device->deleteLater();
        return;
    }
    if (!device->isCheckedOut()) {
        devices_.removeOne(device);
        device->deleteLater();
    }
    postDeviceChange();
}

void VirtualHidController::postDeviceChange()
{
    QMetaObject::invokeMethod(this, &HidController::deviceChange, Qt::QueuedConnection);
}

void VirtualHidController::postDelivery()
{
    if (deliveryPosted_)
        return;
    deliveryPosted_ = true;
    QMetaObject::invokeMethod(this, &VirtualHidController::deliverReports, Qt::QueuedConnection);
}

void VirtualHidController::deliverReports()
{
    deliveryPosted_ = false;
    // A slot that runs an event loop of its own gets no report inside it, of no device: the
    // delivery in progress hands over what came meanwhile once the slot has returned.
    if (delivering_)
        return;
    delivering_ = true;
    const QPointer<VirtualHidController> self(this);
    for (;;) {
        // Looked up afresh each time: the slot may have given devices back or lost them.
        const auto next = std::find_if(devices_.cbegin(), devices_.cend(),
                                       [](VirtualHidDevice *d) { return d->hasPendingReport(); });
        if (next == devices_.cend())
            break;
        VirtualHidDevice *device = *next;
        const QByteArray report = device->takePendingReport();
        emit deviceData(device, quint8(report[0]), report.mid(1));
        if (self.isNull())
            return;
    }
    delivering_ = false;
}
