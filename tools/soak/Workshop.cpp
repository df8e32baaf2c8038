#include "Workshop.h"

#include "SoakSteps.h"
#include "app/Main.h"
#include "link/VirtualHidController.h"
#include "support/CustomerAndWorkshop.h"
#include "update/CurlFtpClient.h"

#include <QDir>
#include <QFile>

namespace
{

// This program's version and an older firmware than the tester's: every check ends without a
// download.
const char kVersions[] = "[PC_Version]\r\nVersion=105\r\n[Orvalux_Version]\r\nVersion=100\r\n";

void write(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    require(file.open(QIODevice::WriteOnly) && file.write(content) == content.size(),
            QStringLiteral("could not write %1").arg(fileName));
}

} // namespace

Workshop::Workshop()
{
    require(ftpServer_.port() != 0, QStringLiteral("the FTP server did not start"));
    ftpServer_.write(QStringLiteral("kelvaro/orvalux/version.ini"), kVersions);

    const QString programFolder = programFolder_.path() + QLatin1Char('/');
    const FtpSettings server = ftpServer_.settings();
    write(programFolder + QStringLiteral("Update.ini"),
          QStringLiteral("[FTP]\nHost=%1\nPort=%2\nUser=%3\nPassword=%4\n")
              .arg(server.host)
              .arg(server.port)
              .arg(server.user, server.password)
              .toUtf8());
    write(programFolder + QStringLiteral("Tester.ini"), kCustomerAndWorkshopDetails);

    model_.setSweeping(true);
    tester_.setModel(&model_);
    hidController_ = std::make_unique<VirtualHidController>(hidFolder_.path());
    ftpClient_ = std::make_unique<CurlFtpClient>(FtpSettings::load(programFolder));
    window_ = std::make_unique<TForm1>(programFolder, hidController_.get(), ftpClient_.get());
}

Workshop::~Workshop() = default;

QString Workshop::socketPath() const
{
    return QDir(hidFolder_.path()).filePath(QStringLiteral("tester.sock"));
}
