#pragma once

#include "link/VirtualFrame.h"

#include <QLocalServer>
#include <QObject>
#include <QPointer>

class QLocalSocket;
class TesterModel;

// The tester's end of a virtual tester socket: listens on it, tells the tester's identity to
// the program that connects, and answers its commands. One program at a time is served; a
// further connection is closed at once.
class TesterServer : public QObject
{
    Q_OBJECT

public:
    explicit TesterServer(QObject *parent = nullptr);
    ~TesterServer() override;

    // The identity of the real tester.
    static VirtualIdentity testerIdentity();
    void setIdentity(const VirtualIdentity &identity) { identity_ = identity; }
    // Answers each command from the model, which must outlive the server; without a model
    // nothing is answered by itself.
    void setModel(const TesterModel *model) { model_ = model; }
    // Milliseconds from a command to its answer; 0 answers at once.
    void setAnswerDelay(int milliseconds) { answerDelay_ = milliseconds; }

    // Listens on the socket file, replacing a stale one; false with errorString() if not.
    bool plug(const QString &socketPath);
    // Closes the connection and removes the socket file.
    void unplug();
    bool isPlugged() const { return server_.isListening(); }
    bool isConnected() const { return !client_.isNull(); }
    QString errorString() const { return server_.errorString(); }

    // Sends one input report, report ID byte first; false when no program is connected.
    bool sendReport(const QByteArray &report);
    // Sends an answer text as the tester does: report ID 0, then the text filled up with zero
    // bytes to 64 data bytes.
    bool sendAnswer(const QByteArray &text);

signals:
    void connectionChanged(bool connected);
    // Each output report of the program, report ID byte first.
    void outputReportReceived(const QByteArray &report);

private:
    void acceptConnection();
    void readFrames();
    void answer(const QByteArray &report);
    void closeConnection();

    QLocalServer server_;
    QPointer<QLocalSocket> client_;
    VirtualFrameDecoder decoder_;
    VirtualIdentity identity_ = testerIdentity();
    const TesterModel *model_ = nullptr;
    int answerDelay_ = 0;
};
