#include "HidDevice.h"
#include "MessageText.h"
#include "app/Main.h"

#include <algorithm>

void TForm1::UsbSend(const QString &Comando)
{
    copyToOutReport(Comando);
    writeOutReport();
}

void TForm1::copyToOutReport(const QString &command)
{
    // One byte per character, its low eight bits; the bytes after the command stay as they were.
    const qsizetype length = std::min<qsizetype>(command.size(), OutReport.size() - 1);
    for (qsizetype i = 0; i < length; ++i)
        OutReport[i + 1] = quint8(command[i].unicode() & 0xFF);
}

void TForm1::writeOutReport()
{
    if (TesterDevice == nullptr || !TesterDevice->isPluggedIn())
        return;
    // A device with longer reports gets the rest of its report as zero bytes.
    QByteArray report(std::max(TesterDevice->outputReportLength(), 0), '\0');
    std::copy_n(OutReport.begin(), std::min<qsizetype>(report.size(), OutReport.size()),
                report.begin());
    TesterDevice->writeOutputReport(report);
}

void TForm1::HidContDeviceData(HidDevice *, quint8, const QByteArray &Data)
{
    const QString text = MessageText::fromReport(Data);
    WriteMemo1(text);
    dispatchMessage(text);
}
