#include "TesterOptions.h"

#include "TesterFunctions.h"
#include "TesterModel.h"
#include "TesterServer.h"

#include <QCommandLineParser>
#include <QDir>
#include <QHash>

#include <functional>
#include <optional>

namespace
{

const QString SocketOption = QStringLiteral("socket");
const QString FolderOption = QStringLiteral("folder");
const QString HeadlessOption = QStringLiteral("headless");
const QString FunctionOption = QStringLiteral("function");
const QString ReadingOption = QStringLiteral("reading");
const QString SweepOption = QStringLiteral("sweep");
const QString FirmwareOption = QStringLiteral("firmware");
const QString LogoOption = QStringLiteral("logo");
const QString VersionAnswerOption = QStringLiteral("version-answer");
const QString StoredOption = QStringLiteral("stored");
const QString CompressionOption = QStringLiteral("compression");
const QString DelayOption = QStringLiteral("delay-ms");
const QString VendorOption = QStringLiteral("vendor");
const QString ProductOption = QStringLiteral("product");
const QString VidOption = QStringLiteral("vid");
const QString PidOption = QStringLiteral("pid");
const QString RecordOption = QStringLiteral("record");

std::optional<int> number(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

QString bad(const QString &option, const QString &value)
{
    return QStringLiteral("Bad value for --%1: %2").arg(option, value);
}

// "CODE=PPPP,MMMM" into the model; false when it is not that.
bool readStored(const QString &text, TesterModel &model)
{
    const QStringList codeAndValues = text.split(QLatin1Char('='));
    if (codeAndValues.size() != 2 || findStoredTest(codeAndValues[0].toLatin1()) == nullptr)
        return false;
    const QStringList values = codeAndValues[1].split(QLatin1Char(','));
    if (values.size() != 2)
        return false;
    const auto pressure = number(values[0], 0, 9999);
    const auto maximum = number(values[1], 0, 9999);
    if (!pressure || !maximum)
        return false;
    model.setStored(codeAndValues[0].toLatin1(), {*pressure, *maximum});
    return true;
}

bool readCompression(const QString &text, TesterModel &model)
{
    const QStringList values = text.split(QLatin1Char(','));
    if (values.size() != TesterModel::Cylinders)
        return false;
    for (int cylinder = 0; cylinder < TesterModel::Cylinders; ++cylinder) {
        const auto tenths = number(values[cylinder], 0, 9999);
        if (!tenths)
            return false;
        model.setCompression(cylinder, *tenths);
    }
    return true;
}

} // namespace

void addTesterOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Plays the multifunction tester on a virtual tester socket."));
    parser.addHelpOption();
    parser.addOptions({
        {SocketOption, QStringLiteral("Listen on this socket file."), QStringLiteral("path")},
        {FolderOption, QStringLiteral("Listen on tester-sim.sock in this folder."),
         QStringLiteral("folder")},
        {HeadlessOption, QStringLiteral("Run without a window.")},
        {FunctionOption, QStringLiteral("Function selected on the tester, e.g. OIL_ or MENU."),
         QStringLiteral("code")},
        {ReadingOption,
         QStringLiteral("Reading field of the selected function: 4 characters, sent as they are."),
         QStringLiteral("field")},
        {SweepOption, QStringLiteral("Sweep every reading up and down its dial's scale.")},
        {FirmwareOption, QStringLiteral("Firmware version, 0 to 999."), QStringLiteral("n")},
        {LogoOption, QStringLiteral("Logo version, 0 to 999."), QStringLiteral("n")},
        {VersionAnswerOption,
         QStringLiteral("Version commands answered: vers (both), rmlo (only RMLO) or none."),
         QStringLiteral("which")},
        {StoredOption,
         QStringLiteral("Stored test pressure and maximum, fields of 0 to 9999 (repeatable)."),
         QStringLiteral("CODE=PPPP,MMMM")},
        {CompressionOption, QStringLiteral("Compression of the six cylinders, tenths of a bar."),
         QStringLiteral("a,b,c,d,e,f")},
        {DelayOption, QStringLiteral("Milliseconds before each answer (default: at once)."),
         QStringLiteral("n")},
        {VendorOption, QStringLiteral("Vendor name told to the program."), QStringLiteral("text")},
        {ProductOption, QStringLiteral("Product name told to the program."),
         QStringLiteral("text")},
        {VidOption, QStringLiteral("Vendor ID told to the program."), QStringLiteral("n")},
        {PidOption, QStringLiteral("Product ID told to the program."), QStringLiteral("n")},
        {RecordOption, QStringLiteral("Append a line per received output report to this file."),
         QStringLiteral("file")},
    });
}

