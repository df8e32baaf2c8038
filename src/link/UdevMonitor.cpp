#include "UdevMonitor.h"

#include <libudev.h>

UdevMonitor::UdevMonitor(QObject *parent) : QObject(parent), udev_(udev_new())
{
    if (udev_ == nullptr)
        return;
    monitor_.reset(udev_monitor_new_from_netlink(udev_.get(), "udev"));
    if (monitor_ == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_.get()) < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_.get()),
                                                  QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &UdevMonitor::receive);
}

UdevMonitor::~UdevMonitor() = default;

void UdevMonitor::receive()
{
    while (udev_device *device = udev_monitor_receive_device(monitor_.get()))
        udev_device_unref(device);
    emit changed();
}

void UdevMonitor::Release::operator()(udev *context) const
{
    udev_unref(context);
}

void UdevMonitor::Release::operator()(udev_monitor *monitor) const
{
    udev_monitor_unref(monitor);
}
