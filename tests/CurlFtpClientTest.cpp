#include "update/CurlFtpClient.h"

#include "support/ClosedPort.h"
#include "support/FtpServer.h"
#include "support/QStringPrinter.h"
#include "support/WaitUntil.h"

#include <QMetaEnum>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace
{

using namespace std::chrono_literals;

// Long enough for the slowest build; only a hang runs into it.
constexpr int kPatience = 30000;

QByteArray everyByte()
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(i % 256));
    return bytes + "\r\n\n\r";
}

class CurlFtpClientTest : public ::testing::Test
{
protected:
    void start(const QStringList &options = {}, std::chrono::milliseconds timeout = 60s)
    {
        server = std::make_unique<FtpServer>(options);
        ASSERT_NE(server->port(), 0);
        server->write(QStringLiteral("kelvaro/orvalux/version.ini"), "[PC_Version]\nVersion=105\n");
        server->write(QStringLiteral("kelvaro/orvalux/Orvalux.exe"), everyByte());
        connectClient(server->settings(), timeout);
    }

    // A client of its own on these settings, whose reports are recorded in order, the error
    // events as "error CODE".
    void connectClient(const FtpSettings &settings, std::chrono::milliseconds timeout = 60s)
    {
        statuses.clear();
        client = std::make_unique<CurlFtpClient>(settings, timeout);
        QObject::connect(client.get(), &FtpClient::ftpStatus,
                         [this](FtpClient::StatusCode code, const QString &) {
                             const QString name = QString::fromLatin1(
                                 QMetaEnum::fromType<FtpClient::StatusCode>().valueToKey(code));
                             // A run of progress reports counts as one.
                             if (name != QLatin1String("scProgress") || statuses.isEmpty() ||
                                 statuses.last() != name)
                                 statuses << name;
                         });
        QObject::connect(client.get(), &FtpClient::ftpError, [this](int code, const QString &text) {
            statuses << QStringLiteral("error %1").arg(code);
            errors << QString::number(code) + QLatin1Char(' ') + text;
        });
    }

    bool waitForStatus(const char *name, int count = 1)
    {
        return waitUntil([&] { return statuses.count(QLatin1String(name)) >= count; }, kPatience);
    }

    bool waitForServerEvent(const char *line)
    {
        return waitUntil([&] { return server->events().contains(QLatin1String(line)); }, kPatience);
    }

    void logIn()
    {
        ASSERT_TRUE(client->login());
        ASSERT_TRUE(waitForStatus("scLogin"));
    }

