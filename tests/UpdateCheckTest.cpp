#include "support/ClosedPort.h"
#include "support/ModalAnswerer.h"
#include "support/QStringPrinter.h"
#include "support/UpdateFormTest.h"
#include "support/WaitUntil.h"

#include <QLabel>

namespace
{

using namespace std::chrono_literals;

using UpdateCheckTest = UpdateFormTest;

struct VersionCase {
    const char *name;
    QByteArray versionFile;
    int testerVersion;
    QStringList lines;
    QStringList serverEvents;
};

const QStringList kCheckStart = {"Conectado a 127.0.0.1", "Se ha descargado version.ini",
                                 "scTransferOK", "Transferencia version.ini completada"};

TEST_F(UpdateCheckTest, EvaluatesTheVersionFile)
{
    const QString versionSent = QStringLiteral("sent kelvaro/orvalux/version.ini");
    const QStringList checkOnly = {"connect", "login", versionSent, "logout", "disconnect"};
    const VersionCase cases[] = {
        {"this program", "[PC_Version]\nVersion=105\n[Orvalux_Version]\nVersion=12\n", 9999,
         kCheckStart + QStringList{"Version EXE servidor: 105",
                                   "Version firmware Orvalux servidor: 12",
                                   "No es necesario actualizar", "Desconectado"},
         checkOnly},
        {"a newer program",
         "[PC_Version]\nVersion=106\n[Orvalux_Version]\nVersion=12\n",
         9999,
         kCheckStart + QStringList{"Version EXE servidor: 106",
                                   "Version firmware Orvalux servidor: 12", "Actualizar programa.",
                                   "Descargado fichero Orvalux.exe", "scTransferOK",
                                   "Transferencia Orvalux.exe completada", "Desconectado"},
         {"connect", "login", versionSent, "sent kelvaro/orvalux/Orvalux.exe", "logout",
          "disconnect"}},
        {"a newer firmware than the tester's",
         "[PC_Version]\nVersion=99\n[Orvalux_Version]\nVersion=13\n", 12,
         kCheckStart + QStringList{"Version EXE servidor: 99",
                                   "Version firmware Orvalux servidor: 13",
                                   "No es necesario actualizar", "Desconectado",
                                   "Actualizar firmware Tester !!!!"},
         checkOnly},
        {"a tester that has not answered",
         "[PC_Version]\nVersion=105\n[Orvalux_Version]\nVersion=10000\n", 9999,
         kCheckStart + QStringList{"Version EXE servidor: 105",
                                   "Version firmware Orvalux servidor: 10000",
                                   "No es necesario actualizar", "Desconectado",
                                   "Actualizar firmware Tester !!!!"},
         checkOnly},
        {"no entries", "[Other]\nVersion=300\n", 9999,
         kCheckStart + QStringList{"Version EXE servidor: 0",
                                   "Version firmware Orvalux servidor: 0",
                                   "No es necesario actualizar", "Desconectado"},
         checkOnly},
    };
    for (const VersionCase &c : cases) {
        startServer();
        server->write(QStringLiteral("kelvaro/orvalux/version.ini"), c.versionFile);
        form->TesterVersion = c.testerVersion;
        activate();
        ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado"))) << c.name;
        EXPECT_EQ(lines(), c.lines) << c.name;
        EXPECT_FALSE(form->pnlUpdate->isVisible()) << c.name;
        EXPECT_EQ(QFile::exists(folder.file(QStringLiteral("Orvalux_Nuevo.exe"))),
                  c.serverEvents.contains(QLatin1String("sent kelvaro/orvalux/Orvalux.exe")))
            << c.name;
        ASSERT_TRUE(waitUntil([&] { return server->events().contains("disconnect"); }, kPatience));
        EXPECT_EQ(server->events(), c.serverEvents) << c.name;
        QFile::remove(folder.file(QStringLiteral("Orvalux_Nuevo.exe")));
    }
}

TEST_F(UpdateCheckTest, DownloadsTheNewerProgramBesideTheRunningOne)
{
    startServer();
    publishVersions(106);
    activate();
    ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado")));
    EXPECT_EQ(folder.read(QStringLiteral("Orvalux_Nuevo.exe")), newProgram());
    EXPECT_EQ(form->UpdateState, QStringLiteral("exe"));
    EXPECT_EQ(form->ServerPcVersion, 106);
    const QString lastProgress = QString::number(newProgram().size()) + " bytes Transferred";
    EXPECT_TRUE(log().contains(lastProgress));
}

TEST_F(UpdateCheckTest, EveryActivationAfterACheckRunsANewOne)
{
    startServer();
    publishVersions(106);
    for (int check = 1; check <= 2; ++check) {
        activate();
        ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado"), check));
    }
    EXPECT_EQ(log().count(QStringLiteral("Transferencia Orvalux.exe completada")), 2);
    EXPECT_EQ(server->events().count(QStringLiteral("connect")), 2);
}

TEST_F(UpdateCheckTest, ShowingTheWindowStartsACheck)
{
    startServer();
    publishVersions(105);
    form->show();
    EXPECT_TRUE(waitForLine(QStringLiteral("No es necesario actualizar")));
    EXPECT_TRUE(waitForLine(QStringLiteral("Desconectado")));
    form->hide();
}

struct UnreachableCase {
    const char *name;
    QStringList options;
    bool closedPort;
};

TEST_F(UpdateCheckTest, EveryActivationWithoutAServerLogsThatTheInternetIsNotAvailable)
{
    const UnreachableCase cases[] = {
        {"closed port", {}, true},
        {"server that never greets", {QStringLiteral("--silent")}, false},
    };
    for (const UnreachableCase &c : cases) {
        startServer(c.options, 500ms);
        const ClosedPort closed;
        if (c.closedPort) {
            FtpSettings settings = server->settings();
            settings.port = closed.port();
            startClient(settings, 500ms);
        }
        for (int i = 0; i < 3; ++i)
            activate();
        EXPECT_EQ(lines(), QStringList(3, QStringLiteral("Conexion a internet no disponible!")))
            << c.name;
        EXPECT_EQ(form->UpdateState, QStringLiteral("version")) << c.name;
        EXPECT_FALSE(curl->isConnected()) << c.name;
    }
}

TEST_F(UpdateCheckTest, MissingFileShowsTheErrorAndLeavesTheConnectionOpen)
{
    startServer();
    ModalAnswerer answerer;
    activate();
    ASSERT_TRUE(waitUntil([&] { return !answerer.seen().isEmpty(); }, kPatience));
    EXPECT_EQ(answerer.seen(), QStringList{"Information: Error de transmisión 1 !"});
    EXPECT_EQ(lines(), QStringList({"Conectado a 127.0.0.1", "Se ha descargado version.ini"}));
    EXPECT_TRUE(curl->isConnected());
    EXPECT_FALSE(curl->inProgress());

    // While that connection is open, an activation only says what the connection is for.
    form->UpdateState = QStringLiteral("exe");
    activate();
    EXPECT_EQ(form->UpdateState, QStringLiteral("version"));
    EXPECT_EQ(lines().size(), 2);
    EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1);
}

