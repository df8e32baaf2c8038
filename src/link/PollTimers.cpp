#include "Timer.h"
#include "app/Main.h"
#include "measure/LiveFunctions.h"

#include <QLabel>

void TForm1::Timer1Timer()
{
    LastCommand = QStringLiteral("KLT37_FUNC|");
    UsbSend(LastCommand);
}

void TForm1::Timer2Timer()
{
    if (DataReceived) {
        for (const LiveFunction &function : kLiveFunctions) {
            if (CurrentFunction == QLatin1String(function.code))
                LastCommand = QStringLiteral("KLT37_%1|").arg(QLatin1String(function.code));
        }
        WriteMemo1(QStringLiteral("Requesting data..."));
        UsbSend(LastCommand);
    }
    DataReceived = false;
}

void TForm1::Timer3Timer()
{
    WriteMemo1(QStringLiteral("Versión tester no detectada!"));
    Timer3->setEnabled(false);
    Timer4->setEnabled(true);
    LastCommand = QStringLiteral("KLT37_RMLO|");
    UsbSend(LastCommand);
}

void TForm1::Timer4Timer()
{
    Timer4->setEnabled(false);
    WriteMemo1(QStringLiteral("Versión no detectada"));
    WriteMemo1(QStringLiteral("Asignamos versión 1.0"));
    LogoVersion = 1.0L;
    pnlUpdate->show();
}