QString readTesterOptions(const QCommandLineParser &parser, TesterOptions &options,
                          TesterModel &model)
{
    if (parser.isSet(SocketOption) == parser.isSet(FolderOption))
        return QStringLiteral("Give either --socket or --folder.");
    options.socketPath =
        parser.isSet(SocketOption)
            ? parser.value(SocketOption)
            : QDir(parser.value(FolderOption)).filePath(QStringLiteral("tester-sim.sock"));
    options.headless = parser.isSet(HeadlessOption);
    options.recordPath = parser.value(RecordOption);
    options.identity = TesterServer::testerIdentity();
    if (parser.isSet(VendorOption))
        options.identity.vendor = parser.value(VendorOption);
    if (parser.isSet(ProductOption))
        options.identity.product = parser.value(ProductOption);
    if (options.identity.toJson().size() > VirtualFrame::MaxPayloadSize)
        return QStringLiteral("The vendor and product names are too long for the identity.");

    const struct {
        const QString &option;
        int maximum;
        std::function<void(int)> apply;
    } numbers[] = {
        {FirmwareOption, 999, [&model](int n) { model.setFirmware(n); }},
        {LogoOption, 999, [&model](int n) { model.setLogo(n); }},
        {DelayOption, 600000, [&options](int n) { options.answerDelay = n; }},
        {VidOption, 0xFFFF, [&options](int n) { options.identity.vendorId = quint16(n); }},
        {PidOption, 0xFFFF, [&options](int n) { options.identity.productId = quint16(n); }},
    };
    for (const auto &entry : numbers) {
        if (!parser.isSet(entry.option))
            continue;
        const auto value = number(parser.value(entry.option), 0, entry.maximum);
        if (!value)
            return bad(entry.option, parser.value(entry.option));
        entry.apply(*value);
    }

    if (parser.isSet(FunctionOption)) {
        const QByteArray code = parser.value(FunctionOption).toLatin1();
        if (findTesterFunction(code) == nullptr)
            return bad(FunctionOption, parser.value(FunctionOption));
        model.setFunction(code);
    }
    if (parser.isSet(ReadingOption)) {
        const QString field = parser.value(ReadingOption);
        if (field.size() != 4 || !findTesterFunction(model.function())->isLive())
            return bad(ReadingOption, field);
        model.setReadingField(model.function(), field.toLatin1());
    }
    model.setSweeping(parser.isSet(SweepOption));

    if (parser.isSet(VersionAnswerOption)) {
        const QString which = parser.value(VersionAnswerOption);
        const QHash<QString, TesterModel::VersionAnswer> answers{
            {QStringLiteral("vers"), TesterModel::VersionAnswer::VersAndLogo},
            {QStringLiteral("rmlo"), TesterModel::VersionAnswer::LogoOnly},
            {QStringLiteral("none"), TesterModel::VersionAnswer::None},
        };
        if (!answers.contains(which))
            return bad(VersionAnswerOption, which);
        model.setVersionAnswer(answers.value(which));
    }
    for (const QString &stored : parser.values(StoredOption)) {
        if (!readStored(stored, model))
            return bad(StoredOption, stored);
    }
    if (parser.isSet(CompressionOption) && !readCompression(parser.value(CompressionOption), model))
        return bad(CompressionOption, parser.value(CompressionOption));
    return {};
}
