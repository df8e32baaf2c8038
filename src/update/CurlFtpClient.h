#pragma once

#include "FtpClient.h"
#include "FtpSettings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <curl/curl.h>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class QEventLoop;
class QSocketNotifier;

// The FTP client on libcurl's multi interface, driven from the event loop of the thread that
// owns it: passive mode, binary transfers, one control connection from login to logout.
//
// A session is a series of requests on one easy handle, and libcurl keeps the control
// connection in its cache between them: the login (a request without a transfer), the
// downloads, and the logout (a QUIT). login() runs the event loop until the server has said its
// first word or the connection has failed, so that it can tell at once whether the connection
// could be opened. A command or transfer that makes no progress for the time-out ends with
// scTimeout.
//
// After a time-out during a download, or an error reply, libcurl may have closed the control
// connection where the program expects the session to stay: logged in and idle, or (after a
// refused login) connected and not logged in. The session is then kept without a connection:
// login() does nothing, retrieve() refuses, and logout() or abort() end it.
class CurlFtpClient : public FtpClient
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kTimeout{60000};

    explicit CurlFtpClient(const FtpSettings &settings,
                           std::chrono::milliseconds timeout = kTimeout, QObject *parent = nullptr);
    ~CurlFtpClient() override;

    bool login() override;
    bool retrieve(const QString &remotePath, const QString &localPath, RetrieveMode mode) override;
    void logout() override;
    bool inProgress() const override;
    bool isConnected() const override;
    void abort() override;
    qint64 bytesTransferred() const override { return bytes_; }
    QString serverAddress() const override { return settings_.host; }

private:
    enum class Phase { Closed, Connecting, LoggingIn, Idle, Transferring, LoggingOut, Kept };
    enum class Request { Login, Retrieve, Logout };

    struct Reply {
        int code = 0;
        QString text;
    };

    struct SocketWatch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    static int socketCallback(CURL *easy, curl_socket_t socket, int what, void *client, void *);
    static int timerCallback(CURLM *multi, long timeoutMs, void *client);
    static size_t headerCallback(char *data, size_t size, size_t count, void *client);
    static size_t writeCallback(char *data, size_t size, size_t count, void *client);
    static curl_socket_t openSocketCallback(void *client, curlsocktype, curl_sockaddr *address);
    static int closeSocketCallback(void *client, curl_socket_t socket);

    bool openSession();
    void startRequest(Request request, const QString &remotePath);
    void finishRequest(CURLcode result);
    // Reports a time-out or an error reply; true for an error reply.
    bool reportFailure(CURLcode result);
    void enterIdle();
    // Closes the session and reports how it ended: scLogout for a logged-in session, scClose
    // for one that was not, nothing while login() is still waiting.
    void endSession();
    void keepSession();
    void closeSession(Phase after = Phase::Closed);

    void watchSocket(curl_socket_t socket, int what);
    void unwatchSocket(curl_socket_t socket);
    void onSocketReady(curl_socket_t socket, int events);
    void onCurlTimer();
    void onControlReadable();
    void onWatchdog();
    void afterCurl();
    void finishedRequests();
    bool stalled() const;
    bool holdEndOfDownload(qint64 length);
    void releaseEndOfDownload();
    bool replyArrived() const;

    void receiveReplyLine(const QByteArray &line);
    void noteProgress() { progress_.start(); }
    void setPhase(Phase phase);
    // Lets every wait of login() and logout() look again at what it waits for.
    void wake();
    void waitWhile(const std::function<bool()> &busy);
    void post(StatusCode code, const QString &text = QString());
    // Runs report from the event loop, as every status and error report comes.
    void deliver(std::function<void()> report);

    const FtpSettings settings_;
    const std::chrono::milliseconds timeout_;
    const std::unique_ptr<curl_slist, void (*)(curl_slist *)> quitCommand_;

    Phase phase_ = Phase::Closed;
    bool loggedIn_ = false;
    Request request_ = Request::Login;
    CURLM *multi_ = nullptr;
    CURL *easy_ = nullptr;
    std::map<curl_socket_t, SocketWatch> watches_;
    std::set<curl_socket_t> openSockets_;
    curl_socket_t controlSocket_ = CURL_SOCKET_BAD;
    // Reads the control connection while libcurl does not: while idle, and while the end of a
    // download waits for its reply.
    QSocketNotifier *controlWatch_ = nullptr;
    bool holdingEnd_ = false;
    QTimer curlTimer_;
    QTimer watchdog_;
    QElapsedTimer progress_;
    Reply lastReply_;
    // All the reply lines of the session libcurl has handed over, in bytes.
    qint64 replyBytes_ = 0;
    QFile file_;
    qint64 bytes_ = 0;
    qint64 reportedBytes_ = 0;
    int undelivered_ = 0;
    std::vector<QEventLoop *> waits_;
};
