#include "support/ModalAnswerer.h"
#include "support/QStringPrinter.h"
#include "support/UpdateFormTest.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <functional>

namespace
{

// Stands in for the flashing utility: writes its arguments, one a line, into a file beside
// itself that appears complete.
const QByteArray kFlashingUtility =
    "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"$0.arguments\"\n";

void installFlashingUtility(const QString &folder)
{
    QFile utility(folder + QStringLiteral("Brontel.exe"));
    ASSERT_TRUE(utility.open(QIODevice::WriteOnly));
    utility.write(kFlashingUtility);
    utility.close();
    utility.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray firmware(int model)
{
    return QStringLiteral(":10000000FA%1\r\n:00000001FF\r\n").arg(model).toLatin1();
}

void mouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, QPoint at = {10, 10})
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class DownloadTest : public UpdateFormTest
{
protected:
    // The server publishes this program and a firmware for each model; the tester is of the
    // given model and the update panel shows.
    void startWithTester(long double model)
    {
        startServer();
        publishVersions(105, 20);
        for (int m = 1; m <= 4; ++m)
            server->write(QStringLiteral("kelvaro/orvalux/firmware/model_%1/Kelvaro.hex").arg(m),
                          firmware(m));
        form->LogoVersion = model;
        form->pnlUpdate->show();
    }

    void clickPanel()
    {
        mouse(form->pnlUpdate, QEvent::MouseButtonPress, Qt::LeftButton);
        mouse(form->pnlUpdate, QEvent::MouseButtonRelease, Qt::LeftButton);
    }

    bool waitForFlashingUtility(const QString &folder) const
    {
        return waitUntil([&] { return QFile::exists(folder + "Brontel.exe.arguments"); },
                         kPatience);
    }
};

TEST_F(DownloadTest, PanelDownloadsTheFirmwareOfTheModelAndStartsTheFlashingUtility)
{
    installFlashingUtility(folder.path());
    for (int model = 1; model <= 4; ++model) {
        QFile::remove(folder.file(QStringLiteral("Brontel.exe.arguments")));
        startWithTester(model);
        clickPanel();
        ASSERT_TRUE(waitForFlashingUtility(folder.path())) << model;
        EXPECT_EQ(folder.read(QStringLiteral("Brontel.exe.arguments")), "English\n") << model;
        EXPECT_EQ(folder.read(QStringLiteral("Kelvaro.hex")), firmware(model)) << model;
        EXPECT_EQ(lines(), QStringList({"Conectado a 127.0.0.1", "Descargando firmware",
                                        QStringLiteral("Descargando modelo %1").arg(model),
                                        "Descargado firmware nuevo", "scTransferOK",
                                        "Transferencia firmware completada", "Desconectado"}))
            << model;
        EXPECT_TRUE(server->events().contains(
            QStringLiteral("sent kelvaro/orvalux/firmware/model_%1/Kelvaro.hex").arg(model)));
        EXPECT_EQ(form->UpdateState, QStringLiteral("firmware"));
        EXPECT_FALSE(form->pnlUpdate->isHidden()) << model;
    }
}

TEST_F(DownloadTest, OtherModelsDownloadNothingAndKeepTheConnectionIdle)
{
    installFlashingUtility(folder.path());
    for (const long double model : {0.0L, 5.0L, 1.5L}) {
        startWithTester(model);
        clickPanel();
        ASSERT_TRUE(waitForLine(QStringLiteral("Descargando firmware")));
        EXPECT_EQ(lines(), QStringList({"Conectado a 127.0.0.1", "Descargando firmware"}));
        EXPECT_TRUE(curl->isConnected());
        EXPECT_FALSE(curl->inProgress());
        // The open connection keeps later activations from starting a check.
        activate();
        EXPECT_EQ(lines().size(), 2);
        EXPECT_EQ(server->events().count(QStringLiteral("connect")), 1);
    }
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Kelvaro.hex"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Brontel.exe.arguments"))));
}

