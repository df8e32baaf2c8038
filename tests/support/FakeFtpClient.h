#pragma once

#include "update/FtpClient.h"

// An FTP client that never reaches a server: login() is accepted and leads nowhere, nothing
// is ever retrieved, and status codes come only when a test reports them.
class FakeFtpClient : public FtpClient
{
    Q_OBJECT

public:
    bool login() override { return true; }
    bool retrieve(const QString &, const QString &, RetrieveMode) override { return false; }
    void logout() override {}
    bool inProgress() const override { return false; }
    bool isConnected() const override { return false; }
    void abort() override {}
    qint64 bytesTransferred() const override { return bytes; }
    QString serverAddress() const override { return QStringLiteral("update.example"); }

    // Raises the status event.
    void report(StatusCode code, const QString &text = QString());

    qint64 bytes = 0;
};
