#pragma once

#include "update/FtpSettings.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// An FTP server on 127.0.0.1 that serves a temporary folder to one account, for as long as the
// object lives: the server script of the tests, started with the options given (see
// tests/ftp/ftp_server.py).
class FtpServer
{
public:
    explicit FtpServer(const QStringList &options = {});
    ~FtpServer();

    // The port the server listens on; 0 when it did not start.
    int port() const { return port_; }
    // The server and its account, as the program is set up for them.
    FtpSettings settings() const;
    // Writes a file of the served folder, path relative to it, creating its folders.
    void write(const QString &path, const QByteArray &content) const;
    // The events of the sessions so far, one line each ("connect", "login", "sent PATH", ...).
    QStringList events();

private:
    QTemporaryDir root_;
    QProcess process_;
    int port_ = 0;
    QStringList events_;
};
