// The soak run: one main window of the program driven through simulated workshop use for
// MINUTES minutes (30 by default) of real time, then one line per figure on standard output.
// Exits with status 1 when a step failed or the resident memory grew by more than its bound
// after minute 1.
//
// soak_run [MINUTES]

#include "Figures.h"
#include "ModalAnswers.h"
#include "ResidentMemory.h"
#include "Soak.h"
#include "SoakSteps.h"
#include "Watchdog.h"
#include "Workshop.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <optional>

namespace
{

// The bound on the growth of the resident memory from minute 1 to the end. By minute 1 every
// screen, report and dialog has been built once; after that nothing the program keeps grows
// with use (the log pane is cleared at every plug-in and holds at most 10000 lines), ASan's
// quarantine is 16 MB, and a leak as small as 100 bytes a reading shown (about 5 a second) or
// 2 kB a stored test fetched would pass it within 30 minutes.
constexpr double kGrowthBoundMb = 10;

void printFigure(const char *name, const QString &value)
{
    std::printf("%-32s %s\n", name, qPrintable(value));
}

QString megabytes(std::optional<double> value, int decimals = 1)
{
    return value ? QStringLiteral("%1 MB").arg(*value, 0, 'f', decimals) : QStringLiteral("-");
}

void printFigures(const Figures &figures, const ResidentMemory &memory, double minutes)
{
    const auto &samples = memory.samples();
    printFigure("minutes run", QString::number(minutes, 'f', 1));
    printFigure("plug cycles", QString::number(figures.plugCycles));
    printFigure("readings shown", QString::number(figures.readingsShown));
    printFigure("readings a second, live screen",
                figures.liveScreenSeconds > 0
                    ? QString::number(figures.readingsShown / figures.liveScreenSeconds, 'f', 2)
                    : QStringLiteral("-"));
    printFigure("function changes", QString::number(figures.functionChanges));
    printFigure("stored tests fetched", QString::number(figures.storedTests));
    printFigure("compression tests fetched", QString::number(figures.compressionTests));
    printFigure("reports saved as PDF", QString::number(figures.reportsSaved));
    printFigure("update checks completed", QString::number(figures.updateChecks));
    printFigure("RSS at minute 1",
                samples.size() >= 2 ? megabytes(samples.front().megabytes) : QStringLiteral("-"));
    printFigure("RSS at the end", megabytes(samples.back().megabytes));
    printFigure("RSS growth after minute 1",
                megabytes(memory.growth()) +
                    QStringLiteral(" (bound %1 MB)").arg(kGrowthBoundMb, 0, 'f', 0));
    printFigure("RSS growth a minute",
                megabytes(memory.slope(), 3) + QStringLiteral(" (least squares, minute 1 to end)"));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));
    const int minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;
    if (argc > 2 || minutes < 1) {
        std::fprintf(stderr, "usage: soak_run [MINUTES]\n");
        return 2;
    }

    Watchdog watchdog;
    QElapsedTimer clock;
    clock.start();
    ResidentMemory memory;
    Figures figures;
    QString failure;
    try {
        Workshop workshop;
        ModalAnswers answers;
        Soak soak(workshop, figures, watchdog, answers);
        try {
            soak.run(std::chrono::minutes(minutes));
            memory.takeLastSample();
            soak.finish();
        } catch (const SoakFailure &stepFailure) {
            memory.takeLastSample();
            failure = QString::fromStdString(stepFailure.what());
            if (const QStringList windows = answers.unexpected(); !windows.isEmpty())
                failure += QStringLiteral("\nsoak: windows answered meanwhile: ") +
                           windows.join(QStringLiteral("; "));
        }
    } catch (const SoakFailure &setupFailure) {
        failure = QString::fromStdString(setupFailure.what());
    }
    memory.takeLastSample();

    printFigures(figures, memory, clock.elapsed() / 60000.0);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "soak: FAILED: %s\n", qPrintable(failure));
        return 1;
    }
    if (memory.growth().value_or(0) > kGrowthBoundMb) {
        std::fprintf(stderr, "soak: FAILED: the resident memory grew by %.1f MB after minute 1\n",
                     *memory.growth());
        return 1;
    }
    return 0;
}
