#include "link/HidapiController.h"

#include "link/HidDevice.h"
#include "support/FakeHidBackend.h"
#include "support/QStringPrinter.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace
{

constexpr quint16 testerVendorId = 0x04D8;
constexpr quint16 testerProductId = 0xF394;
const QString firstPath = QStringLiteral("/dev/hidraw0");
const QString secondPath = QStringLiteral("/dev/hidraw1");
const QString thirdPath = QStringLiteral("/dev/hidraw2");

HidDeviceInfo testerAt(const QString &path)
{
    return {path, testerVendorId, testerProductId, QStringLiteral("Multifunction tester"),
            QStringLiteral("Kelvaro")};
}

HidDeviceInfo keyboardAt(const QString &path)
{
    return {path, 0x046D, 0xC31C, QStringLiteral("USB Keyboard"), QStringLiteral("Logitech")};
}

QByteArray reportOf(int number)
{
    return QByteArray(64, char(number));
}

// Long enough for any wait that ends at all, under the sanitizers too.
constexpr std::chrono::milliseconds generous = 20s;

bool waitFor(const std::function<bool()> &condition)
{
    return waitUntil(condition, int(generous.count()));
}

// Runs the event loop until everything posted to the GUI thread so far has been handled.
void handlePostedEvents()
{
    bool handled = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
    ASSERT_TRUE(waitFor([&handled] { return handled; }));
}

// Ends the test program when the code in its scope has not finished in generous time, so that a
// deadlock fails the test instead of hanging it.
class Watchdog
{
public:
    explicit Watchdog(const char *guarded)
        : thread_([this, guarded] {
              std::unique_lock lock(mutex_);
              if (!finished_.wait_for(lock, generous, [this] { return done_; })) {
                  std::fprintf(stderr, "Deadlock: %s did not finish\n", guarded);
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        finished_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread thread_;
};

struct Report {
    HidDevice *device;
    quint8 id;
    QByteArray data;
};

// A controller on a fake backend, and what it has signalled.
struct Rig {
    explicit Rig(std::chrono::milliseconds pollInterval = 10ms)
        : ownBackend(std::make_unique<FakeHidBackend>(pollInterval)), backend(*ownBackend)
    {
    }

    HidapiController &start()
    {
        controller = std::make_unique<HidapiController>(std::move(ownBackend));
        QObject::connect(controller.get(), &HidController::deviceChange, [this] {
            ++changes;
            if (onChange)
                onChange();
        });
        QObject::connect(controller.get(), &HidController::deviceData,
                         [this](HidDevice *device, quint8 id, const QByteArray &data) {
                             EXPECT_EQ(QThread::currentThread(), qApp->thread());
                             reports.push_back({device, id, data});
                             if (onData)
                                 onData();
                         });
        return *controller;
    }

    HidDevice *checkOutTester()
    {
        return controller->checkOutByID(testerVendorId, testerProductId);
    }

    // Held here until start() hands it to the controller.
    std::unique_ptr<FakeHidBackend> ownBackend;
    FakeHidBackend &backend;
    std::unique_ptr<HidapiController> controller;
    int changes = 0;
    std::vector<Report> reports;
    std::function<void()> onChange;
    std::function<void()> onData;
};

TEST(HidapiControllerTest, TellsOfTheDevicesOnceTheEventLoopRuns)
{
    Rig rig;
    rig.backend.plugIn(testerAt(firstPath));
    rig.start();
    EXPECT_EQ(rig.changes, 0);
    HidDevice *tester = rig.checkOutTester();
    ASSERT_NE(tester, nullptr);
    ASSERT_TRUE(waitFor([&] { return rig.changes == 1; }));

    const int listed = rig.backend.enumerations();
    ASSERT_TRUE(waitFor([&] { return rig.backend.enumerations() >= listed + 3; }));
    EXPECT_EQ(rig.changes, 1);
    rig.controller->checkIn(tester);
}

TEST(HidapiControllerTest, TellsOfArrivalsAndRemovalsWithTheListUpToDate)
{
    struct {
        const char *name;
        std::chrono::milliseconds pollInterval;
        bool udevSpeaks;
    } cases[] = {{"found by re-listing", 10ms, false}, {"told by udev", 1h, true}};
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        Rig rig(test.pollInterval);
        rig.start();
        ASSERT_TRUE(waitFor([&] { return rig.changes == 1; }));
        HidDevice *tester = nullptr;
        bool pluggedInWhenTold = true;
        int openWhenTold = -1;
        std::shared_ptr<FakeHidPort> port;
        rig.onChange = [&] {
            if (tester == nullptr) {
                tester = rig.checkOutTester();
                return;
            }
            pluggedInWhenTold = tester->isPluggedIn();
            openWhenTold = port->openHandles();
        };

        port = rig.backend.plugIn(testerAt(firstPath));
        if (test.udevSpeaks)
            emit rig.backend.devicesChanged();
        ASSERT_TRUE(waitFor([&] { return rig.changes == 2; }));
        ASSERT_NE(tester, nullptr);
        EXPECT_TRUE(tester->isPluggedIn());
        EXPECT_EQ(tester->productName(), QStringLiteral("Multifunction tester"));
        EXPECT_EQ(tester->vendorName(), QStringLiteral("Kelvaro"));

        port->failReads();
        rig.backend.unplug(firstPath);
        if (test.udevSpeaks)
            emit rig.backend.devicesChanged();
        ASSERT_TRUE(waitFor([&] { return rig.changes == 3; }));
        EXPECT_FALSE(pluggedInWhenTold);
        EXPECT_EQ(openWhenTold, 0);
        EXPECT_FALSE(tester->writeOutputReport(QByteArray(65, '\0')));
        EXPECT_EQ(rig.checkOutTester(), nullptr);

        rig.onChange = nullptr;
        rig.backend.plugIn(testerAt(firstPath));
        if (test.udevSpeaks)
            emit rig.backend.devicesChanged();
        ASSERT_TRUE(waitFor([&] { return rig.changes == 4; }));
        HidDevice *pluggedInAgain = rig.checkOutTester();
        ASSERT_NE(pluggedInAgain, nullptr);
        EXPECT_NE(pluggedInAgain, tester);
        EXPECT_FALSE(tester->isPluggedIn());
        rig.controller->checkIn(tester);
        EXPECT_EQ(tester, nullptr);
        rig.controller->checkIn(pluggedInAgain);
    }
}

TEST(HidapiControllerTest, ChecksOutEachDeviceOnceAndTakesItBack)
{
    Rig rig;
    const auto first = rig.backend.plugIn(testerAt(firstPath));
    rig.backend.plugIn(testerAt(firstPath));
    rig.backend.plugIn(keyboardAt(secondPath));
    const auto third = rig.backend.plugIn(testerAt(thirdPath));
    HidapiController &controller = rig.start();

    HidDevice *one = rig.checkOutTester();
    HidDevice *other = rig.checkOutTester();
    ASSERT_NE(one, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(one, other);
    EXPECT_EQ(first->openHandles(), 1);
    EXPECT_EQ(third->openHandles(), 1);
    EXPECT_EQ(rig.checkOutTester(), nullptr);
    EXPECT_EQ(controller.checkOutByID(testerVendorId, 0x0001), nullptr);

    HidDevice *const checkedIn = one;
    controller.checkIn(one);
    EXPECT_EQ(one, nullptr);
    EXPECT_EQ(first->openHandles(), 0);
    EXPECT_TRUE(checkedIn->isPluggedIn());
    EXPECT_FALSE(checkedIn->writeOutputReport(QByteArray(65, '\0')));
    one = rig.checkOutTester();
    EXPECT_EQ(one, checkedIn);
    EXPECT_EQ(first->openHandles(), 1);
    controller.checkIn(one);
    controller.checkIn(other);
    EXPECT_EQ(third->openHandles(), 0);
}

TEST(HidapiControllerTest, GivesNothingWhenTheDeviceCannotBeOpened)
{
    Rig rig;
    const auto port = rig.backend.plugIn(testerAt(firstPath));
    port->setOpenable(false);
    rig.start();
    EXPECT_EQ(rig.checkOutTester(), nullptr);
    port->setOpenable(true);
    HidDevice *tester = rig.checkOutTester();
    EXPECT_NE(tester, nullptr);
    rig.controller->checkIn(tester);
}

TEST(HidapiControllerTest, TakesTheOutputReportLengthFromTheDescriptor)
{
    const struct {
        const char *name;
        QByteArray descriptor;
        int length;
    } cases[] = {
        {"the tester's", testerReportDescriptor(), 65},
        {"numbered reports", numberedReportDescriptor(), 33},
        {"unreadable", QByteArray(), 65},
        {"cut short", numberedReportDescriptor().chopped(2), 65},
    };
    for (const auto &test : cases) {
        Rig rig;
        rig.backend.plugIn(testerAt(firstPath), test.descriptor);
        rig.start();
        HidDevice *tester = rig.checkOutTester();
        ASSERT_NE(tester, nullptr) << test.name;
        EXPECT_EQ(tester->outputReportLength(), test.length) << test.name;
        rig.controller->checkIn(tester);
    }
}

TEST(HidapiControllerTest, WritesOneReportAndTellsWhetherAllOfItWent)
{
    Rig rig;
    const auto port = rig.backend.plugIn(testerAt(firstPath));
    rig.start();
    HidDevice *tester = rig.checkOutTester();
    ASSERT_NE(tester, nullptr);
    const QByteArray report = QByteArray(1, '\0') + "KLT37_FUNC|" + QByteArray(53, '\0');
    EXPECT_TRUE(tester->writeOutputReport(report));
    port->setWriteLimit(64);
    EXPECT_FALSE(tester->writeOutputReport(report));
    EXPECT_EQ(port->written(), QList<QByteArray>({report, report.left(64)}));
    rig.controller->checkIn(tester);
}

TEST(HidapiControllerTest, SplitsOffTheReportIdOfNumberedReportsOnly)
{
    const QByteArray testerReport = QByteArray("KLT37_FUNC|OIL_") + QByteArray(49, '\0');
    const struct {
        const char *name;
        QByteArray descriptor;
        QByteArray read;
        quint8 id;
        QByteArray data;
    } cases[] = {
        {"without report IDs", testerReportDescriptor(), testerReport, 0, testerReport},
        {"numbered", numberedReportDescriptor(), QByteArray(1, 1) + "abcdefgh", 1, "abcdefgh"},
    };
    for (const auto &test : cases) {
        Rig rig;
        const auto port = rig.backend.plugIn(testerAt(firstPath), test.descriptor);
        rig.start();
        HidDevice *tester = rig.checkOutTester();
        ASSERT_NE(tester, nullptr) << test.name;
        port->send(test.read);
        ASSERT_TRUE(waitFor([&] { return rig.reports.size() == 1; })) << test.name;
        EXPECT_EQ(rig.reports[0].device, tester) << test.name;
        EXPECT_EQ(rig.reports[0].id, test.id) << test.name;
        EXPECT_EQ(rig.reports[0].data, test.data) << test.name;
        rig.controller->checkIn(tester);
    }
}

TEST(HidapiControllerTest, DeliversTheReportsInTheOrderRead)
{
    Rig rig;
    const auto port = rig.backend.plugIn(testerAt(firstPath));
    rig.start();
    HidDevice *tester = rig.checkOutTester();
    ASSERT_NE(tester, nullptr);
    // Every length from that of the tester's read buffer down, each report filled with its
    // length.
    const auto reportOfLength = [](int length) { return QByteArray(length, char(length)); };
    for (int length = 65; length > 0; --length)
        port->send(reportOfLength(length));
    ASSERT_TRUE(waitFor([&] { return rig.reports.size() == 65; }));
    for (int length = 65; length > 0; --length)
        EXPECT_EQ(rig.reports[size_t(65 - length)].data, reportOfLength(length)) << length;
    rig.controller->checkIn(tester);
}

TEST(HidapiControllerTest, ReadsTheNextReportOnlyOnceTheSlotHasReturned)
{
    Rig rig;
    const auto port = rig.backend.plugIn(testerAt(firstPath));
    rig.start();
    HidDevice *tester = rig.checkOutTester();
    ASSERT_NE(tester, nullptr);
    size_t deliveredDuringSlot = 0;
    int unreadDuringSlot = 0;
    rig.onData = [&] {
        if (rig.reports.size() != 1)
            return;
        QEventLoop nested;
        QTimer::singleShot(200ms, &nested, &QEventLoop::quit);
        nested.exec();
        deliveredDuringSlot = rig.reports.size();
        unreadDuringSlot = port->unread();
    };
    port->send(reportOf(1));
    port->send(reportOf(2));
    ASSERT_TRUE(waitFor([&] { return rig.reports.size() == 2; }));
    EXPECT_EQ(deliveredDuringSlot, 1u);
    EXPECT_EQ(unreadDuringSlot, 1);
    EXPECT_EQ(rig.reports[0].data, reportOf(1));
    EXPECT_EQ(rig.reports[1].data, reportOf(2));
    rig.controller->checkIn(tester);
}

TEST(HidapiControllerTest, ChecksInFromTheNestedEventLoopOfItsOwnSlot)
{
    for (const bool unplugged : {false, true}) {
        SCOPED_TRACE(unplugged ? "unplugged meanwhile" : "still plugged in");
        Rig rig;
        const auto port = rig.backend.plugIn(testerAt(firstPath));
        HidapiController &controller = rig.start();
        ASSERT_TRUE(waitFor([&] { return rig.changes == 1; }));
        HidDevice *tester = rig.checkOutTester();
        ASSERT_NE(tester, nullptr);
        rig.onData = [&] {
            QEventLoop nested;
            QTimer::singleShot(0, &nested, [&] {
                if (unplugged) {
                    rig.backend.unplug(firstPath);
                    EXPECT_TRUE(waitFor([&] { return rig.changes == 2; }));
                }
                const Watchdog watchdog("check-in from a slot's nested event loop");
                controller.checkIn(tester);
                nested.quit();
            });
            nested.exec();
        };
        port->send(reportOf(1));
        port->send(reportOf(2));
        ASSERT_TRUE(waitFor([&] { return tester == nullptr; }));
        handlePostedEvents();
        EXPECT_EQ(rig.reports.size(), 1u);
        EXPECT_EQ(port->openHandles(), 0);
        if (unplugged)
            continue;

        rig.onData = nullptr;
        tester = rig.checkOutTester();
        ASSERT_NE(tester, nullptr);
        ASSERT_TRUE(waitFor([&] { return rig.reports.size() == 2; }));
        EXPECT_EQ(rig.reports[1].data, reportOf(2));
        controller.checkIn(tester);
    }
}

TEST(HidapiControllerTest, ChecksInWhileTheReaderWaitsForTheGuiThread)
{
    Rig rig;
    const auto port = rig.backend.plugIn(testerAt(firstPath));
    HidapiController &controller = rig.start();
    HidDevice *tester = rig.checkOutTester();
    ASSERT_NE(tester, nullptr);
    port->send(reportOf(1));
    ASSERT_TRUE(port->waitUntilRead(generous));
    {
        const Watchdog watchdog("check-in while the reader waits");
        controller.checkIn(tester);
    }
    EXPECT_EQ(port->openHandles(), 0);
    handlePostedEvents();
    EXPECT_TRUE(rig.reports.empty());
}

TEST(HidapiControllerTest, StopsTheReaderWhenTheControllerGoes)
{
    for (const bool reportWaiting : {false, true}) {
        SCOPED_TRACE(reportWaiting ? "a report waiting for the GUI thread" : "reading");
        Rig rig;
        const auto port = rig.backend.plugIn(testerAt(firstPath));
        rig.start();
        ASSERT_NE(rig.checkOutTester(), nullptr);
        if (reportWaiting) {
            port->send(reportOf(1));
            ASSERT_TRUE(port->waitUntilRead(generous));
        }
        {
            const Watchdog watchdog("destroying the controller");
            rig.controller.reset();
        }
        EXPECT_EQ(port->openHandles(), 0);
        handlePostedEvents();
    }
}

TEST(HidapiControllerOnTheSystemTest, TellsOfTheDevicesOnceTheEventLoopRuns)
{
    HidapiController controller;
    int changes = 0;
    QObject::connect(&controller, &HidController::deviceChange, [&changes] { ++changes; });
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(waitFor([&changes] { return changes >= 1; }));
}

} // namespace
