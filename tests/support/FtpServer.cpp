#include "FtpServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

const QString kUser = QStringLiteral("orvalux");
// Eight characters, as the account of the update server has.
const QString kPassword = QStringLiteral("Kv7#qZ2m");

} // namespace

FtpServer::FtpServer(const QStringList &options)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{QStringLiteral(ORVALUX_FTP_SERVER_SCRIPT), QStringLiteral("--root"),
                               root_.path(), QStringLiteral("--user"), kUser,
                               QStringLiteral("--password"), kPassword} +
                       options);
    while (!process_.canReadLine() && process_.waitForReadyRead(30000)) {
    }
    port_ = process_.readLine().trimmed().toInt();
}

FtpServer::~FtpServer()
{
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished();
}

FtpSettings FtpServer::settings() const
{
    return {QStringLiteral("127.0.0.1"), port_, kUser, kPassword};
}

void FtpServer::write(const QString &path, const QByteArray &content) const
{
    const QString file = root_.filePath(path);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
}

QStringList FtpServer::events()
{
    while (process_.canReadLine())
        events_ << QString::fromUtf8(process_.readLine().trimmed());
    return events_;
}
