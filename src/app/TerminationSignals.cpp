#include "TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// The handler only writes a byte; the GUI thread reads it and does the work.
int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void closeOnTerminationSignals(QWidget *window)
{
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalPipe[0], &byte, 1);
        // Nobody may be there to answer: message boxes the close itself opens are closed too.
        const auto closeModals = [window] {
            while (QWidget *modal = QApplication::activeModalWidget()) {
                if (modal == window || !modal->close())
                    break;
            }
        };
        auto *answerer = new QTimer(window);
        QObject::connect(answerer, &QTimer::timeout, window, closeModals);
        answerer->start(50);
        closeModals();
        window->close();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
