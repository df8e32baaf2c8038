#include "UpdateChecks.h"

#include "SoakSteps.h"
#include "Workshop.h"
#include "app/Main.h"
#include "update/CurlFtpClient.h"

#include <QCoreApplication>
#include <QEvent>

namespace
{

// A check on 127.0.0.1 takes a fraction of a second; the client's own time-out is a minute.
constexpr int kCheckMs = 20000;

} // namespace

UpdateChecks::UpdateChecks(Workshop &workshop) : workshop_(workshop)
{
    QObject::connect(&workshop.ftpClient(), &FtpClient::ftpStatus, &receiver_,
                     [this](FtpClient::StatusCode code) {
                         if (code == FtpClient::scLogin)
                             ++logins_;
                         else if (code == FtpClient::scLogout)
                             ++logouts_;
                     });
}

void UpdateChecks::check()
{
    const int before = logouts_;
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&workshop_.window(), &activation);
    waitFor([&] { return logouts_ > before && logouts_ == logins_; }, kCheckMs,
            QStringLiteral("update check %1 did not log out within %2 s")
                .arg(before + 1)
                .arg(kCheckMs / 1000));
    waitFor(
        [&] { return workshop_.ftpServer().events().count(QStringLiteral("logout")) == logouts_; },
        kCheckMs,
        QStringLiteral("the FTP server did not see the logout of update check %1").arg(before + 1));
}
