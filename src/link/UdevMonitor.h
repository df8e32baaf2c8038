#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

struct udev;
struct udev_monitor;

// Tells when udev reports a hidraw device node arriving or going. Says nothing where udev
// delivers no events, as in most containers.
class UdevMonitor : public QObject
{
    Q_OBJECT

public:
    explicit UdevMonitor(QObject *parent = nullptr);
    ~UdevMonitor() override;

signals:
    void changed();

private:
    void receive();

    struct Release {
        void operator()(udev *context) const;
        void operator()(udev_monitor *monitor) const;
    };

    std::unique_ptr<udev, Release> udev_;
    std::unique_ptr<udev_monitor, Release> monitor_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
