#pragma once

#include <QObject>
#include <QString>

// The connection to the update server: one FTP session at a time, from login to logout, on the
// account the client was set up with. Every call returns at once except logout(), which waits
// for the end of the session with the event loop running; what happens on the network is
// reported later through ftpStatus() and ftpError(), from the event loop.
class FtpClient : public QObject
{
    Q_OBJECT

public:
    // The status codes, with the values the program's handler is written for.
    enum StatusCode {
        scClose = 0,      // a connection that was not logged in has been closed
        scOpen = 1,       // the server's greeting (220) has arrived; the text is the greeting
        scLogout = 2,     // a logged-in connection has been closed
        scLogin = 3,      // the server has accepted the login (230); the client is idle
        scComplete = 4,   // a command other than a transfer has completed (250)
        scCurrentDir = 5, // the server has named the current folder (the text)
        scDataAvail = 6,  // listing or status text has arrived (the text)
        scProgress = 7,   // a block of download data has been received and written
        scTransferOK = 8, // a download has ended with all its data; the client is idle
        // Nothing happened for the time-out while a command or transfer ran. The transfer is
        // ended; a session not yet logged in is closed (scClose follows), a logged-in one is
        // left idle.
        scTimeout = 9,
    };
    Q_ENUM(StatusCode)

    // The only way the program retrieves: the local file is deleted and created anew.
    enum class RetrieveMode { Replace };

    using QObject::QObject;

    // Opens the connection and logs in; the outcome is reported by status codes. Returns false,
    // with nothing reported, when the connection cannot be opened. While a connection is open
    // or being opened it does nothing and returns true.
    virtual bool login() = 0;
    // Starts downloading remotePath into localPath, which is written as the data arrives.
    // Returns false, starting nothing, unless the client is logged in and idle and both paths
    // are given. A path without a leading "/" is taken from the folder the login ended in.
    virtual bool retrieve(const QString &remotePath, const QString &localPath,
                          RetrieveMode mode) = 0;
    // Logs out and returns once the connection is closed; the event loop runs meanwhile.
    virtual void logout() = 0;
    // True while a command or transfer is under way.
    virtual bool inProgress() const = 0;
    // True while a connection exists, from login() until it is closed.
    virtual bool isConnected() const = 0;
    // Ends what is under way and closes the connection at once, without logging out. Nothing
    // is reported.
    virtual void abort() = 0;
    // The bytes of the current or last download received so far.
    virtual qint64 bytesTransferred() const = 0;
    // The server's address as configured.
    virtual QString serverAddress() const = 0;

signals:
    void ftpStatus(FtpClient::StatusCode code, const QString &text);
    // The server answered with a reply code of 300 or more, or 202. A transfer under way has
    // been ended; a logged-in client is left idle.
    void ftpError(int code, const QString &text);
};
