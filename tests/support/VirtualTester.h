#pragma once

#include "TesterModel.h"
#include "TesterServer.h"

#include <QList>

// A tester on a socket in a virtual HID folder, in the test's own process, for tests that run
// the program on the VirtualHidController. It keeps every output report it receives; it answers
// what the test sends, or, in auto-answer mode, as the simulated tester of model() does.
class VirtualTester
{
public:
    explicit VirtualTester(const QString &folder,
                           const VirtualIdentity &identity = TesterServer::testerIdentity(),
                           const QString &fileName = QStringLiteral("tester.sock"));

    QString socketPath() const { return socketPath_; }
    // Listens on the socket; the identity goes to the program as soon as it connects.
    bool plug();
    // Closes the connection and removes the socket file.
    void unplug();
    bool isConnected() const { return server_.isConnected(); }

    // The output reports received so far, report ID byte first.
    const QList<QByteArray> &received() const { return received_; }
    // One input report: report ID 0, then the data bytes as given.
    void sendReport(const QByteArray &data64);
    // One input report: report ID 0, the text, then zero bytes up to 64 data bytes.
    void answer(const QString &text);

    void setAutoAnswer(bool on);
    TesterModel &model() { return model_; }
    TesterServer &server() { return server_; }

private:
    QString socketPath_;
    TesterModel model_;
    TesterServer server_;
    QList<QByteArray> received_;
};
