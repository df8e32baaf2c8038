#pragma once

#include <QObject>

class Workshop;

// The update checks: each an activation of the main window, whose check must reach the FTP
// server and end with a logout that the server has seen.
class UpdateChecks
{
public:
    explicit UpdateChecks(Workshop &workshop);

    // Activates the window and waits until its check, and any other under way, has logged out.
    void check();
    // The checks that have logged out so far, the window's own ones included.
    int completed() const { return logouts_; }

private:
    Workshop &workshop_;
    int logins_ = 0;
    int logouts_ = 0;
    // Ends the connection to the FTP client with the object.
    QObject receiver_;
};
