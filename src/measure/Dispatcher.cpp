#include "app/Main.h"
#include "link/MessageText.h"
#include "link/Timer.h"

#include <QLabel>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace
{

// The answers the program handles, in the order they are compared with a message's code.
struct Branch {
    const char *code;
    void (TForm1::*handle)(const QString &text);
};

constexpr Branch kBranches[] = {
    {"KLT37_VERS", &TForm1::versionAnswer},    {"KLT37_RMLO", &TForm1::logoAnswer},
    {"KLT37_SADB", &TForm1::storedTestAnswer}, {"KLT37_SFUE", &TForm1::storedTestAnswer},
    {"KLT37_SCOO", &TForm1::storedTestAnswer}, {"KLT37_SOIL", &TForm1::storedTestAnswer},
    {"KLT37_SHPD", &TForm1::storedTestAnswer}, {"KLT37_SFSI", &TForm1::storedTestAnswer},
    {"KLT37_FUNC", &TForm1::functionAnswer},   {"KLT37_OIL_", &TForm1::liveReading},
    {"KLT37_M003", &TForm1::liveReading},      {"KLT37_LOSS", &TForm1::liveReading},
    {"KLT37_VACU", &TForm1::liveReading},      {"KLT37_FUEL", &TForm1::liveReading},
    {"KLT37_ADBL", &TForm1::liveReading},      {"KLT37_M300", &TForm1::liveReading},
    {"KLT37_M2K_", &TForm1::liveReading},      {"KLT37_CRHP", &TForm1::liveReading},
    {"KLT37_HPPE", &TForm1::liveReading},      {"KLT37_COOL", &TForm1::liveReading},
    {"KLT37_PART", &TForm1::liveReading},      {"KLT37_COM1", &TForm1::compressionAnswer},
};

} // namespace

void TForm1::dispatchMessage(const QString &text)
{
    // The codes differ from each other, so at most one branch applies.
    const QString code = MessageText::code(text);
    for (const Branch &branch : kBranches) {
        if (code == QLatin1String(branch.code)) {
            (this->*branch.handle)(text);
            return;
        }
    }
}

void TForm1::versionAnswer(const QString &text)
{
    Timer3->setEnabled(false);
    WriteMemo1(QStringLiteral("Versión tester: ") + MessageText::field(text, 12, 3));
    WriteMemo1(QStringLiteral("Versión logotipo: ") + MessageText::field(text, 16, 3));
    const std::optional<int> firmware = MessageText::toInteger(MessageText::field(text, 12, 3));
    if (!firmware)
        return;
    const std::optional<int> logo = MessageText::toInteger(MessageText::field(text, 16, 3));
    if (!logo)
        return;
    LogoVersion = *logo;
    applyCompatibilityRule();
    TesterVersion = *firmware;
    if (ServerFirmwareVersion > TesterVersion) {
        appendToMemo1(QStringLiteral("Actualizar tester !!!!"));
        pnlUpdate->show();
    } else {
        appendToMemo1(QStringLiteral("Actualización tester no necesaria !"));
    }
}

void TForm1::logoAnswer(const QString &text)
{
    Timer3->setEnabled(false);
    Timer4->setEnabled(false);
    WriteMemo1(QStringLiteral("Versión tester: No detectada, se asigna 1.0 "));
    WriteMemo1(QStringLiteral("Versión logotipo tester: ") + MessageText::field(text, 12, 5));
    const std::optional<int> logo = MessageText::toInteger(MessageText::field(text, 12, 5));
    if (!logo)
        return;
    LogoVersion = *logo;
    applyCompatibilityRule();
    appendToMemo1(QStringLiteral("Actualizar tester !!!!"));
    pnlUpdate->show();
}

void TForm1::functionAnswer(const QString &text)
{
    followReportedFunction(MessageText::field(text, 12, 4));
}

void TForm1::followReportedFunction(const QString &code)
{
    CurrentFunction = code;
    lblFuncion->setText(CurrentFunction);
    WriteMemo1(CurrentFunction);
    if (ActiveScreen != CurrentFunction)
        ActivarPantalla(CurrentFunction);
}

void TForm1::applyCompatibilityRule()
{
    // The Zorvane program serves only the Zorvane model of the tester.
    if (OemBrand != QLatin1String("Zorvane") || LogoVersion == 4)
        return;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tester not compatible"),
                    QStringLiteral("This tester is not compatible with the software"),
                    QMessageBox::Ok, this);
    box.exec();
    std::fflush(nullptr);
    std::_Exit(1);
}
