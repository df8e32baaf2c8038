#include "FunctionChange.h"

#include "Figures.h"
#include "SoakSteps.h"
#include "WindowState.h"
#include "Workshop.h"
#include "app/Main.h"
#include "measure/FunctionCodes.h"

namespace
{

// A poll of the function a second, and time to spare for a loaded machine.
constexpr int kFollowMs = 5000;

} // namespace

void changeFunction(Workshop &workshop, Figures &figures, const QByteArray &code)
{
    TesterModel &model = workshop.model();
    if (model.function() != code) {
        model.setFunction(code);
        ++figures.functionChanges;
    }
    TForm1 &window = workshop.window();
    ScreenGroupBox *TForm1::*screen = screenOfCode(code.constData());
    const ScreenGroupBox *expected = screen != nullptr ? window.*screen : nullptr;
    const bool menu = code == "MENU";
    waitFor(
        [&] {
            return window.ActiveScreen == QLatin1String(code) && showsOnly(window, expected) &&
                   (menu ? menuShown(window) : menuHidden(window));
        },
        kFollowMs,
        QStringLiteral("the window did not follow the tester to %1 within %2 s")
            .arg(QLatin1String(code))
            .arg(kFollowMs / 1000));
}
