#include "Soak.h"

#include "Figures.h"
#include "ModalAnswers.h"
#include "SoakSteps.h"
#include "Watchdog.h"
#include "WindowState.h"
#include "Workshop.h"
#include "app/Main.h"
#include "link/Timer.h"

#include <QDeadlineTimer>
#include <QStringList>

namespace
{

using namespace std::chrono_literals;

constexpr int kCycleMs = 10000;
constexpr int kUnpluggedMs = 1000;
// Every third cycle: every thirty seconds.
constexpr int kCheckEvery = 3;
// The controller looks for the socket ten times a second; the version answer comes at once.
constexpr int kPlugMs = 5000;

} // namespace

Soak::Soak(Workshop &workshop, Figures &figures, Watchdog &watchdog, ModalAnswers &answers)
    : workshop_(workshop), figures_(figures), watchdog_(watchdog), answers_(answers),
      live_(workshop, figures, watchdog), menu_(workshop, figures, watchdog, answers),
      checks_(workshop)
{
}

void Soak::run(std::chrono::milliseconds length)
{
    workshop_.window().show();
    const QDeadlineTimer end(length);
    for (int number = 1; !end.hasExpired(); ++number)
        cycle(number);
}

void Soak::cycle(int number)
{
    const QDeadlineTimer cycleEnd(kCycleMs);
    const QDeadlineTimer unplugging(kCycleMs - kUnpluggedMs);
    plugIn(number);
    if (number % kCheckEvery == 1) {
        watchdog_.arm(QStringLiteral("update check %1").arg(checks_.completed() + 1), 60s);
        checks_.check();
        figures_.updateChecks = checks_.completed();
    }
    if (number % 2 == 1)
        live_.visit(unplugging);
    else
        menu_.visit(unplugging);
    runUntil(unplugging);
    unplug(number);
    requireNoUnexpectedWindow();
    runUntil(cycleEnd);
}

void Soak::plugIn(int cycle)
{
    watchdog_.arm(QStringLiteral("plugging the tester in (cycle %1)").arg(cycle), 60s);
    TesterServer &tester = workshop_.tester();
    require(
        tester.plug(workshop_.socketPath()),
        QStringLiteral("the tester could not listen on its socket: %1").arg(tester.errorString()));
    const TForm1 &window = workshop_.window();
    // Connected, and the version answered: the answer's time-out stopped without running out.
    waitFor(
        [&] {
            return tester.isConnected() && window.TesterConnected && !window.Timer3->isEnabled() &&
                   !window.Timer4->isEnabled();
        },
        kPlugMs,
        QStringLiteral("the window did not take the tester within %1 s of plugging it in "
                       "(cycle %2)")
            .arg(kPlugMs / 1000)
            .arg(cycle));
    require(
        window.TesterVersion == workshop_.model().firmware(),
        QStringLiteral("the window took the tester's firmware for %1").arg(window.TesterVersion));
}

void Soak::unplug(int cycle)
{
    watchdog_.arm(QStringLiteral("unplugging the tester (cycle %1)").arg(cycle), 60s);
    workshop_.tester().unplug();
    const TForm1 &window = workshop_.window();
    waitFor(
        [&] {
            return !window.TesterConnected && window.TesterDevice == nullptr &&
                   showsOnly(window, nullptr) && menuHidden(window);
        },
        kPlugMs,
        QStringLiteral("the window did not let the tester go within %1 s of unplugging it "
                       "(cycle %2)")
            .arg(kPlugMs / 1000)
            .arg(cycle));
    ++figures_.plugCycles;
}

void Soak::requireNoUnexpectedWindow() const
{
    const QStringList unexpected = answers_.unexpected();
    require(unexpected.isEmpty(), QStringLiteral("windows opened that no step expected: %1")
                                      .arg(unexpected.join(QStringLiteral("; "))));
}

void Soak::finish()
{
    watchdog_.arm(QStringLiteral("closing the window"), 60s);
    workshop_.window().close();
    requireNoUnexpectedWindow();
}
