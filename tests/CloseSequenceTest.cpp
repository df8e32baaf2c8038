#include "support/ModalAnswerer.h"
#include "support/QStringPrinter.h"
#include "support/UpdateFormTest.h"
#include "support/WaitUntil.h"

#include <QFile>

namespace
{

const QString kInstalled = QStringLiteral(
    "Software updated: A new version of the software has been downloaded and installed!");

class CloseSequenceTest : public UpdateFormTest
{
protected:
    bool exists(const char *name) const { return QFile::exists(folder.file(QLatin1String(name))); }

    QStringList closeWindow()
    {
        ModalAnswerer answerer;
        form->close();
        return answerer.seen();
    }
};

TEST_F(CloseSequenceTest, InstallsAProgramWhoseDownloadEndedComplete)
{
    for (const bool runningFileIsOrvalux : {true, false}) {
        QFile::remove(folder.file(QStringLiteral("Orvalux.exe")));
        if (runningFileIsOrvalux)
            folder.write(QStringLiteral("Orvalux.exe"), "ORVALUX 1.05");
        folder.write(QStringLiteral("Orvalux_old.exe"), "ORVALUX 1.04");
        startServer();
        publishVersions(106);
        activate();
        ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado")));
        EXPECT_EQ(closeWindow(), QStringList{kInstalled}) << runningFileIsOrvalux;
        EXPECT_EQ(folder.read(QStringLiteral("Orvalux.exe")), newProgram()) << runningFileIsOrvalux;
        EXPECT_FALSE(exists("Orvalux_Nuevo.exe")) << runningFileIsOrvalux;
        EXPECT_FALSE(exists("Orvalux_old.exe")) << runningFileIsOrvalux;
    }
}

TEST_F(CloseSequenceTest, ClosingDuringTheProgramDownloadInstallsNothing)
{
    folder.write(QStringLiteral("Orvalux.exe"), "ORVALUX 1.05");
    startServer({QStringLiteral("--stall"), QStringLiteral("Orvalux.exe")});
    publishVersions(106);
    activate();
    ASSERT_TRUE(waitUntil([&] { return folder.read("Orvalux_Nuevo.exe").size() > 0; }, kPatience));
    const QStringList before = lines();

    EXPECT_TRUE(closeWindow().isEmpty());
    EXPECT_FALSE(exists("Orvalux_Nuevo.exe"));
    EXPECT_EQ(folder.read(QStringLiteral("Orvalux.exe")), "ORVALUX 1.05");
    EXPECT_FALSE(curl->isConnected());
    // The connection is dropped, not logged out, and reports nothing more.
    ASSERT_TRUE(waitUntil([&] { return server->events().contains("disconnect"); }, kPatience));
    EXPECT_FALSE(server->events().contains(QLatin1String("logout")));
    EXPECT_EQ(lines(), before);
}

TEST_F(CloseSequenceTest, NeverInstallsAProgramWhoseDownloadDidNotEndComplete)
{
    struct Case {
        const char *name;
        QStringList serverOptions;
        int programVersion;
    };
    const Case cases[] = {
        {"download broken off by the server",
         {QStringLiteral("--drop"), QStringLiteral("Orvalux.exe")},
         106},
        {"file left from an earlier run", {}, 105},
    };
    for (const Case &c : cases) {
        folder.write(QStringLiteral("Orvalux.exe"), "ORVALUX 1.05");
        folder.write(QStringLiteral("Orvalux_Nuevo.exe"), "ORVALUX 1.0");
        startServer(c.serverOptions);
        publishVersions(c.programVersion);
        activate();
        ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado"))) << c.name;
        EXPECT_FALSE(log().contains(QLatin1String("Transferencia Orvalux.exe completada")))
            << c.name;
        EXPECT_FALSE(curl->isConnected()) << c.name;

        EXPECT_TRUE(closeWindow().isEmpty()) << c.name;
        EXPECT_EQ(folder.read(QStringLiteral("Orvalux.exe")), "ORVALUX 1.05") << c.name;
        EXPECT_FALSE(exists("Orvalux_Nuevo.exe")) << c.name;
    }
}

TEST_F(CloseSequenceTest, ReleasesTheTesterAndRemovesTheTemporaryFiles)
{
    connectTester();
    ASSERT_TRUE(form->TesterConnected);
    for (const char *name : {"version.ini", "firmware.hex", "trelbin.hex", "Kelvaro.hex"})
        folder.write(QLatin1String(name), "x");

    EXPECT_TRUE(closeWindow().isEmpty());
    EXPECT_FALSE(tester->checkedOut);
    EXPECT_FALSE(form->TesterConnected);
    EXPECT_FALSE(exists("version.ini"));
    EXPECT_FALSE(exists("firmware.hex"));
    EXPECT_FALSE(exists("trelbin.hex"));
    EXPECT_TRUE(exists("Kelvaro.hex"));
}

} // namespace