TEST_F(DownloadTest, FlashingUtilityIsFoundBesideTheProgramOrElseOnThePath)
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir onPath;
    const QString pathFolder = onPath.path() + QLatin1Char('/');
    qputenv("PATH", QFile::encodeName(onPath.path()) + ':' + path);

    installFlashingUtility(pathFolder);
    startWithTester(2);
    clickPanel();
    EXPECT_TRUE(waitForFlashingUtility(pathFolder));

    installFlashingUtility(folder.path());
    QFile::remove(pathFolder + QStringLiteral("Brontel.exe.arguments"));
    startWithTester(2);
    clickPanel();
    EXPECT_TRUE(waitForFlashingUtility(folder.path()));
    EXPECT_FALSE(QFile::exists(pathFolder + QStringLiteral("Brontel.exe.arguments")));
    qputenv("PATH", path);
}

TEST_F(DownloadTest, FlashingUtilityThatCannotBeFoundIsNotReported)
{
    startWithTester(3);
    ModalAnswerer answerer;
    clickPanel();
    ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado")));
    EXPECT_EQ(lines().last(), QStringLiteral("Desconectado"));
    EXPECT_TRUE(answerer.seen().isEmpty());
}

struct MouseCase {
    Qt::MouseButton button;
    QPoint releasedAt;
    bool clicks;
};

TEST_F(DownloadTest, PanelShowsPressedWhileAMouseButtonIsDownAndClicksWithTheLeftOne)
{
    const MouseCase cases[] = {
        {Qt::LeftButton, {10, 10}, true},
        {Qt::LeftButton, {300, 10}, false},
        {Qt::RightButton, {10, 10}, false},
        {Qt::MiddleButton, {10, 10}, false},
    };
    TForm1 &form = window();
    form.pnlUpdate->show();
    for (const MouseCase &c : cases) {
        form.UpdateState = QStringLiteral("version");
        mouse(form.pnlUpdate, QEvent::MouseButtonPress, c.button);
        EXPECT_EQ(form.pnlUpdate->frameShadow(), QFrame::Sunken) << c.button;
        mouse(form.pnlUpdate, QEvent::MouseButtonRelease, c.button, c.releasedAt);
        EXPECT_EQ(form.pnlUpdate->frameShadow(), QFrame::Raised) << c.button;
        EXPECT_EQ(form.UpdateState, QLatin1String(c.clicks ? "firmware" : "version")) << c.button;
    }
    EXPECT_EQ(form.pnlUpdate->geometry(), QRect(344, 8, 185, 32));
}

struct MeanwhileCase {
    const char *name;
    // Starts the download; the interference comes at its first block of data.
    std::function<void()> start;
    const char *downloadFor;
    std::function<void()> meanwhile;
    const char *ending;
    const char *otherEnding;
    bool flashes;
};

// A completion is taken as what its own download was for, whatever UpdateState has become.
TEST_F(DownloadTest, DownloadEndsAsWhatItWasStartedFor)
{
    const MeanwhileCase cases[] = {
        {"panel clicked while the program downloads",
         [this] {
             publishVersions(106, 20);
             activate();
         },
         "exe", [this] { clickPanel(); }, "Transferencia Orvalux.exe completada",
         "Transferencia firmware completada", false},
        {"window activated while the firmware downloads", [this] { clickPanel(); }, "firmware",
         [this] { activate(); }, "Transferencia firmware completada",
         "Transferencia version.ini completada", true},
    };
    installFlashingUtility(folder.path());
    for (const MeanwhileCase &c : cases) {
        QFile::remove(folder.file(QStringLiteral("Brontel.exe.arguments")));
        startWithTester(1);
        bool interfered = false;
        QObject::connect(curl.get(), &FtpClient::ftpStatus, form.get(),
                         [&](FtpClient::StatusCode code) {
                             if (code == FtpClient::scProgress && !interfered &&
                                 form->UpdateState == QLatin1String(c.downloadFor)) {
                                 interfered = true;
                                 c.meanwhile();
                             }
                         });
        c.start();
        ASSERT_TRUE(waitForLine(QLatin1String(c.ending))) << c.name;
        ASSERT_TRUE(waitForLine(QStringLiteral("Desconectado"))) << c.name;
        EXPECT_TRUE(interfered) << c.name;
        EXPECT_NE(form->UpdateState, QLatin1String(c.downloadFor)) << c.name;
        EXPECT_FALSE(log().contains(QLatin1String(c.otherEnding))) << c.name;
        if (c.flashes)
            EXPECT_TRUE(waitForFlashingUtility(folder.path())) << c.name;
        else
            EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Brontel.exe.arguments"))))
                << c.name;
    }
}

} // namespace
