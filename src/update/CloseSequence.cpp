#include "FtpClient.h"
#include "app/Main.h"
#include "link/HidController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    if (TesterConnected) {
        HidCont->checkIn(TesterDevice);
        TesterConnected = false;
    }

    const QString newProgram = ExePath + QStringLiteral("Orvalux_Nuevo.exe");
    if (FtpClient1->isConnected()) {
        // A program download still open at close is never installed, finished or not.
        FtpClient1->abort();
        FtpClient1->disconnect(this);
        QFile::remove(newProgram);
    }
    // Only a program whose download ended complete is installed; anything else under the name
    // (a download broken off, a file left from an earlier run) is removed.
    if (const QFileInfo file(newProgram); file.exists() && file.size() == completedProgramSize_)
        installNewProgram();
    else
        QFile::remove(newProgram);

    for (const char *name : {"version.ini", "firmware.hex", "trelbin.hex"})
        QFile::remove(ExePath + QLatin1String(name));
}

// The running program is always taken to be "Orvalux.exe", whatever the name of its file.
void TForm1::installNewProgram()
{
    const QString program = ExePath + QStringLiteral("Orvalux.exe");
    const QString oldProgram = ExePath + QStringLiteral("Orvalux_old.exe");
    QApplication::beep();
    QFile::remove(oldProgram);
    QFile::rename(program, oldProgram);
    // The running file usually cannot be removed yet; the next installation removes it.
    if (QFile::rename(ExePath + QStringLiteral("Orvalux_Nuevo.exe"), program))
        QFile::remove(oldProgram);
    QMessageBox(QMessageBox::Information, QStringLiteral("Software updated"),
                QStringLiteral("A new version of the software has been downloaded and installed!"),
                QMessageBox::Ok, this)
        .exec();
}
