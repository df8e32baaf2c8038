#pragma once

#include <QString>

#include <memory>

class CurlFtpClient;
class HidController;
class TForm1;

// The program as it runs: the main window on the system's HID controller and the FTP client of
// the update server, for the executable in programFolder.
class Program
{
public:
    explicit Program(const QString &programFolder);
    ~Program();

    TForm1 &window() { return *window_; }

private:
    std::unique_ptr<HidController> hidController_;
    std::unique_ptr<CurlFtpClient> ftpClient_;
    std::unique_ptr<TForm1> window_;
};
