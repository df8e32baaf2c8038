#include "QuitOnSignal.h"
#include "ReportRecorder.h"
#include "TesterModel.h"
#include "TesterOptions.h"
#include "TesterServer.h"
#include "TesterWindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{

bool wantsHeadless(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0)
            return true;
    }
    return false;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "tester-sim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Headless runs need no display, so they get no GUI application.
    const std::unique_ptr<QCoreApplication> application =
        wantsHeadless(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                  : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tester-sim"));
    const QuitOnSignal quitOnSignal;

    QCommandLineParser parser;
    addTesterOptions(parser);
    parser.process(*application);
    TesterModel model;
    TesterOptions options;
    const QString complaint = readTesterOptions(parser, options, model);
    if (!complaint.isEmpty())
        return fail(complaint);

    ReportRecorder recorder;
    TesterServer server;
    server.setIdentity(options.identity);
    server.setModel(&model);
    server.setAnswerDelay(options.answerDelay);
    if (!options.recordPath.isEmpty()) {
        if (!recorder.open(options.recordPath))
            return fail(options.recordPath + QStringLiteral(": ") + recorder.errorString());
        QObject::connect(&server, &TesterServer::outputReportReceived,
                         [&recorder](const QByteArray &report) { recorder.record(report); });
    }
    if (!server.plug(options.socketPath))
        return fail(options.socketPath + QStringLiteral(": ") + server.errorString());

    std::unique_ptr<TesterWindow> window;
    if (!options.headless) {
        window = std::make_unique<TesterWindow>(model, server, options.socketPath);
        window->show();
    }
    const int status = QCoreApplication::exec();
    server.unplug();
    return status;
}
