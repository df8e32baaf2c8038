// Prints the figures of the update check against an FTP server on 127.0.0.1 (the server script
// of the tests), on one line: the median time from an activation of the main window to the end
// of its check (the logout) in milliseconds, over CHECKS checks; the longest time the GUI thread
// did not come round to a 5 ms timer while a check downloads a 50 MB program, in milliseconds;
// and the rate of that download in MB/s.
//
// bench_update CHECKS

#include "app/Main.h"
#include "support/FakeHidController.h"
#include "support/FtpServer.h"
#include "update/CurlFtpClient.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

constexpr qint64 kProgramBytes = 50LL * 1000 * 1000;

void publish(const FtpServer &server, int programVersion)
{
    server.write(QStringLiteral("kelvaro/orvalux/version.ini"),
                 QStringLiteral("[PC_Version]\r\nVersion=%1\r\n").arg(programVersion).toLatin1());
}

// Activates the window and runs the event loop until its check has logged out.
void check(TForm1 &window, FtpClient &client)
{
    QEventLoop loop;
    const QMetaObject::Connection end =
        QObject::connect(&client, &FtpClient::ftpStatus, &loop, [&](FtpClient::StatusCode code) {
            if (code == FtpClient::scLogout)
                loop.quit();
        });
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activation);
    loop.exec();
    QObject::disconnect(end);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));
    const int checks = std::max(argc > 1 ? std::atoi(argv[1]) : 15, 1);

    FtpServer server;
    if (server.port() == 0)
        return 1;
    QByteArray program(kProgramBytes, '\0');
    for (qint64 i = 0; i < kProgramBytes; ++i)
        program[i] = char(i * 7 + i / 4096);
    server.write(QStringLiteral("kelvaro/orvalux/Orvalux.exe"), program);
    program.clear();

    const QTemporaryDir programFolder;
    FakeHidController controller;
    CurlFtpClient client(server.settings());
    // Connected before the window, so that the ends of the downloads are seen before the window
    // handles them.
    QElapsedTimer download;
    qint64 downloadNs = 0;
    int transfers = 0;
    QObject::connect(&client, &FtpClient::ftpStatus, [&](FtpClient::StatusCode code) {
        if (code != FtpClient::scTransferOK)
            return;
        if (++transfers == 1)
            download.start();
        else
            downloadNs = download.nsecsElapsed();
    });
    TForm1 window(programFolder.path() + QLatin1Char('/'), &controller, &client);

    publish(server, 105);
    std::vector<double> times;
    for (int i = 0; i < checks; ++i) {
        QElapsedTimer clock;
        clock.start();
        check(window, client);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());

    publish(server, 106);
    transfers = 0;
    QElapsedTimer sinceTick;
    qint64 longestGapNs = 0;
    QTimer ticks;
    ticks.setInterval(5);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestGapNs = std::max(longestGapNs, sinceTick.nsecsElapsed());
        sinceTick.start();
    });
    sinceTick.start();
    ticks.start();
    check(window, client);
    ticks.stop();
    if (transfers != 2 || client.bytesTransferred() != kProgramBytes)
        return 1;

    std::printf("%.1f %.1f %.0f\n", times[times.size() / 2], longestGapNs / 1e6,
                kProgramBytes / 1e6 / (downloadNs / 1e9));
    return 0;
}
