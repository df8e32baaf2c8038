#include "VirtualTester.h"

#include <QDir>

VirtualTester::VirtualTester(const QString &folder, const VirtualIdentity &identity,
                             const QString &fileName)
    : socketPath_(QDir(folder).filePath(fileName))
{
    server_.setIdentity(identity);
    QObject::connect(&server_, &TesterServer::outputReportReceived, &server_,
                     [this](const QByteArray &report) { received_.append(report); });
}

bool VirtualTester::plug()
{
    return server_.plug(socketPath_);
}

void VirtualTester::unplug()
{
    server_.unplug();
}

void VirtualTester::sendReport(const QByteArray &data64)
{
    server_.sendReport('\0' + data64);
}

void VirtualTester::answer(const QString &text)
{
    server_.sendAnswer(text.toLatin1());
}

void VirtualTester::setAutoAnswer(bool on)
{
    server_.setModel(on ? &model_ : nullptr);
}
