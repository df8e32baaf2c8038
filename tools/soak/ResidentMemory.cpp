#include "ResidentMemory.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <sanitizer/allocator_interface.h>

ResidentMemory::ResidentMemory()
{
    clock_.start();
    minute_.setInterval(60 * 1000);
    QObject::connect(&minute_, &QTimer::timeout, [this] {
        take();
        const Sample &sample = samples_.back();
        // Beside the resident memory, what the program holds on ASan's heap: it tells a leak
        // from memory that ASan keeps for itself.
        std::printf("minute %.0f: VmRSS %.1f MB, heap in use %.1f MB\n", sample.minutes,
                    sample.megabytes, __sanitizer_get_current_allocated_bytes() / 1048576.0);
        std::fflush(stdout);
    });
    minute_.start();
}

void ResidentMemory::takeLastSample()
{
    if (!minute_.isActive())
        return;
    minute_.stop();
    take();
}

void ResidentMemory::take()
{
    samples_.push_back({clock_.elapsed() / 60000.0, currentMegabytes()});
}

std::optional<double> ResidentMemory::growth() const
{
    if (samples_.size() < 2)
        return std::nullopt;
    return samples_.back().megabytes - samples_.front().megabytes;
}

std::optional<double> ResidentMemory::slope() const
{
    if (samples_.size() < 2 || samples_.back().minutes - samples_.front().minutes < 1)
        return std::nullopt;
    double meanX = 0;
    double meanY = 0;
    for (const Sample &sample : samples_) {
        meanX += sample.minutes;
        meanY += sample.megabytes;
    }
    meanX /= double(samples_.size());
    meanY /= double(samples_.size());
    double covariance = 0;
    double variance = 0;
    for (const Sample &sample : samples_) {
        covariance += (sample.minutes - meanX) * (sample.megabytes - meanY);
        variance += (sample.minutes - meanX) * (sample.minutes - meanX);
    }
    return variance > 0 ? covariance / variance : 0.0;
}

double ResidentMemory::currentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression line(QStringLiteral("^VmRSS:\\s*(\\d+) kB"),
                                         QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}
