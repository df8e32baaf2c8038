#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <optional>
#include <vector>

// The resident memory of this process (VmRSS), sampled once a minute from the moment the object
// is made, with a line on standard output for each sample.
class ResidentMemory
{
public:
    struct Sample {
        double minutes;
        double megabytes;
    };

    ResidentMemory();

    // Takes the last sample, at the end of the run; later calls do nothing.
    void takeLastSample();
    const std::vector<Sample> &samples() const { return samples_; }

    // From the sample at minute 1 to the last: the growth in MB, and the least-squares slope of
    // the samples in MB a minute. Nothing before the second sample, and no slope while the
    // samples span less than a minute.
    std::optional<double> growth() const;
    std::optional<double> slope() const;

    // The process's VmRSS now, in MB (MiB).
    static double currentMegabytes();

private:
    void take();

    QElapsedTimer clock_;
    QTimer minute_;
    std::vector<Sample> samples_;
};
