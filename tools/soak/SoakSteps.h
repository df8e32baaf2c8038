#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

class QDeadlineTimer;

// A step of the soak that did not go as it must; the run ends with its message.
class SoakFailure : public std::runtime_error
{
public:
    explicit SoakFailure(const QString &what) : std::runtime_error(what.toStdString()) {}
};

// Fails with the message unless the condition holds.
void require(bool condition, const QString &failure);
// Runs the event loop until the condition holds; fails with the message after timeoutMs.
void waitFor(const std::function<bool()> &condition, int timeoutMs, const QString &failure);
// Runs the event loop until the deadline; the program's timers and the tester work meanwhile.
void runUntil(const QDeadlineTimer &deadline);
