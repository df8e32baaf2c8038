#include "CurlFtpClient.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace
{

// How long libcurl may keep the idle control connection for the next request, in seconds: for
// the whole session, so that it never replaces the connection by a new one of its own.
constexpr long kConnectionAge = 24 * 60 * 60;

void discard(QSocketNotifier *&notifier)
{
    if (notifier == nullptr)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
}

} // namespace

CurlFtpClient::CurlFtpClient(const FtpSettings &settings, std::chrono::milliseconds timeout,
                             QObject *parent)
    : FtpClient(parent), settings_(settings), timeout_(timeout),
      quitCommand_(curl_slist_append(nullptr, "QUIT"), curl_slist_free_all)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    curlTimer_.setSingleShot(true);
    connect(&curlTimer_, &QTimer::timeout, this, &CurlFtpClient::onCurlTimer);
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, &CurlFtpClient::onWatchdog);
}

CurlFtpClient::~CurlFtpClient()
{
    closeSession();
    curl_global_cleanup();
}

bool CurlFtpClient::login()
{
    if (phase_ != Phase::Closed)
        return true;
    if (!openSession())
        return false;
    setPhase(Phase::Connecting);
    startRequest(Request::Login, QString());
    // The connection counts as opened once the server has said its first word.
    waitWhile([this] { return phase_ == Phase::Connecting; });
    return phase_ != Phase::Closed;
}

bool CurlFtpClient::retrieve(const QString &remotePath, const QString &localPath, RetrieveMode)
{
    if (phase_ != Phase::Idle || remotePath.isEmpty() || localPath.isEmpty())
        return false;
    QFile::remove(localPath);
    file_.setFileName(localPath);
    if (!file_.open(QIODevice::WriteOnly))
        return false;
    bytes_ = 0;
    reportedBytes_ = 0;
    controlWatch_->setEnabled(false);
    setPhase(Phase::Transferring);
    startRequest(Request::Retrieve, remotePath);
    return true;
}

void CurlFtpClient::logout()
{
    if (phase_ == Phase::Idle) {
        controlWatch_->setEnabled(false);
        setPhase(Phase::LoggingOut);
        startRequest(Request::Logout, QString());
    } else if (phase_ != Phase::LoggingOut && phase_ != Phase::Closed) {
        endSession();
    }
    // The report of the end of the session comes before logout() returns.
    waitWhile([this] { return phase_ != Phase::Closed || undelivered_ > 0; });
}

bool CurlFtpClient::inProgress() const
{
    return phase_ != Phase::Closed && phase_ != Phase::Idle && phase_ != Phase::Kept;
}

bool CurlFtpClient::isConnected() const
{
    return phase_ != Phase::Closed;
}

void CurlFtpClient::abort()
{
    closeSession();
}

bool CurlFtpClient::openSession()
{
    multi_ = curl_multi_init();
    easy_ = curl_easy_init();
    if (multi_ == nullptr || easy_ == nullptr) {
        closeSession();
        return false;
    }
    curl_multi_setopt(multi_, CURLMOPT_SOCKETFUNCTION, &CurlFtpClient::socketCallback);
    curl_multi_setopt(multi_, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi_, CURLMOPT_TIMERFUNCTION, &CurlFtpClient::timerCallback);
    curl_multi_setopt(multi_, CURLMOPT_TIMERDATA, this);

    curl_easy_setopt(easy_, CURLOPT_USERNAME, settings_.user.toUtf8().constData());
    curl_easy_setopt(easy_, CURLOPT_PASSWORD, settings_.password.toUtf8().constData());
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    // Giving up a name look-up must not wait for the resolver thread.
    curl_easy_setopt(easy_, CURLOPT_QUICK_EXIT, 1L);
    // Passive mode is libcurl's default (EPSV, then PASV). The paths go to the server as given,
    // in RETR, without changing its current folder.
    curl_easy_setopt(easy_, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(easy_, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(easy_, CURLOPT_MAXAGE_CONN, kConnectionAge);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &CurlFtpClient::headerCallback);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlFtpClient::writeCallback);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy_, CURLOPT_OPENSOCKETFUNCTION, &CurlFtpClient::openSocketCallback);
    curl_easy_setopt(easy_, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(easy_, CURLOPT_CLOSESOCKETFUNCTION, &CurlFtpClient::closeSocketCallback);
    curl_easy_setopt(easy_, CURLOPT_CLOSESOCKETDATA, this);
    return true;
}

