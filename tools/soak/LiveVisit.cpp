#include "LiveVisit.h"

#include "Figures.h"
#include "FunctionChange.h"
#include "SoakSteps.h"
#include "TesterFunctions.h"
#include "Watchdog.h"
#include "Workshop.h"
#include "app/Main.h"
#include "link/VirtualHidController.h"
#include "measure/LiveFunctions.h"
#include "measure/widgets/BlockBar.h"
#include "measure/widgets/Dial.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <cmath>
#include <vector>

namespace
{

using namespace std::chrono_literals;

// How long the tester stays in one function: the window follows within the poll of a second,
// and the readings come at five a second after that.
constexpr int kDwellMs = 2700;
constexpr int kMinimumReadings = 3;

// The twelve live functions and SELS, in the tester's order.
std::vector<QByteArray> functionsInTurn()
{
    std::vector<QByteArray> codes;
    for (const TesterFunction &function : testerFunctions()) {
        if (QByteArray(function.code) != "MENU")
            codes.emplace_back(function.code);
    }
    return codes;
}

} // namespace

LiveVisit::LiveVisit(Workshop &workshop, Figures &figures, Watchdog &watchdog)
    : workshop_(workshop), figures_(figures), watchdog_(watchdog)
{
    // After the window's own connection, so that each report has been handled when it comes.
    QObject::connect(&workshop.hidController(), &HidController::deviceData, &receiver_,
                     [this](HidDevice *, quint8, const QByteArray &data) { noteReport(data); });
}

void LiveVisit::visit(const QDeadlineTimer &end)
{
    static const std::vector<QByteArray> codes = functionsInTurn();
    while (end.remainingTime() >= kDwellMs) {
        follow(codes[next_]);
        next_ = (next_ + 1) % int(codes.size());
    }
}

void LiveVisit::follow(const QByteArray &code)
{
    const QString name = QLatin1String(code);
    watchdog_.arm(QStringLiteral("following %1").arg(name), 60s);
    const QDeadlineTimer end(kDwellMs);
    following_ = code;
    readings_ = 0;
    changeFunction(workshop_, figures_, code);
    QElapsedTimer shown;
    shown.start();
    runUntil(end);
    following_.clear();
    if (!findTesterFunction(code)->isLive())
        return;
    require(mismatch_.isEmpty(), mismatch_);
    require(readings_ >= kMinimumReadings, QStringLiteral("only %1 readings of %2 shown in %3 ms")
                                               .arg(readings_)
                                               .arg(name)
                                               .arg(shown.elapsed()));
    figures_.readingsShown += readings_;
    figures_.liveScreenSeconds += shown.elapsed() / 1000.0;
}

void LiveVisit::noteReport(const QByteArray &data)
{
    // "KLT37_CODE|" and the four-character field.
    if (following_.isEmpty() || !data.startsWith("KLT37_" + following_ + '|'))
        return;
    const TForm1 &window = workshop_.window();
    const TesterFunction *function = findTesterFunction(following_);
    if (!function->isLive() || window.ActiveScreen != QLatin1String(following_))
        return;
    const TForm1::LiveScreen &screen =
        window.LiveScreens[liveFunctionIndex(following_.constData())];
    const double shown = screen.gauge ? screen.gauge->value() : screen.bar->value();
    const double sent = function->reading(data.mid(11, 4));
    if (std::abs(shown - sent) > 1e-9 * std::max(1.0, std::abs(sent)) && mismatch_.isEmpty())
        mismatch_ = QStringLiteral("%1 showed %2 for the reading %3 (field %4)")
                        .arg(QLatin1String(following_))
                        .arg(shown)
                        .arg(sent)
                        .arg(QLatin1String(data.mid(11, 4)));
    ++readings_;
}
