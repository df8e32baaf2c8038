#pragma once

#include "FormTest.h"
#include "FtpServer.h"
#include "update/CurlFtpClient.h"

#include <QByteArray>

#include <chrono>
#include <memory>

// A main window whose FTP client talks to an FTP server on 127.0.0.1 serving the update files.
class UpdateFormTest : public FormTest
{
protected:
    ~UpdateFormTest() override;

    // Starts the server with its options, an FTP client on it with the time-out, and the window.
    void startServer(const QStringList &options = {},
                     std::chrono::milliseconds timeout = CurlFtpClient::kTimeout);
    // Starts the window anew on an FTP client with these settings.
    void startClient(const FtpSettings &settings,
                     std::chrono::milliseconds timeout = CurlFtpClient::kTimeout);
    // Publishes "version.ini" with these version numbers.
    void publishVersions(int program, int firmware = 0) const;
    // What the server has as the newest program.
    static QByteArray newProgram();

    // The window becomes the active window.
    void activate();
    // Runs the event loop until the log has the line count times; false after a long while.
    bool waitForLine(const QString &line, int count = 1) const;
    // The log lines after the pane's first one, without the progress lines.
    QStringList lines() const;

    std::unique_ptr<FtpServer> server;
    std::unique_ptr<CurlFtpClient> curl;
};

// Long enough for the slowest build; only a hang runs into it.
constexpr int kPatience = 30000;
