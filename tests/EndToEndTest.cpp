// The real program against the tester simulator: what the tester receives.

#include "support/ProgramFolder.h"
#include "support/QStringPrinter.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>

namespace
{

// One output report as the simulator recorded it.
struct Received {
    double ms;
    int length;
    QString command;
};

QList<Received> readRecord(const QString &fileName)
{
    QList<Received> lines;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() >= 3)
            lines.append({parts[0].toDouble(), parts[1].toInt(), QString::fromLatin1(parts[2])});
    }
    return lines;
}

class EndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The program runs from a folder of its own, which is its program folder.
        program = programFolder.file(QStringLiteral("Orvalux"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVALUX_BINARY), program));
        programFolder.write(QStringLiteral("Update.ini"), "[FTP]\nHost=127.0.0.1\nPort=1\n");
    }

    void TearDown() override
    {
        for (QProcess *process : {&orvalux, &simulator}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    void startSimulator(const QStringList &options)
    {
        simulator.start(QStringLiteral(TESTER_SIM_BINARY),
                        QStringList{QStringLiteral("--headless"), QStringLiteral("--folder"),
                                    devices.path(), QStringLiteral("--record"), record()} +
                            options);
        ASSERT_TRUE(simulator.waitForStarted());
        ASSERT_TRUE(waitUntil(
            [&] { return !QDir(devices.path()).entryList({"*.sock"}, QDir::System).isEmpty(); }));
    }

    void startProgram()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORVALUX_VIRTUAL_HID"), devices.path());
        environment.insert(QStringLiteral("ORVALUX_LOG"), log());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        orvalux.setProcessEnvironment(environment);
        orvalux.start(program, {});
        ASSERT_TRUE(orvalux.waitForStarted());
    }

    // Ends the program as a session logout would and returns its exit code.
    int stopProgram()
    {
        ::kill(pid_t(orvalux.processId()), SIGTERM);
        return orvalux.waitForFinished(10000) && orvalux.exitStatus() == QProcess::NormalExit
                   ? orvalux.exitCode()
                   : -1;
    }

    QString record() const { return devices.path() + QStringLiteral("/received.txt"); }
    QString log() const { return programFolder.file(QStringLiteral("orvalux.log")); }

    ProgramFolder programFolder;
    QTemporaryDir devices;
    QString program;
    QProcess simulator;
    QProcess orvalux;
};

TEST_F(EndToEndTest, FollowsALiveFunctionOfTheSimulator)
{
    startSimulator({QStringLiteral("--function"), QStringLiteral("OIL_"),
                    QStringLiteral("--reading"), QStringLiteral("0123")});
    startProgram();
    // Three function polls: the third comes three seconds after the connection.
    ASSERT_TRUE(waitUntil(
        [&] {
            const QList<Received> lines = readRecord(record());
            return std::count_if(lines.begin(), lines.end(), [](const Received &r) {
                       return r.command == QLatin1String("KLT37_FUNC|");
                   }) >= 3;
        },
        15000));
    EXPECT_EQ(stopProgram(), 0);

    const QList<Received> lines = readRecord(record());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first().command, QStringLiteral("KLT37_VERS|"));
    for (const Received &line : lines)
        EXPECT_EQ(line.length, 65) << line.command.toStdString();

    QList<double> polls;
    QList<double> readings;
    for (const Received &line : lines) {
        if (line.command == QLatin1String("KLT37_FUNC|"))
            polls << line.ms;
        else if (line.command == QLatin1String("KLT37_OIL_|"))
            readings << line.ms;
    }
    // One poll a second, and readings requested one after the other once the oil screen is on.
    for (int i = 1; i < polls.size(); ++i)
        EXPECT_NEAR(polls[i] - polls[i - 1], 1000.0, 500.0);
    ASSERT_GE(readings.size(), 5);
    EXPECT_GT(readings.first(), polls.first());
    for (int i = 1; i < readings.size(); ++i)
        EXPECT_GE(readings[i] - readings[i - 1], 100.0) << "at most one request per tick";

    QFile mirror(log());
    ASSERT_TRUE(mirror.open(QIODevice::ReadOnly));
    const QString shown = QString::fromUtf8(mirror.readAll());
    EXPECT_TRUE(shown.contains(QStringLiteral("Tester détecté...")));
}

} // namespace
