#include "MenuVisit.h"

#include "Figures.h"
#include "FunctionChange.h"
#include "ReportSaving.h"
#include "SoakSteps.h"
#include "Watchdog.h"
#include "WindowState.h"
#include "Workshop.h"
#include "app/Main.h"
#include "app/ScreenGroupBox.h"
#include "measure/FunctionCodes.h"
#include "measure/widgets/Dial.h"
#include "measure/widgets/DialHand.h"
#include "reports/StoredTestTable.h"

#include <QDeadlineTimer>
#include <QPushButton>

#include <iterator>

namespace
{

using namespace std::chrono_literals;

// The six stored tests, then the compression test.
constexpr int kTests = int(std::size(kStoredTests)) + 1;
constexpr int kPrintEvery = 4;
// An answer comes at once; the menu comes back with the next poll of the function, a second
// after "X"; a report takes a few seconds in the sanitizer build.
constexpr int kAnswerMs = 5000;
constexpr int kMenuMs = 5000;
constexpr int kFetchMs = 1500;
constexpr int kPrintMs = 4000;

} // namespace

MenuVisit::MenuVisit(Workshop &workshop, Figures &figures, Watchdog &watchdog,
                     ModalAnswers &answers)
    : workshop_(workshop), figures_(figures), watchdog_(watchdog), answers_(answers)
{
}

void MenuVisit::visit(const QDeadlineTimer &end)
{
    watchdog_.arm(QStringLiteral("following MENU"), 60s);
    changeFunction(workshop_, figures_, "MENU");
    while (end.remainingTime() >= kFetchMs + (printsNext() ? kPrintMs : 0)) {
        const int test = fetches_ % kTests;
        if (test < int(std::size(kStoredTests)))
            fetchStoredTest(test);
        else
            fetchCompressionTest();
        ++fetches_;
    }
}

bool MenuVisit::printsNext() const
{
    return fetches_ % kPrintEvery == kPrintEvery - 1;
}

void MenuVisit::fetchStoredTest(int index)
{
    const StoredTest &test = kStoredTests[index];
    const QString name = QStringLiteral("the stored %1 test").arg(QLatin1String(test.testName));
    watchdog_.arm(QStringLiteral("fetching %1").arg(name), 60s);

    // Values that change from one fetch to the next, within the dial's scale.
    const int range = int(test.dial.maximum * test.unit->divisor);
    const int pressure = fetches_ * 137 % (range * 3 / 4);
    const int maximum = pressure + fetches_ * 31 % (range / 4);
    workshop_.model().setStored(test.code, {pressure, maximum});

    TForm1 &window = workshop_.window();
    const TForm1::StoredTestScreen &parts = window.StoredTestScreens[index];
    ScreenGroupBox *screen = window.*screenOfCode(test.code);
    (window.*test.menuButton)->click();
    waitFor(
        [&] {
            return window.ActiveScreen == QLatin1String(test.code) && showsOnly(window, screen) &&
                   menuHidden(window) && parts.gauge->value() == pressure / test.unit->divisor &&
                   parts.maximumHand->value() == maximum / test.unit->divisor;
        },
        kAnswerMs,
        QStringLiteral("%1 (%2 and %3) was not shown within %4 s of its menu button")
            .arg(name)
            .arg(pressure)
            .arg(maximum)
            .arg(kAnswerMs / 1000));
    ++figures_.storedTests;
    if (printsNext())
        print(parts.print, name);
    leave(parts.exit, screen, name);
}

void MenuVisit::fetchCompressionTest()
{
    const QString name = QStringLiteral("the compression test");
    watchdog_.arm(QStringLiteral("fetching %1").arg(name), 60s);
    TesterModel &model = workshop_.model();
    for (int cylinder = 0; cylinder < TesterModel::Cylinders; ++cylinder)
        model.setCompression(cylinder, 100 + (fetches_ * 13 + cylinder * 7) % 80);

    TForm1 &window = workshop_.window();
    window.btnSavedCompression->click();
    waitFor(
        [&] {
            if (window.ActiveScreen != QLatin1String("COM1") ||
                !showsOnly(window, window.GroupCompression) || !menuHidden(window))
                return false;
            for (int cylinder = 0; cylinder < TesterModel::Cylinders; ++cylinder) {
                if (window.CylinderPressure[cylinder] != model.compression(cylinder) / 10.0)
                    return false;
            }
            return true;
        },
        kAnswerMs,
        QStringLiteral("%1 was not shown within %2 s of its menu button")
            .arg(name)
            .arg(kAnswerMs / 1000));
    ++figures_.compressionTests;
    if (printsNext())
        print(window.btnPrintCompression, name);
    leave(window.btnExitCompression, window.GroupCompression, name);
}

void MenuVisit::print(QPushButton *button, const QString &test)
{
    watchdog_.arm(QStringLiteral("printing the report of %1").arg(test), 120s);
    saveReport(answers_, button, workshop_.reportFolder(),
               QStringLiteral("the report of %1").arg(test));
    ++figures_.reportsSaved;
}

void MenuVisit::leave(QPushButton *exit, const QWidget *screen, const QString &test)
{
    watchdog_.arm(QStringLiteral("leaving %1").arg(test), 60s);
    TForm1 &window = workshop_.window();
    exit->click();
    waitFor(
        [&] {
            return !screen->isVisible() && window.ActiveScreen == QLatin1String("MENU") &&
                   menuShown(window);
        },
        kMenuMs,
        QStringLiteral("the menu did not come back within %1 s of leaving %2")
            .arg(kMenuMs / 1000)
            .arg(test));
}
