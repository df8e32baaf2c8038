#include "FtpClient.h"
#include "UpdatePanel.h"
#include "app/Main.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace
{

// The firmware of each tester model (its logo number) on the update server.
struct FirmwareModel {
    long double logo;
    const char *line;
    const char *remotePath;
};

constexpr FirmwareModel kFirmwareModels[] = {
    {1, "Descargando modelo 1", "/kelvaro/orvalux/firmware/model_1/Kelvaro.hex"},
    {2, "Descargando modelo 2", "/kelvaro/orvalux/firmware/model_2/Kelvaro.hex"},
    {3, "Descargando modelo 3", "/kelvaro/orvalux/firmware/model_3/Kelvaro.hex"},
    {4, "Descargando modelo 4", "/kelvaro/orvalux/firmware/model_4/Kelvaro.hex"},
};

const QString kFlashingUtility = QStringLiteral("Brontel.exe");

} // namespace

void TForm1::pnlUpdateClick()
{
    UpdateState = QStringLiteral("firmware");
    if (!FtpClient1->login()) {
        appendToMemo1(QStringLiteral("Conexion a internet no disponible!"));
        FtpClient1->logout();
    }
}

void TForm1::pnlUpdateMouseDown()
{
    pnlUpdate->setFrameShadow(QFrame::Sunken);
}

void TForm1::pnlUpdateMouseUp()
{
    pnlUpdate->setFrameShadow(QFrame::Raised);
}

// A newer firmware on the server than the tester's is shown through the update panel; nothing
// more is done here.
void TForm1::LaunchBetaFlash() {}

bool TForm1::startDownload(const QString &purpose, const QString &remotePath,
                           const QString &localName)
{
    if (!FtpClient1->retrieve(remotePath, ExePath + localName, FtpClient::RetrieveMode::Replace))
        return false;
    downloadFor_ = purpose;
    return true;
}

void TForm1::requestFirmware()
{
    WriteMemo1(QStringLiteral("Descargando firmware"));
    QString remotePath;
    for (const FirmwareModel &model : kFirmwareModels) {
        if (LogoVersion == model.logo) {
            WriteMemo1(QLatin1String(model.line));
            remotePath = QLatin1String(model.remotePath);
        }
    }
    if (startDownload(QStringLiteral("firmware"), remotePath, QStringLiteral("Kelvaro.hex")))
        appendToMemo1(QStringLiteral("Descargado firmware nuevo"));
}

void TForm1::endFirmwareDownload()
{
    appendToMemo1(QStringLiteral("Transferencia firmware completada"));
    FtpClient1->logout();
    waitUntilIdle();
    launchFlashingUtility();
}

void TForm1::requestProgram()
{
    // Whatever "Orvalux_Nuevo.exe" held is replaced from here on.
    completedProgramSize_ = -1;
    if (startDownload(QStringLiteral("exe"), QStringLiteral("/kelvaro/orvalux/Orvalux.exe"),
                      QStringLiteral("Orvalux_Nuevo.exe")))
        appendToMemo1(QStringLiteral("Descargado fichero Orvalux.exe"));
}

void TForm1::endProgramDownload()
{
    appendToMemo1(QStringLiteral("Transferencia Orvalux.exe completada"));
    // Only a download that ended complete may be installed at close.
    completedProgramSize_ = FtpClient1->bytesTransferred();
    FtpClient1->logout();
    waitUntilIdle();
}

void TForm1::waitUntilIdle()
{
    while (FtpClient1->inProgress())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The utility is started by its bare name, found in the program folder or else on the path,
// with the language as its only argument; it finds the firmware as "Kelvaro.hex" beside the
// program. It runs on its own: it is neither waited for nor watched, and a failure to start it
// is not reported.
void TForm1::launchFlashingUtility()
{
    const QFileInfo beside(ExePath + kFlashingUtility);
    const QString program = beside.isExecutable()
                                ? beside.filePath()
                                : QStandardPaths::findExecutable(kFlashingUtility);
    if (!program.isEmpty())
        QProcess::startDetached(program, {QStringLiteral("English")});
}