void CurlFtpClient::startRequest(Request request, const QString &remotePath)
{
    request_ = request;
    lastReply_ = Reply();
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(settings_.host);
    url.setPort(settings_.port);
    // A leading "/" of the remote path makes it absolute ("ftp://host//folder/file").
    url.setPath(QLatin1Char('/') + remotePath);
    curl_easy_setopt(easy_, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(easy_, CURLOPT_NOBODY, request == Request::Retrieve ? 0L : 1L);
    curl_easy_setopt(easy_, CURLOPT_QUOTE,
                     request == Request::Logout ? quitCommand_.get() : nullptr);
    noteProgress();
    watchdog_.start(timeout_);
    curl_multi_add_handle(multi_, easy_);
}

void CurlFtpClient::finishRequest(CURLcode result)
{
    // The socket of the connection libcurl keeps for the next request; none when it closed it.
    curl_socket_t kept = CURL_SOCKET_BAD;
    curl_easy_getinfo(easy_, CURLINFO_ACTIVESOCKET, &kept);
    curl_multi_remove_handle(multi_, easy_);
    watchdog_.stop();
    file_.close();

    switch (request_) {
    case Request::Login:
        if (result == CURLE_OK && kept != CURL_SOCKET_BAD) {
            loggedIn_ = true;
            controlSocket_ = kept;
            controlWatch_ = new QSocketNotifier(kept, QSocketNotifier::Read, this);
            connect(controlWatch_, &QSocketNotifier::activated, this,
                    &CurlFtpClient::onControlReadable);
            enterIdle();
            post(scLogin);
            return;
        }
        // A refused login leaves the session open, not logged in.
        if (phase_ != Phase::Connecting && reportFailure(result))
            keepSession();
        else
            endSession();
        return;
    case Request::Retrieve: {
        if (result == CURLE_OK)
            post(scTransferOK);
        // After a time-out or an error reply the session stays logged in and idle.
        const bool stays =
            result != CURLE_OK && (reportFailure(result) || result == CURLE_OPERATION_TIMEDOUT);
        if (kept == controlSocket_)
            enterIdle();
        else if (stays)
            keepSession();
        else
            endSession();
        return;
    }
    case Request::Logout:
        endSession();
        return;
    }
}

bool CurlFtpClient::reportFailure(CURLcode result)
{
    if (result == CURLE_OPERATION_TIMEDOUT) {
        post(scTimeout);
        return false;
    }
    const Reply reply = lastReply_;
    if (reply.code < 300 && reply.code != 202)
        return false;
    deliver([this, reply] { emit ftpError(reply.code, reply.text); });
    return true;
}

void CurlFtpClient::enterIdle()
{
    setPhase(Phase::Idle);
    controlWatch_->setEnabled(true);
}

void CurlFtpClient::endSession()
{
    const bool reported = phase_ != Phase::Connecting && phase_ != Phase::Closed;
    const bool loggedIn = loggedIn_;
    closeSession();
    if (reported)
        post(loggedIn ? scLogout : scClose);
}

void CurlFtpClient::keepSession()
{
    closeSession(Phase::Kept);
}

void CurlFtpClient::closeSession(Phase after)
{
    watchdog_.stop();
    curlTimer_.stop();
    holdingEnd_ = false;
    discard(controlWatch_);
    // Whatever libcurl still has to say on these sockets (a QUIT as it closes its connection
    // cache, for one) then fails at once instead of waiting for the server.
    for (const curl_socket_t socket : openSockets_)
        ::shutdown(socket, SHUT_RDWR);
    if (easy_ != nullptr) {
        if (multi_ != nullptr)
            curl_multi_remove_handle(multi_, easy_);
        curl_easy_cleanup(std::exchange(easy_, nullptr));
    }
    if (multi_ != nullptr)
        curl_multi_cleanup(std::exchange(multi_, nullptr));
    for (auto &[socket, watch] : watches_) {
        discard(watch.read);
        discard(watch.write);
    }
    watches_.clear();
    file_.close();
    controlSocket_ = CURL_SOCKET_BAD;
    replyBytes_ = 0;
    if (after == Phase::Closed)
        loggedIn_ = false;
    setPhase(after);
}

int CurlFtpClient::socketCallback(CURL *, curl_socket_t socket, int what, void *client, void *)
{
    static_cast<CurlFtpClient *>(client)->watchSocket(socket, what);
    return 0;
}

int CurlFtpClient::timerCallback(CURLM *, long timeoutMs, void *client)
{
    auto *self = static_cast<CurlFtpClient *>(client);
    if (timeoutMs < 0)
        self->curlTimer_.stop();
    else
        self->curlTimer_.start(int(timeoutMs));
    return 0;
}

size_t CurlFtpClient::headerCallback(char *data, size_t size, size_t count, void *client)
{
    static_cast<CurlFtpClient *>(client)->receiveReplyLine(
        QByteArray(data, qsizetype(size * count)));
    return size * count;
}

size_t CurlFtpClient::writeCallback(char *data, size_t size, size_t count, void *client)
{
    auto *self = static_cast<CurlFtpClient *>(client);
    const qint64 length = qint64(size * count);
    if (self->holdEndOfDownload(length))
        return CURL_WRITEFUNC_PAUSE;
    self->noteProgress();
    if (self->file_.write(data, length) != length)
        return 0;
    self->bytes_ += length;
    return size * count;
}

curl_socket_t CurlFtpClient::openSocketCallback(void *client, curlsocktype, curl_sockaddr *address)
{
    // Not inherited by the programs the window starts.
    const curl_socket_t socket =
        ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (socket != CURL_SOCKET_BAD)
        static_cast<CurlFtpClient *>(client)->openSockets_.insert(socket);
    return socket;
}

int CurlFtpClient::closeSocketCallback(void *client, curl_socket_t socket)
{
    auto *self = static_cast<CurlFtpClient *>(client);
    self->unwatchSocket(socket);
    self->openSockets_.erase(socket);
    return ::close(socket);
}

void CurlFtpClient::watchSocket(curl_socket_t socket, int what)
{
    if (what == CURL_POLL_REMOVE) {
        unwatchSocket(socket);
        return;
    }
    SocketWatch &watch = watches_[socket];
    if (watch.read == nullptr) {
        watch.read = new QSocketNotifier(socket, QSocketNotifier::Read, this);
        watch.write = new QSocketNotifier(socket, QSocketNotifier::Write, this);
        connect(watch.read, &QSocketNotifier::activated, this,
                [this, socket] { onSocketReady(socket, CURL_CSELECT_IN); });
        connect(watch.write, &QSocketNotifier::activated, this,
                [this, socket] { onSocketReady(socket, CURL_CSELECT_OUT); });
    }
    watch.read->setEnabled(what == CURL_POLL_IN || what == CURL_POLL_INOUT);
    watch.write->setEnabled(what == CURL_POLL_OUT || what == CURL_POLL_INOUT);
}

void CurlFtpClient::unwatchSocket(curl_socket_t socket)
{
    const auto found = watches_.find(socket);
    if (found == watches_.end())
        return;
    discard(found->second.read);
    discard(found->second.write);
    watches_.erase(found);
}

void CurlFtpClient::onSocketReady(curl_socket_t socket, int events)
{
    if (multi_ == nullptr)
        return;
    int running = 0;
    curl_multi_socket_action(multi_, socket, events, &running);
    afterCurl();
}

void CurlFtpClient::onCurlTimer()
{
    if (multi_ == nullptr)
        return;
    int running = 0;
    curl_multi_socket_action(multi_, CURL_SOCKET_TIMEOUT, 0, &running);
    afterCurl();
}

void CurlFtpClient::onControlReadable()
{
    if (phase_ == Phase::Idle) {
        // The server ends an idle session (its idle time-out, say) by closing the connection.
        endSession();
        return;
    }
    if (holdingEnd_)
        releaseEndOfDownload();
}

void CurlFtpClient::onWatchdog()
{
    const std::chrono::milliseconds quiet(progress_.elapsed());
    if (quiet < timeout_) {
        watchdog_.start(timeout_ - quiet);
        return;
    }
    if (phase_ == Phase::Connecting) {
        // login() reports that the connection could not be opened.
        closeSession();
        return;
    }
    post(scTimeout);
    if (phase_ == Phase::Transferring)
        keepSession();
    else
        endSession();
}

void CurlFtpClient::afterCurl()
{
    if (bytes_ != reportedBytes_) {
        reportedBytes_ = bytes_;
        post(scProgress);
    }
    finishedRequests();
    if (stalled()) {
        // libcurl (7.88) can leave a request waiting for nothing: when the reply to EPSV or PASV
        // comes at once, the data connection is not started until the request runs again.
        // Running every request once, with its sockets updated, starts it.
        int running = 0;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        curl_multi_socket_all(multi_, &running);
#pragma GCC diagnostic pop
        finishedRequests();
    }
}

void CurlFtpClient::finishedRequests()
{
    int left = 0;
    while (multi_ != nullptr) {
        const CURLMsg *message = curl_multi_info_read(multi_, &left);
        if (message == nullptr)
            break;
        if (message->msg == CURLMSG_DONE)
            finishRequest(message->data.result);
    }
}

// A request under way that libcurl neither watches a socket nor keeps a timer for, except a
// download whose end is held back.
bool CurlFtpClient::stalled() const
{
    if (!inProgress() || holdingEnd_ || curlTimer_.isActive())
        return false;
    return std::none_of(watches_.begin(), watches_.end(), [](const auto &entry) {
        return entry.second.read->isEnabled() || entry.second.write->isEnabled();
    });
}

// Once libcurl has read the end of a download's data, it waits for the server's reply to the
// transfer (226) without returning to the event loop. The last data of a download whose size
// the server announced is therefore held back (the transfer paused) until that reply has
// arrived, so that the wait ends at once.
bool CurlFtpClient::holdEndOfDownload(qint64 length)
{
    curl_off_t size = -1;
    curl_easy_getinfo(easy_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    if (size < 0 || bytes_ + length < size || replyArrived())
        return false;
    holdingEnd_ = true;
    controlWatch_->setEnabled(true);
    return true;
}

void CurlFtpClient::releaseEndOfDownload()
{
    controlWatch_->setEnabled(false);
    holdingEnd_ = false;
    curl_easy_pause(easy_, CURLPAUSE_CONT);
    afterCurl();
}

// libcurl reads what the control connection brings in one go, and keeps what follows the reply
// it waits for: the reply has arrived when it is in the socket, or when the connection has
// brought more than libcurl has handed over as reply lines.
bool CurlFtpClient::replyArrived() const
{
    int queued = 0;
    tcp_info connection{};
    socklen_t length = sizeof connection;
    if (::ioctl(controlSocket_, FIONREAD, &queued) != 0 ||
        ::getsockopt(controlSocket_, IPPROTO_TCP, TCP_INFO, &connection, &length) != 0 ||
        length < offsetof(tcp_info, tcpi_bytes_received) + sizeof connection.tcpi_bytes_received)
        return true;
    return queued > 0 || connection.tcpi_bytes_received > quint64(replyBytes_);
}

void CurlFtpClient::receiveReplyLine(const QByteArray &line)
{
    noteProgress();
    replyBytes_ += line.size();
    // The last line of a reply: three digits and a space.
    if (line.size() < 4 || !std::isdigit(uchar(line[0])) || !std::isdigit(uchar(line[1])) ||
        !std::isdigit(uchar(line[2])) || line[3] != ' ')
        return;
    lastReply_ = {line.left(3).toInt(), QString::fromUtf8(line).trimmed()};
    if (phase_ != Phase::Connecting)
        return;
    setPhase(Phase::LoggingIn);
    if (lastReply_.code == 220)
        post(scOpen, lastReply_.text);
}

void CurlFtpClient::setPhase(Phase phase)
{
    phase_ = phase;
    wake();
}

void CurlFtpClient::wake()
{
    for (QEventLoop *loop : waits_)
        loop->quit();
}

void CurlFtpClient::waitWhile(const std::function<bool()> &busy)
{
    while (busy()) {
        QEventLoop loop;
        waits_.push_back(&loop);
        const int result = loop.exec();
        waits_.pop_back();
        // The application is quitting: its event loops no longer run.
        if (result < 0)
            return;
    }
}

void CurlFtpClient::post(StatusCode code, const QString &text)
{
    deliver([this, code, text] { emit ftpStatus(code, text); });
}

void CurlFtpClient::deliver(std::function<void()> report)
{
    ++undelivered_;
    QMetaObject::invokeMethod(
        this,
        [this, report = std::move(report)] {
            --undelivered_;
            report();
            wake();
        },
        Qt::QueuedConnection);
}
