#include "UpdateFormTest.h"

#include "WaitUntil.h"

#include <QCoreApplication>
#include <QEvent>

UpdateFormTest::~UpdateFormTest()
{
    form.reset();
}

void UpdateFormTest::startServer(const QStringList &options, std::chrono::milliseconds timeout)
{
    form.reset();
    curl.reset();
    server = std::make_unique<FtpServer>(options);
    ASSERT_NE(server->port(), 0) << "the FTP server did not start";
    server->write(QStringLiteral("kelvaro/orvalux/Orvalux.exe"), newProgram());
    startClient(server->settings(), timeout);
}

void UpdateFormTest::startClient(const FtpSettings &settings, std::chrono::milliseconds timeout)
{
    form.reset();
    curl = std::make_unique<CurlFtpClient>(settings, timeout);
    ftpClient = curl.get();
    createForm();
}

void UpdateFormTest::publishVersions(int program, int firmware) const
{
    server->write(
        QStringLiteral("kelvaro/orvalux/version.ini"),
        QStringLiteral("[PC_Version]\r\nVersion=%1\r\n[Orvalux_Version]\r\nVersion=%2\r\n")
            .arg(program)
            .arg(firmware)
            .toLatin1());
}

QByteArray UpdateFormTest::newProgram()
{
    QByteArray program("ORVALUX 1.06\r\n\n");
    for (int i = 0; i < 200000; ++i)
        program.append(char(i * 7));
    return program;
}

void UpdateFormTest::activate()
{
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form.get(), &activation);
}

bool UpdateFormTest::waitForLine(const QString &line, int count) const
{
    return waitUntil([&] { return log().count(line) >= count; }, kPatience);
}

QStringList UpdateFormTest::lines() const
{
    QStringList shown = log().mid(1);
    shown.removeIf(
        [](const QString &line) { return line.endsWith(QLatin1String(" bytes Transferred")); });
    return shown;
}
