#include "HidapiBackend.h"

#include "UdevMonitor.h"

#include <QFile>

#include <fcntl.h>
#include <hidapi.h>
#include <linux/hidraw.h>
#include <mutex>
#include <sys/ioctl.h>
#include <unistd.h>

namespace
{

// How often the devices are listed again, for the changes udev does not report.
constexpr std::chrono::milliseconds relistInterval(500);

std::mutex libraryMutex;
int libraryUsers = 0;

QString fromWide(const wchar_t *text)
{
    return text != nullptr ? QString::fromWCharArray(text) : QString();
}

QByteArray readReportDescriptor(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray descriptor;
    int size = 0;
    hidraw_report_descriptor read{};
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        read.size = quint32(size);
        if (ioctl(fd, HIDIOCGRDESC, &read) == 0)
            descriptor = QByteArray(reinterpret_cast<const char *>(read.value), size);
    }
    ::close(fd);
    return descriptor;
}

// hidapi 0.13 keeps one error text per opened device, which both reading and writing replace,
// so reading on one thread while writing on another is not safe on a single hid_device. The
// device is opened twice instead: the reader thread alone reads from the one, the GUI thread
// alone writes to the other.
class HidapiHandle : public HidHandle
{
public:
    HidapiHandle(hid_device *reading, hid_device *writing, QByteArray descriptor)
        : reading_(reading), writing_(writing), descriptor_(std::move(descriptor))
    {
    }
    ~HidapiHandle() override
    {
        hid_close(reading_);
        hid_close(writing_);
    }

    int read(quint8 *buffer, int size, std::chrono::milliseconds timeout) override
    {
        return hid_read_timeout(reading_, buffer, size_t(size), int(timeout.count()));
    }
    int write(const QByteArray &report) override
    {
        return hid_write(writing_, reinterpret_cast<const unsigned char *>(report.constData()),
                         size_t(report.size()));
    }
    QByteArray reportDescriptor() const override { return descriptor_; }

private:
    hid_device *const reading_;
    hid_device *const writing_;
    const QByteArray descriptor_;
};

} // namespace

HidapiBackend::HidapiBackend(QObject *parent) : HidBackend(relistInterval, parent)
{
    {
        const std::lock_guard lock(libraryMutex);
        if (libraryUsers++ == 0)
            hid_init();
    }
    connect(new UdevMonitor(this), &UdevMonitor::changed, this, &HidBackend::devicesChanged);
}

HidapiBackend::~HidapiBackend()
{
    const std::lock_guard lock(libraryMutex);
    if (--libraryUsers == 0)
        hid_exit();
}

QList<HidDeviceInfo> HidapiBackend::enumerate()
{
    QList<HidDeviceInfo> devices;
    hid_device_info *const list = hid_enumerate(0, 0);
    for (const hid_device_info *entry = list; entry != nullptr; entry = entry->next) {
        devices.append({QFile::decodeName(entry->path), entry->vendor_id, entry->product_id,
                        fromWide(entry->product_string), fromWide(entry->manufacturer_string)});
    }
    hid_free_enumeration(list);
    return devices;
}

std::unique_ptr<HidHandle> HidapiBackend::open(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    hid_device *const reading = hid_open_path(name.constData());
    if (reading == nullptr)
        return nullptr;
    hid_device *const writing = hid_open_path(name.constData());
    if (writing == nullptr) {
        hid_close(reading);
        return nullptr;
    }
    return std::make_unique<HidapiHandle>(reading, writing, readReportDescriptor(name));
}