TEST_F(UpdateCheckTest, RefusedLoginShowsTheError)
{
    startServer();
    FtpSettings settings = server->settings();
    settings.password = QStringLiteral("12345678");
    startClient(settings);
    ModalAnswerer answerer;
    activate();
    ASSERT_TRUE(waitUntil([&] { return !answerer.seen().isEmpty(); }, kPatience));
    EXPECT_EQ(answerer.seen(), QStringList{"Information: Error de transmisión 1 !"});
    // The session stays, so the next activation tries no new login.
    activate();
    EXPECT_EQ(lines(), QStringList{"Conectado a 127.0.0.1"});
    EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1);
    EXPECT_EQ(answerer.seen().size(), 1);
}

TEST_F(UpdateCheckTest, StalledTransferShowsTheTimeOut)
{
    for (const char *stall : {"--stall", "--hold-reply"}) {
        startServer({QLatin1String(stall), QStringLiteral("version.ini")}, 1000ms);
        publishVersions(106);
        ModalAnswerer answerer;
        activate();
        ASSERT_TRUE(waitUntil([&] { return !answerer.seen().isEmpty(); }, kPatience)) << stall;
        EXPECT_EQ(answerer.seen(), QStringList{"Orvalux: Transfer timed out"}) << stall;
        // Nothing else: the version file is not evaluated, and the session stays.
        activate();
        EXPECT_EQ(lines(), QStringList({"Conectado a 127.0.0.1", "Se ha descargado version.ini"}))
            << stall;
        EXPECT_EQ(form->ServerPcVersion, 0) << stall;
        EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1) << stall;
    }
}

struct StatusLine {
    FtpClient::StatusCode code;
    const char *text;
    const char *line;
};

// The codes whose handling is a log line only, as the window logs them.
TEST_F(UpdateCheckTest, LogsTheStatusCodes)
{
    const StatusLine cases[] = {
        {FtpClient::scClose, "", "Conexión cerrada"},
        {FtpClient::scOpen, "220 ready", "Conectado a update.example"},
        {FtpClient::scLogout, "", "Desconectado"},
        {FtpClient::scComplete, "250 done", "Operación completada"},
        {FtpClient::scCurrentDir, "\"/kelvaro\" is the current directory",
         "\"/kelvaro\" is the current directory"},
        {FtpClient::scDataAvail, "Version.ini 25", "Version.ini 25"},
        {FtpClient::scProgress, "", "4096 bytes Transferred"},
        {FtpClient::scTransferOK, "", "scTransferOK"},
    };
    window();
    ftp.bytes = 4096;
    for (const StatusLine &c : cases) {
        const qsizetype before = log().size();
        ftp.report(c.code, QString::fromUtf8(c.text));
        EXPECT_EQ(logSince(before), QStringList{QString::fromUtf8(c.line)}) << c.line;
    }
}

} // namespace
