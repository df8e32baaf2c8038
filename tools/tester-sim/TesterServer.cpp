#include "TesterServer.h"

#include "TesterModel.h"
#include "link/TesterIdentity.h"

#include <QFile>
#include <QLocalSocket>
#include <QTimer>

namespace
{

constexpr int ReportDataLength = 64;
constexpr int CommandLength = 11;

} // namespace

TesterServer::TesterServer(QObject *parent) : QObject(parent)
{
    connect(&server_, &QLocalServer::newConnection, this, &TesterServer::acceptConnection);
}

TesterServer::~TesterServer()
{
    blockSignals(true);
    unplug();
}

VirtualIdentity TesterServer::testerIdentity()
{
    return {kTesterVendorId,
            kTesterProductId,
            QString::fromLatin1(kTesterProduct),
            QString::fromLatin1(kTesterVendor),
            ReportDataLength + 1,
            ReportDataLength + 1};
}

bool TesterServer::plug(const QString &socketPath)
{
    unplug();
    QLocalServer::removeServer(socketPath);
    return server_.listen(socketPath);
}

void TesterServer::unplug()
{
    closeConnection();
    if (!server_.isListening())
        return;
    const QString path = server_.fullServerName();
    server_.close();
    QFile::remove(path);
}

bool TesterServer::sendReport(const QByteArray &report)
{
    if (client_.isNull() || report.size() > VirtualFrame::MaxPayloadSize)
        return false;
    client_->write(VirtualFrame::encode(VirtualFrame::InputReport, report));
    client_->flush();
    return true;
}

bool TesterServer::sendAnswer(const QByteArray &text)
{
    QByteArray report = '\0' + text.left(ReportDataLength);
    report.append(ReportDataLength + 1 - report.size(), '\0');
    return sendReport(report);
}

void TesterServer::acceptConnection()
{
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        if (!client_.isNull()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        client_ = socket;
        decoder_ = VirtualFrameDecoder();
        connect(socket, &QLocalSocket::readyRead, this, &TesterServer::readFrames);
        connect(socket, &QLocalSocket::disconnected, this, &TesterServer::closeConnection,
                Qt::QueuedConnection);
        socket->write(VirtualFrame::encode(VirtualFrame::Identity, identity_.toJson()));
        socket->flush();
        emit connectionChanged(true);
    }
}

void TesterServer::readFrames()
{
    // A connection that went while its data was on the way is no longer open for reading.
    if (client_.isNull() || !client_->isReadable())
        return;
    const bool readable = decoder_.feed(client_->readAll(), [this](const VirtualFrame &frame) {
        if (frame.kind != VirtualFrame::OutputReport)
            return false;
        emit outputReportReceived(frame.payload);
        answer(frame.payload);
        return true;
    });
    if (!readable)
        closeConnection();
}

void TesterServer::answer(const QByteArray &report)
{
    if (model_ == nullptr)
        return;
    const QByteArray text = model_->answer(report.mid(1, CommandLength));
    if (text.isEmpty())
        return;
    if (answerDelay_ <= 0) {
        sendAnswer(text);
        return;
    }
    // The answer goes only to the connection that asked.
    QLocalSocket *asking = client_;
    QTimer::singleShot(answerDelay_, asking, [this, asking, text] {
        if (client_ == asking)
            sendAnswer(text);
    });
}

void TesterServer::closeConnection()
{
    if (client_.isNull())
        return;
    QLocalSocket *socket = client_;
    client_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    emit connectionChanged(false);
}
