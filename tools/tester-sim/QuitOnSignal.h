#pragma once

#include <QObject>

class QSocketNotifier;

// Quits the application's event loop on SIGTERM and SIGINT, so that the simulator ends as after
// a normal quit and removes its socket file. One at a time.
class QuitOnSignal : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject *parent = nullptr);
    ~QuitOnSignal() override;

private:
    static void handle(int signal);

    static int pipe_[2];
    QSocketNotifier *notifier_;
};
