// Figures of the live screens, on the oil screen of a tester that lives in this program:
//
//   bench_live_gauges latency [READINGS]  prints the median, 99th percentile and highest time in
//                                         ms from a live report to the repainted dial and labels
//   bench_live_gauges cpu [SECONDS]       follows the tester for that long (30 s by default) as
//                                         the program does, one reading per poll, and prints the
//                                         share of one core the process used, in per cent, and
//                                         the readings shown per second

#include "app/Main.h"
#include "app/ScreenGroupBox.h"
#include "link/HidController.h"
#include "link/TesterIdentity.h"
#include "support/FakeFtpClient.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace
{

QByteArray report(const QByteArray &text)
{
    QByteArray data = text;
    data.append(64 - data.size(), '\0');
    return data;
}

// An oil pressure that swings between 2 and 6 bar, as four-digit tenths.
QByteArray oilReading(int count)
{
    const int tenths = 40 + int(std::lround(20 * std::sin(count * 0.15)));
    return QByteArray("KLT37_OIL_|") + QByteArray::number(tenths).rightJustified(4, '0');
}

class Tester;

class Controller : public HidController
{
public:
    HidDevice *checkOutByID(quint16, quint16) override;
    void checkIn(HidDevice *&device) override { device = nullptr; }

    // Hands an answer to the window later, as the reader thread of a real controller does.
    void answerLater(const QByteArray &text);

    Tester *tester = nullptr;
    int readings = 0;
};

// A tester in the oil function that answers every command at once.
class Tester : public HidDevice
{
public:
    explicit Tester(Controller &controller) : controller_(controller) {}

    bool isPluggedIn() const override { return true; }
    QString productName() const override { return QString::fromLatin1(kTesterProduct); }
    QString vendorName() const override { return QString::fromLatin1(kTesterVendor); }
    int outputReportLength() const override { return 65; }
    bool writeOutputReport(const QByteArray &data) override
    {
        const QByteArray command = data.mid(1, 11);
        if (command == "KLT37_VERS|")
            controller_.answerLater("KLT37_VERS|105|001");
        else if (command == "KLT37_FUNC|")
            controller_.answerLater("KLT37_FUNC|OIL_");
        else if (command == "KLT37_OIL_|")
            controller_.answerLater(oilReading(controller_.readings++));
        return true;
    }

private:
    Controller &controller_;
};

HidDevice *Controller::checkOutByID(quint16, quint16)
{
    return tester;
}

void Controller::answerLater(const QByteArray &text)
{
    QTimer::singleShot(0, this, [this, text] { emit deviceData(tester, 0, report(text)); });
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for a while, sleeping whenever there is nothing to do.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int latency(TForm1 &window, int readings)
{
    window.HidContDeviceData(nullptr, 0, report("KLT37_FUNC|OIL_"));
    settle(300);
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < readings; ++i) {
        clock.start();
        window.HidContDeviceData(nullptr, 0, report(oilReading(i)));
        // Paints what the reading changed, as the event loop would next.
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%.3f %.3f %.3f\n", ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
    return 0;
}

int cpu(TForm1 &window, Controller &controller, int seconds)
{
    emit controller.deviceChange();
    settle(1500);
    const int readingsBefore = controller.readings;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    settle(seconds * 1000);
    const double wall = clock.nsecsElapsed() / 1e9;
    const double used = cpuSeconds() - cpuBefore;
    std::printf("%.2f %.1f\n", 100 * used / wall, (controller.readings - readingsBefore) / wall);
    return window.GroupOil->isVisible() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("latency");
    const int amount = argc > 2 ? std::atoi(argv[2]) : 0;

    const QTemporaryDir programFolder;
    Controller controller;
    Tester tester(controller);
    controller.tester = &tester;
    FakeFtpClient ftpClient;
    TForm1 window(programFolder.path() + QLatin1Char('/'), &controller, &ftpClient);
    window.show();
    settle(300);

    if (mode == "cpu")
        return cpu(window, controller, amount > 0 ? amount : 30);
    return latency(window, amount > 0 ? amount : 2000);
}
