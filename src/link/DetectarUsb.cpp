#include "HidController.h"
#include "HidDevice.h"
#include "TesterIdentity.h"
#include "Timer.h"
#include "app/Main.h"

#include <QLabel>

namespace
{

const QString kWaitingText = QStringLiteral("En attente de l'appareil ....");

} // namespace

void TForm1::DetectarUsb(QObject *)
{
    if (TesterDevice == nullptr) {
        TesterDevice = HidCont->checkOutByID(kTesterVendorId, kTesterProductId);
        if (TesterDevice == nullptr) {
            Timer3->setEnabled(false);
            clearMemo1();
            appendToMemo1(kWaitingText);
            StatusPanels[0]->setText(kWaitingText);
            CurrentFunction = QStringLiteral("OFF");
            TesterConnected = false;
            return;
        }
        // A device with the right IDs but other strings stays held and is otherwise ignored.
        if (!TesterDevice->isPluggedIn() ||
            TesterDevice->productName() != QLatin1String(kTesterProduct) ||
            TesterDevice->vendorName() != QLatin1String(kTesterVendor))
            return;

        StatusPanels[0]->setText(QStringLiteral("Tester connected"));
        loadPicture(imgUsb, QStringLiteral("USB_LOGO"));
        loadPicture(imgTester, OemBrand == QLatin1String("Zorvane")
                                   ? QStringLiteral("Zorvane_ON")
                                   : QStringLiteral("VORNAX12_ON"));
        TesterConnected = true;
        setStoredTestMenuVisible(true);
        clearMemo1();
        appendToMemo1(QStringLiteral("Tester détecté..."));
        Timer1->setEnabled(true);
        LastCommand = QStringLiteral("KLT37_VERS|");
        copyToOutReport(LastCommand);
        Timer3->setEnabled(true);
        writeOutReport();
        return;
    }

    if (TesterDevice->isPluggedIn()) {
        appendToMemo1(QStringLiteral("Est déjà connecté ") + TesterDevice->productName());
        return;
    }

    HidCont->checkIn(TesterDevice);
    Timer1->setEnabled(false);
    // A handshake still under way ends with the tester: no logo fallback, no update offer.
    Timer3->setEnabled(false);
    Timer4->setEnabled(false);
    WriteMemo1(QStringLiteral("Libéré!"));
    StatusPanels[0]->setText(kWaitingText);
    loadPicture(imgUsb, QStringLiteral("USB_Logo_BN"));
    loadPicture(imgTester, OemBrand == QLatin1String("Zorvane") ? QStringLiteral("Zorvane_OFF")
                                                                : QStringLiteral("VORNAX12_OFF"));
    CurrentFunction = QStringLiteral("OFF");
    // The tester plugged in again in the same function gets its screen back.
    ActiveScreen = QStringLiteral("OFF");
    setStoredTestMenuVisible(false);
    HideGroups();
    lblFuncion->setText(QStringLiteral("OFF"));
    pnlUpdate->hide();
    TesterConnected = false;
}
