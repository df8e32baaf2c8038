#include "FunctionCodes.h"
#include "LiveFunctions.h"
#include "app/Main.h"
#include "app/ScreenGroupBox.h"

#include <cstring>

int liveFunctionIndex(const char *code)
{
    for (int i = 0; i < int(kLiveFunctions.size()); ++i) {
        if (std::strcmp(kLiveFunctions[i].code, code) == 0)
            return i;
    }
    return -1;
}

void TForm1::ActivarPantalla(const QString &Funcion)
{
    setStoredTestMenuVisible(false);
    for (const FunctionCode &row : kFunctionCodes) {
        if (Funcion != QLatin1String(row.code))
            continue;
        if (ActiveScreen != Funcion) {
            HideGroups();
            WriteMemo1(QString::fromUtf8(row.logLine));
            ActiveScreen = Funcion;
            if (row.screen != nullptr)
                (this->*row.screen)->show();
            if (row.storedTestMenu)
                setStoredTestMenuVisible(true);
            if (const int live = liveFunctionIndex(row.code); live >= 0)
                resetRunningValues(live);
        }
        break;
    }
    DataReceived = true;
}

void TForm1::HideGroups()
{
    for (ScreenGroupBox *screen : centralWidget()->findChildren<ScreenGroupBox *>())
        screen->hide();
}

void TForm1::resetRunningValues(int liveFunction)
{
    RunningMaximum[liveFunction] = kLiveFunctions[liveFunction].maximumStart;
    if (kLiveFunctions[liveFunction].hasMinimum)
        RunningMinimum = kMinimumStart;
}
