#include "SoakSteps.h"

#include "support/WaitUntil.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

void require(bool condition, const QString &failure)
{
    if (!condition)
        throw SoakFailure(failure);
}

void waitFor(const std::function<bool()> &condition, int timeoutMs, const QString &failure)
{
    require(waitUntil(condition, timeoutMs), failure);
}

void runUntil(const QDeadlineTimer &deadline)
{
    if (deadline.hasExpired())
        return;
    QEventLoop loop;
    QTimer::singleShot(deadline.remainingTime(), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
