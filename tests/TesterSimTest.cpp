#include "TesterFunctions.h"
#include "TesterModel.h"
#include "TesterServer.h"
#include "link/HidDevice.h"
#include "link/VirtualHidController.h"
#include "support/VirtualTester.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace
{

constexpr quint16 TesterVendor = 1240;
constexpr quint16 TesterProduct = 62356;

QByteArray command(const char *text)
{
    return '\0' + QByteArray(text) + QByteArray(53, '\0');
}

// The data bytes of an answer: the text, then zero bytes up to 64.
QByteArray answerData(const QByteArray &text)
{
    return text + QByteArray(64 - text.size(), '\0');
}

// --- The model ------------------------------------------------------------------------------

TEST(TesterModelTest, AnswersEachCommandAsTheTester)
{
    TesterModel model;
    const struct {
        const char *command;
        const char *answer;
    } cases[] = {
        {"KLT37_VERS|", "KLT37_VERS|105|004"},
        {"KLT37_RMLO|", "KLT37_RMLO|00004"},
        {"KLT37_FUNC|", "KLT37_FUNC|OIL_"},
        {"KLT37_COM1|", "KLT37_COM1|0125|0128|0121|0126|0124|0127"},
        {"KLT37_SADB|", "KLT37_SADB|0045|0052"},
        {"KLT37_SFUE|", "KLT37_SFUE|0035|0038"},
        {"KLT37_SCOO|", "KLT37_SCOO|0012|0015"},
        {"KLT37_SOIL|", "KLT37_SOIL|0040|0046"},
        {"KLT37_SHPD|", "KLT37_SHPD|1350|1420"},
        {"KLT37_SFSI|", "KLT37_SFSI|1200|1310"},
        // Each live function starts a quarter up its dial.
        {"KLT37_OIL_|", "KLT37_OIL_|0025"},
        {"KLT37_M003|", "KLT37_M003|1000"},
        {"KLT37_LOSS|", "KLT37_LOSS|1875"},
        {"KLT37_VACU|", "KLT37_VACU|0250"},
        {"KLT37_FUEL|", "KLT37_FUEL|0025"},
        {"KLT37_ADBL|", "KLT37_ADBL|0075"},
        {"KLT37_PART|", "KLT37_PART|0013"},
        {"KLT37_COOL|", "KLT37_COOL|0075"},
        {"KLT37_M300|", "KLT37_M300|0750"},
        {"KLT37_M2K_|", "KLT37_M2K_|0500"},
        {"KLT37_CRHP|", "KLT37_CRHP|0500"},
        {"KLT37_HPPE|", "KLT37_HPPE|0750"},
        // No answer.
        {"KLT37_MENU|", ""},
        {"KLT37_SELS|", ""},
        {"KLT37_XXXX|", ""},
        {"KLT37_FUNC_", ""},
        {"KLT38_FUNC|", ""},
        {"KLT37_FUNC", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(model.answer(c.command), QByteArray(c.answer)) << c.command;
}

TEST(TesterModelTest, AnswersWhatItIsSetTo)
{
    TesterModel model;
    model.setFunction("MENU");
    model.setFirmware(7);
    model.setLogo(123);
    model.setReadingField("VACU", "12,5");
    model.setStored("SHPD", {1800, 1950});
    model.setCompression(0, 98);
    model.setCompression(5, 10000);
    const struct {
        const char *command;
        const char *answer;
    } cases[] = {
        {"KLT37_FUNC|", "KLT37_FUNC|MENU"},
        {"KLT37_VERS|", "KLT37_VERS|007|123"},
        {"KLT37_RMLO|", "KLT37_RMLO|00123"},
        // Asked for another function than the selected one, it answers what is asked.
        {"KLT37_VACU|", "KLT37_VACU|12,5"},
        {"KLT37_SHPD|", "KLT37_SHPD|1800|1950"},
        {"KLT37_COM1|", "KLT37_COM1|0098|0128|0121|0126|0124|9999"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(model.answer(c.command), QByteArray(c.answer)) << c.command;
}

TEST(TesterModelTest, AnswersTheVersionCommandsItIsSetToAnswer)
{
    const struct {
        TesterModel::VersionAnswer mode;
        bool vers;
        bool rmlo;
    } cases[] = {
        {TesterModel::VersionAnswer::VersAndLogo, true, true},
        {TesterModel::VersionAnswer::LogoOnly, false, true},
        {TesterModel::VersionAnswer::None, false, false},
    };
    for (const auto &c : cases) {
        TesterModel model;
        model.setVersionAnswer(c.mode);
        EXPECT_EQ(!model.answer("KLT37_VERS|").isEmpty(), c.vers) << int(c.mode);
        EXPECT_EQ(!model.answer("KLT37_RMLO|").isEmpty(), c.rmlo) << int(c.mode);
    }
}

TEST(TesterFunctionsTest, TurnsReadingsInRealUnitsIntoFieldsAndBack)
{
    const struct {
        const char *code;
        double reading;
        const char *field;
    } cases[] = {
        {"OIL_", 4.7, "0047"},  {"FUEL", 10, "0100"},    {"ADBL", 29.9, "0299"},
        {"COOL", 1.5, "0015"},  {"M300", 250.5, "2505"}, {"HPPE", 300, "3000"},
        {"M2K_", 1500, "1500"}, {"CRHP", 1999, "1999"},  {"M003", -1, "0000"},
        {"M003", 0.5, "1500"},  {"M003", 3, "4000"},     {"LOSS", 100, "0000"},
        {"LOSS", 20, "2000"},   {"LOSS", 0, "2500"},     {"VACU", 850, "0850"},
        {"PART", 12, "0012"},
    };
    for (const auto &c : cases) {
        const TesterFunction *function = findTesterFunction(c.code);
        ASSERT_NE(function, nullptr) << c.code;
        EXPECT_EQ(function->field(c.reading), QByteArray(c.field)) << c.code << ' ' << c.reading;
        EXPECT_NEAR(function->reading(c.field), c.reading, 1e-9) << c.code << ' ' << c.field;
    }
    EXPECT_DOUBLE_EQ(findTesterFunction("PART")->reading("12,5"), 12.5);
    EXPECT_EQ(findTesterFunction("OIL_")->field(-3), QByteArray("0000"));
    EXPECT_EQ(findTesterFunction("M2K_")->field(12000), QByteArray("9999"));
}

TEST(TesterModelTest, SweepsEveryReadingAcrossItsDialAndBack)
{
    for (const TesterFunction &function : testerFunctions()) {
        if (!function.isLive())
            continue;
        SCOPED_TRACE(function.code);
        EXPECT_EQ(TesterModel::sweptField(function, 0), function.field(function.minimum));
        EXPECT_EQ(TesterModel::sweptField(function, TesterModel::SweepPeriod / 2),
                  function.field(function.maximum));
        EXPECT_EQ(TesterModel::sweptField(function, TesterModel::SweepPeriod),
                  function.field(function.minimum));
        double previous = function.minimum;
        for (qint64 ms = 100; ms <= TesterModel::SweepPeriod / 2; ms += 100) {
            const double reading = function.reading(TesterModel::sweptField(function, ms));
            EXPECT_GE(reading, previous - 1e-9) << ms;
            EXPECT_LE(reading, function.maximum + 1e-9) << ms;
            previous = reading;
        }
    }
    TesterModel model;
    model.setSweeping(true);
    EXPECT_EQ(model.answer("KLT37_FUNC|"), QByteArray("KLT37_FUNC|OIL_"));
    EXPECT_TRUE(model.answer("KLT37_OIL_|").startsWith("KLT37_OIL_|0"));
}

// --- The server, through the program's controller -------------------------------------------

struct Answer {
    quint8 reportId;
    QByteArray data;
};

class TesterServerTest : public ::testing::Test
{
protected:
    TesterServerTest()
    {
        QObject::connect(&hid, &HidController::deviceData,
                         [this](HidDevice *, quint8 reportId, const QByteArray &data) {
                             answers.append({reportId, data});
                         });
        QObject::connect(&server, &TesterServer::outputReportReceived, [this] { ++commands; });
        server.setModel(&model);
    }

    HidDevice *plugAndCheckOut(quint16 vendorId = TesterVendor, quint16 productId = TesterProduct)
    {
        EXPECT_TRUE(server.plug(socketPath));
        HidDevice *device = nullptr;
        waitUntil([&] { return (device = hid.checkOutByID(vendorId, productId)) != nullptr; });
        return device;
    }

    QTemporaryDir folder;
    QString socketPath = folder.filePath(QStringLiteral("tester.sock"));
    VirtualHidController hid{folder.path()};
    TesterModel model;
    TesterServer server;
    QList<Answer> answers;
    int commands = 0;
};

TEST_F(TesterServerTest, AnswersOnlyTheCommandsItKnows)
{
    HidDevice *device = plugAndCheckOut();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->productName(), QStringLiteral("Multifunction tester"));
    EXPECT_EQ(device->vendorName(), QStringLiteral("Kelvaro"));
    EXPECT_EQ(device->outputReportLength(), 65);

    device->writeOutputReport(command("KLT37_NONE|"));
    device->writeOutputReport(command("KLT37_VERS|"));
    ASSERT_TRUE(waitUntil([&] { return !answers.isEmpty(); }));
    EXPECT_EQ(answers[0].reportId, 0);
    EXPECT_EQ(answers[0].data, answerData("KLT37_VERS|105|004"));
    hid.checkIn(device);
}

TEST_F(TesterServerTest, DelaysAnswersAndSendsThemOnlyToTheConnectionThatAsked)
{
    server.setAnswerDelay(200);
    HidDevice *device = plugAndCheckOut();
    ASSERT_NE(device, nullptr);
    device->writeOutputReport(command("KLT37_FUNC|"));
    device->writeOutputReport(command("KLT37_RMLO|"));
    ASSERT_TRUE(waitUntil([&] { return answers.size() == 2; }));
    EXPECT_EQ(answers[0].data, answerData("KLT37_FUNC|OIL_"));
    EXPECT_EQ(answers[1].data, answerData("KLT37_RMLO|00004"));

    device->writeOutputReport(command("KLT37_FUNC|"));
    ASSERT_TRUE(waitUntil([&] { return commands == 3; }));
    server.unplug();
    ASSERT_TRUE(waitUntil([&] { return !device->isPluggedIn(); }));
    hid.checkIn(device);
    HidDevice *again = plugAndCheckOut();
    ASSERT_NE(again, nullptr);
    again->writeOutputReport(command("KLT37_VERS|"));
    ASSERT_TRUE(waitUntil([&] { return answers.size() >= 3; }));
    ASSERT_EQ(answers.size(), 3);
    EXPECT_EQ(answers[2].data, answerData("KLT37_VERS|105|004"));
    hid.checkIn(again);
}

TEST_F(TesterServerTest, TellsTheIdentityItIsGiven)
{
    server.setIdentity({1, 2, QStringLiteral("Gadget"), QStringLiteral("Other"), 33, 17});
    HidDevice *device = plugAndCheckOut(1, 2);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->productName(), QStringLiteral("Gadget"));
    EXPECT_EQ(device->vendorName(), QStringLiteral("Other"));
    EXPECT_EQ(device->outputReportLength(), 33);
    hid.checkIn(device);
}

TEST_F(TesterServerTest, ServesOneProgramAtATimeAndDropsOneThatSendsNonsense)
{
    // Not a *.sock file, so the controller leaves it to the test.
    const QString path = folder.filePath(QStringLiteral("raw-tester"));
    ASSERT_TRUE(server.plug(path));
    const auto connectTo = [&path](QLocalSocket &socket) {
        socket.connectToServer(path);
        return waitUntil([&socket] { return socket.bytesAvailable() >= 4; });
    };
    QLocalSocket first;
    ASSERT_TRUE(connectTo(first));
    EXPECT_EQ(first.read(1), QByteArray("I"));
    QLocalSocket second;
    second.connectToServer(path);
    ASSERT_TRUE(waitUntil([&] { return second.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(second.readAll(), QByteArray());

    // An input report is not what a program sends.
    first.write(QByteArray("N\0\1\0\0", 5));
    first.flush();
    ASSERT_TRUE(waitUntil([&] { return first.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_TRUE(server.isPlugged());
    EXPECT_FALSE(server.isConnected());
    QLocalSocket third;
    ASSERT_TRUE(connectTo(third));
    EXPECT_EQ(third.read(1), QByteArray("I"));
}

TEST_F(TesterServerTest, UnplugRemovesTheSocketFile)
{
    ASSERT_TRUE(server.plug(socketPath));
    EXPECT_TRUE(QFileInfo::exists(socketPath));
    server.unplug();
    EXPECT_FALSE(server.isPlugged());
    EXPECT_FALSE(QFileInfo::exists(socketPath));
}

TEST(VirtualTesterTest, KeepsWhatItReceivesAndAnswersAsTold)
{
    const QTemporaryDir folder;
    VirtualHidController hid(folder.path());
    QList<QByteArray> data;
    QObject::connect(&hid, &HidController::deviceData,
                     [&data](HidDevice *, quint8, const QByteArray &d) { data.append(d); });
    VirtualTester tester(folder.path());
    ASSERT_TRUE(tester.plug());
    HidDevice *device = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (device = hid.checkOutByID(TesterVendor, TesterProduct)) != nullptr; }));

    device->writeOutputReport(command("KLT37_FUNC|"));
    ASSERT_TRUE(waitUntil([&] { return tester.received().size() == 1; }));
    EXPECT_EQ(tester.received()[0], command("KLT37_FUNC|"));
    EXPECT_TRUE(data.isEmpty());
    tester.answer(QStringLiteral("KLT37_FUNC|VACU"));
    tester.sendReport(QByteArray(64, 'x'));
    tester.setAutoAnswer(true);
    tester.model().setFunction("PART");
    device->writeOutputReport(command("KLT37_FUNC|"));
    ASSERT_TRUE(waitUntil([&] { return data.size() == 3; }));
    EXPECT_EQ(data[0], answerData("KLT37_FUNC|VACU"));
    EXPECT_EQ(data[1], QByteArray(64, 'x'));
    EXPECT_EQ(data[2], answerData("KLT37_FUNC|PART"));
    hid.checkIn(device);
}

// --- The simulator program ------------------------------------------------------------------

class TesterSimProgramTest : public ::testing::Test
{
protected:
    ~TesterSimProgramTest() override
    {
        if (simulator.state() != QProcess::NotRunning) {
            simulator.kill();
            simulator.waitForFinished();
        }
    }

    void start(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("--headless"));
        simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        simulator.start(QStringLiteral(TESTER_SIM_PATH), arguments);
        ASSERT_TRUE(simulator.waitForStarted());
    }

    QTemporaryDir folder;
    QProcess simulator;
};

TEST_F(TesterSimProgramTest, PlaysTheTesterItIsSetUpAsAndRecordsEachCommand)
{
    const QString record = folder.filePath(QStringLiteral("record.txt"));
    start({QStringLiteral("--folder"),
           folder.path(),
           QStringLiteral("--record"),
           record,
           QStringLiteral("--function"),
           QStringLiteral("VACU"),
           QStringLiteral("--reading"),
           QStringLiteral("0850"),
           QStringLiteral("--firmware"),
           QStringLiteral("107"),
           QStringLiteral("--logo"),
           QStringLiteral("12"),
           QStringLiteral("--version-answer"),
           QStringLiteral("rmlo"),
           QStringLiteral("--stored"),
           QStringLiteral("SHPD=1800,1950"),
           QStringLiteral("--stored"),
           QStringLiteral("SOIL=0041,0047"),
           QStringLiteral("--compression"),
           QStringLiteral("1,2,3,4,5,6"),
           QStringLiteral("--delay-ms"),
           QStringLiteral("20"),
           QStringLiteral("--vid"),
           QStringLiteral("1"),
           QStringLiteral("--pid"),
           QStringLiteral("2"),
           QStringLiteral("--vendor"),
           QStringLiteral("Other"),
           QStringLiteral("--product"),
           QStringLiteral("Gadget")});
    VirtualHidController hid(folder.path());
    QList<QByteArray> data;
    QObject::connect(&hid, &HidController::deviceData,
                     [&data](HidDevice *, quint8, const QByteArray &d) { data.append(d); });
    HidDevice *device = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (device = hid.checkOutByID(1, 2)) != nullptr; }, 30000));
    EXPECT_EQ(device->productName(), QStringLiteral("Gadget"));
    EXPECT_EQ(device->vendorName(), QStringLiteral("Other"));

    const QList<QByteArray> commands{"KLT37_VERS|", "KLT37_RMLO|", "KLT37_FUNC|", "KLT37_VACU|",
                                     "KLT37_SHPD|", "KLT37_SOIL|", "KLT37_COM1|"};
    for (const QByteArray &text : commands)
        device->writeOutputReport(command(text));
    ASSERT_TRUE(waitUntil([&] { return data.size() == 6; }));
    const QList<QByteArray> expected{
        "KLT37_RMLO|00012",     "KLT37_FUNC|VACU",      "KLT37_VACU|0850",
        "KLT37_SHPD|1800|1950", "KLT37_SOIL|0041|0047", "KLT37_COM1|0001|0002|0003|0004|0005|0006"};
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(data[i], answerData(expected[i])) << i;

    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), commands.size() + 1);
    EXPECT_EQ(lines.last(), QByteArray());
    const QRegularExpression format(QStringLiteral("^(\\d+\\.\\d{3}) 65 (.{11})$"));
    double previous = 0;
    for (qsizetype i = 0; i < commands.size(); ++i) {
        const QRegularExpressionMatch match = format.match(QString::fromLatin1(lines[i]));
        ASSERT_TRUE(match.hasMatch()) << lines[i].data();
        EXPECT_GE(match.captured(1).toDouble(), previous);
        previous = match.captured(1).toDouble();
        EXPECT_EQ(match.captured(2), QString::fromLatin1(commands[i]));
    }
    hid.checkIn(device);

    simulator.terminate();
    ASSERT_TRUE(simulator.waitForFinished(30000));
    EXPECT_EQ(simulator.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(simulator.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("tester-sim.sock"))));
}