    QString local(const char *name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    std::unique_ptr<FtpServer> server;
    std::unique_ptr<CurlFtpClient> client;
    QStringList statuses;
    QStringList errors;
};

TEST_F(CurlFtpClientTest, KeepsOneControlConnectionFromLoginToLogout)
{
    start();
    logIn();
    EXPECT_TRUE(client->isConnected());
    EXPECT_FALSE(client->inProgress());

    ASSERT_TRUE(client->retrieve(QStringLiteral("kelvaro/orvalux/version.ini"),
                                 local("version.ini"), FtpClient::RetrieveMode::Replace));
    EXPECT_TRUE(client->inProgress());
    ASSERT_TRUE(waitForStatus("scTransferOK"));
    ASSERT_TRUE(client->retrieve(QStringLiteral("/kelvaro/orvalux/Orvalux.exe"),
                                 local("Orvalux_Nuevo.exe"), FtpClient::RetrieveMode::Replace));
    ASSERT_TRUE(waitForStatus("scTransferOK", 2));
    EXPECT_EQ(client->bytesTransferred(), everyByte().size());
    client->logout();

    EXPECT_FALSE(client->isConnected());
    EXPECT_EQ(statuses, QStringList({"scOpen", "scLogin", "scProgress", "scTransferOK",
                                     "scProgress", "scTransferOK", "scLogout"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(waitForServerEvent("disconnect"));
    EXPECT_EQ(server->events(),
              QStringList({"connect", "login", "sent kelvaro/orvalux/version.ini",
                           "sent kelvaro/orvalux/Orvalux.exe", "logout", "disconnect"}));
    // Binary: every byte as the server has it, line ends included.
    QFile program(local("Orvalux_Nuevo.exe"));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    EXPECT_EQ(program.readAll(), everyByte());
}

TEST_F(CurlFtpClientTest, RetrievesOnlyWhenLoggedInAndIdle)
{
    start();
    const QString remote = QStringLiteral("kelvaro/orvalux/version.ini");
    const auto retrieve = [&](const QString &from, const QString &to) {
        return client->retrieve(from, to, FtpClient::RetrieveMode::Replace);
    };
    EXPECT_FALSE(retrieve(remote, local("version.ini")));
    logIn();
    EXPECT_FALSE(retrieve(QString(), local("version.ini")));
    EXPECT_FALSE(retrieve(remote, QString()));
    EXPECT_FALSE(QFile::exists(local("version.ini")));
    ASSERT_TRUE(retrieve(remote, local("version.ini")));
    EXPECT_FALSE(retrieve(remote, local("other.ini")));
    // A login while the connection is open does nothing.
    EXPECT_TRUE(client->login());
    ASSERT_TRUE(waitForStatus("scTransferOK"));
    client->logout();
    EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1);
    EXPECT_FALSE(QFile::exists(local("other.ini")));
}

struct FailedLogin {
    const char *name;
    QStringList options;
    bool closedPort;
};

TEST_F(CurlFtpClientTest, LoginFailsWithoutReportWhenTheConnectionCannotBeOpened)
{
    const FailedLogin cases[] = {
        {"closed port", {}, true},
        {"server that never greets", {QStringLiteral("--silent")}, false},
    };
    for (const FailedLogin &c : cases) {
        start(c.options, 500ms);
        const ClosedPort closed;
        if (c.closedPort) {
            FtpSettings settings = server->settings();
            settings.port = closed.port();
            connectClient(settings, 500ms);
        }
        EXPECT_FALSE(client->login()) << c.name;
        EXPECT_FALSE(client->isConnected()) << c.name;
        EXPECT_FALSE(client->inProgress()) << c.name;
        EXPECT_TRUE(statuses.isEmpty()) << c.name << ": " << statuses.join(' ').toStdString();
    }
}

TEST_F(CurlFtpClientTest, ErrorReplyEndsTheRequestAndLeavesTheSessionIdle)
{
    start();
    logIn();
    ASSERT_TRUE(client->retrieve(QStringLiteral("kelvaro/orvalux/missing.ini"),
                                 local("missing.ini"), FtpClient::RetrieveMode::Replace));
    ASSERT_TRUE(waitUntil([&] { return !errors.isEmpty(); }, kPatience));
    EXPECT_TRUE(errors.first().startsWith(QLatin1String("550 550 ")))
        << errors.first().toStdString();
    EXPECT_TRUE(client->isConnected());
    EXPECT_FALSE(client->inProgress());
    ASSERT_TRUE(client->retrieve(QStringLiteral("kelvaro/orvalux/version.ini"),
                                 local("version.ini"), FtpClient::RetrieveMode::Replace));
    ASSERT_TRUE(waitForStatus("scTransferOK"));
    client->logout();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1);
}

TEST_F(CurlFtpClientTest, RefusedLoginIsAnErrorReplyAndLeavesTheSessionUntilLogout)
{
    start();
    FtpSettings settings = server->settings();
    settings.password = QStringLiteral("wrong123");
    connectClient(settings);
    ASSERT_TRUE(client->login());
    ASSERT_TRUE(waitForStatus("error 530"));
    EXPECT_TRUE(client->isConnected());
    EXPECT_FALSE(client->inProgress());
    // Until the session ends, a login does nothing.
    EXPECT_TRUE(client->login());
    EXPECT_FALSE(client->retrieve(QStringLiteral("kelvaro/orvalux/version.ini"),
                                  local("version.ini"), FtpClient::RetrieveMode::Replace));
    client->logout();
    EXPECT_EQ(statuses, QStringList({"scOpen", "error 530", "scClose"}));
    EXPECT_FALSE(client->isConnected());
    EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1);
}

TEST_F(CurlFtpClientTest, TransferWithoutProgressTimesOut)
{
    for (const char *option : {"--stall", "--hold-reply"}) {
        statuses.clear();
        start({QLatin1String(option), QStringLiteral("version.ini")}, 1000ms);
        logIn();
        ASSERT_TRUE(client->retrieve(QStringLiteral("kelvaro/orvalux/version.ini"),
                                     local("version.ini"), FtpClient::RetrieveMode::Replace));
        ASSERT_TRUE(waitForStatus("scTimeout")) << option;
        // The session stays, logged in and idle, until it is logged out.
        EXPECT_TRUE(client->isConnected()) << option;
        EXPECT_FALSE(client->inProgress()) << option;
        EXPECT_TRUE(client->login()) << option;
        client->logout();
        EXPECT_FALSE(client->isConnected()) << option;
        statuses.removeAll(QStringLiteral("scProgress"));
        EXPECT_EQ(statuses, QStringList({"scOpen", "scLogin", "scTimeout", "scLogout"})) << option;
        EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1) << option;
    }
}

TEST_F(CurlFtpClientTest, DownloadBrokenOffNeverEndsAsTransferred)
{
    start({QStringLiteral("--drop"), QStringLiteral("Orvalux.exe")});
    logIn();
    ASSERT_TRUE(client->retrieve(QStringLiteral("/kelvaro/orvalux/Orvalux.exe"),
                                 local("Orvalux_Nuevo.exe"), FtpClient::RetrieveMode::Replace));
    ASSERT_TRUE(waitForStatus("scLogout"));
    EXPECT_FALSE(statuses.contains(QLatin1String("scTransferOK")));
    EXPECT_LT(client->bytesTransferred(), everyByte().size());
    EXPECT_FALSE(client->isConnected());
}

TEST_F(CurlFtpClientTest, ReportsASessionTheServerClosesWhileIdle)
{
    start({QStringLiteral("--idle-timeout"), QStringLiteral("0.5")});
    logIn();
    ASSERT_TRUE(waitForStatus("scLogout"));
    EXPECT_FALSE(client->isConnected());
    EXPECT_TRUE(client->login());
    EXPECT_TRUE(waitForStatus("scLogin", 2));
}

TEST_F(CurlFtpClientTest, AbortClosesAtOnceWithoutLoggingOutOrReporting)
{
    start({QStringLiteral("--stall"), QStringLiteral("Orvalux.exe")});
    logIn();
    ASSERT_TRUE(client->retrieve(QStringLiteral("/kelvaro/orvalux/Orvalux.exe"),
                                 local("Orvalux_Nuevo.exe"), FtpClient::RetrieveMode::Replace));
    ASSERT_TRUE(waitForStatus("scProgress"));
    const QStringList before = statuses;
    client->abort();
    EXPECT_FALSE(client->isConnected());
    EXPECT_FALSE(client->inProgress());
    ASSERT_TRUE(waitForServerEvent("disconnect"));
    EXPECT_FALSE(server->events().contains(QLatin1String("logout")));
    EXPECT_EQ(statuses, before);
}

} // namespace
