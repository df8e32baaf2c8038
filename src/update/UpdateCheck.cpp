#include "FtpClient.h"
#include "app/IniFile.h"
#include "app/Main.h"
#include "app/ProgramVersion.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include <utility>

bool TForm1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TForm1::FormActivate()
{
    UpdateState = QStringLiteral("version");
    if (!FtpClient1->login()) {
        appendToMemo1(QStringLiteral("Conexion a internet no disponible!"));
        FtpClient1->logout();
    }
}

void TForm1::FtpClient1FtpStatus(FtpClient::StatusCode StatusCode, const QString &InfoText)
{
    switch (StatusCode) {
    case FtpClient::scClose:
        appendToMemo1(QStringLiteral("Conexión cerrada"));
        break;
    case FtpClient::scOpen:
        appendToMemo1(QStringLiteral("Conectado a ") + FtpClient1->serverAddress());
        break;
    case FtpClient::scLogout:
        appendToMemo1(QStringLiteral("Desconectado"));
        break;
    case FtpClient::scLogin:
        if (UpdateState == QLatin1String("firmware"))
            requestFirmware();
        if (UpdateState == QLatin1String("version") &&
            startDownload(QStringLiteral("version"), QStringLiteral("kelvaro/orvalux/version.ini"),
                          QStringLiteral("version.ini")))
            appendToMemo1(QStringLiteral("Se ha descargado version.ini"));
        break;
    case FtpClient::scComplete:
        appendToMemo1(QStringLiteral("Operación completada"));
        break;
    case FtpClient::scCurrentDir:
    case FtpClient::scDataAvail:
        appendToMemo1(InfoText);
        break;
    case FtpClient::scProgress:
        appendToMemo1(QString::number(FtpClient1->bytesTransferred()) +
                      QStringLiteral(" bytes Transferred"));
        break;
    case FtpClient::scTransferOK: {
        appendToMemo1(QStringLiteral("scTransferOK"));
        // A download ends as what it was started for, even when an activation or a click has
        // changed UpdateState while it ran.
        const QString finished = std::exchange(downloadFor_, QString());
        if (finished == QLatin1String("firmware"))
            endFirmwareDownload();
        if (finished == QLatin1String("exe"))
            endProgramDownload();
        if (finished == QLatin1String("version"))
            evaluateVersionFile();
        break;
    }
    case FtpClient::scTimeout:
        QMessageBox(QMessageBox::NoIcon, QApplication::applicationName(),
                    QStringLiteral("Transfer timed out"), QMessageBox::Ok, this)
            .exec();
        break;
    }
}

void TForm1::FtpClient1FtpError(int, const QString &)
{
    QMessageBox(QMessageBox::Information, QStringLiteral("Information"),
                QStringLiteral("Error de transmisión 1 !"), QMessageBox::Ok, this)
        .exec();
}

void TForm1::evaluateVersionFile()
{
    appendToMemo1(QStringLiteral("Transferencia version.ini completada"));
    const IniFile versionFile(ExePath + QStringLiteral("version.ini"));
    ServerPcVersion =
        versionFile.readInteger(QStringLiteral("PC_Version"), QStringLiteral("Version"), 0);
    appendToMemo1(QStringLiteral("Version EXE servidor: ") + QString::number(ServerPcVersion));
    ServerFirmwareVersion =
        versionFile.readInteger(QStringLiteral("Orvalux_Version"), QStringLiteral("Version"), 0);
    appendToMemo1(QStringLiteral("Version firmware Orvalux servidor: ") +
                  QString::number(ServerFirmwareVersion));
    if (ServerPcVersion <= kProgramVersionNumber) {
        appendToMemo1(QStringLiteral("No es necesario actualizar"));
        FtpClient1->logout();
    } else {
        appendToMemo1(QStringLiteral("Actualizar programa."));
        UpdateState = QStringLiteral("exe");
        requestProgram();
    }
    if (ServerFirmwareVersion > TesterVersion) {
        appendToMemo1(QStringLiteral("Actualizar firmware Tester !!!!"));
        LaunchBetaFlash();
    }
}