TEST_F(TesterSimProgramTest, RefusesBadOptions)
{
    const QString socket = folder.filePath(QStringLiteral("bad.sock"));
    const QStringList cases[] = {
        {},
        {QStringLiteral("--function"), QStringLiteral("OIL")},
        {QStringLiteral("--reading"), QStringLiteral("123")},
        {QStringLiteral("--function"), QStringLiteral("MENU"), QStringLiteral("--reading"),
         QStringLiteral("0123")},
        {QStringLiteral("--version-answer"), QStringLiteral("both")},
        {QStringLiteral("--stored"), QStringLiteral("SXXX=1,2")},
        {QStringLiteral("--stored"), QStringLiteral("SADB=1")},
        {QStringLiteral("--compression"), QStringLiteral("1,2,3")},
        {QStringLiteral("--vid"), QStringLiteral("65536")},
        {QStringLiteral("--firmware"), QStringLiteral("x")},
        {QStringLiteral("--product"), QString(5000, QLatin1Char('x'))},
    };
    for (const QStringList &arguments : cases) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        QStringList all = arguments;
        if (!arguments.isEmpty())
            all << QStringLiteral("--socket") << socket;
        start(all);
        ASSERT_TRUE(simulator.waitForFinished(30000));
        EXPECT_EQ(simulator.exitCode(), 2);
        EXPECT_FALSE(QFileInfo::exists(socket));
    }
}

} // namespace
