#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{

constexpr std::array<int, 2> Signals{SIGTERM, SIGINT};

} // namespace

int QuitOnSignal::pipe_[2] = {-1, -1};

QuitOnSignal::QuitOnSignal(QObject *parent) : QObject(parent)
{
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        qFatal("Cannot make the signal pipe");
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        char byte;
        while (::read(pipe_[0], &byte, 1) == 1) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = &QuitOnSignal::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals)
        sigaction(signal, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal()
{
    for (const int signal : Signals)
        std::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
    pipe_[0] = pipe_[1] = -1;
}

void QuitOnSignal::handle(int)
{
    // Only what is safe in a signal handler: one write.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipe_[1], &byte, 1);
}
