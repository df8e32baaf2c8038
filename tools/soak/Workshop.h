#pragma once

#include "TesterModel.h"
#include "TesterServer.h"
#include "support/FtpServer.h"

#include <QTemporaryDir>

#include <memory>

class CurlFtpClient;
class TForm1;
class VirtualHidController;

// What the soak runs: one main window of the program on the virtual HID backend over a
// temporary folder, with its update check pointed by "Update.ini" at an FTP server on 127.0.0.1
// that has nothing newer, and the tester on a socket in that folder, its model answering every
// command with sweeping readings. The tester starts unplugged.
class Workshop
{
public:
    // Fails when the FTP server does not start.
    Workshop();
    ~Workshop();

    TForm1 &window() { return *window_; }
    CurlFtpClient &ftpClient() { return *ftpClient_; }
    VirtualHidController &hidController() { return *hidController_; }
    FtpServer &ftpServer() { return ftpServer_; }
    TesterServer &tester() { return tester_; }
    TesterModel &model() { return model_; }
    QString socketPath() const;
    // Where the reports are saved.
    QString reportFolder() const { return reportFolder_.path(); }

private:
    QTemporaryDir programFolder_;
    QTemporaryDir hidFolder_;
    QTemporaryDir reportFolder_;
    FtpServer ftpServer_;
    TesterModel model_;
    TesterServer tester_;
    std::unique_ptr<VirtualHidController> hidController_;
    std::unique_ptr<CurlFtpClient> ftpClient_;
    std::unique_ptr<TForm1> window_;
};
