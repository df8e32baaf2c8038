#include "TesterModel.h"

#include "TesterFunctions.h"

#include <QtMath>

namespace
{

constexpr int CommandLength = 11;
constexpr int FieldWidth = 4;

} // namespace

TesterModel::TesterModel()
{
    // Each live function starts a quarter up its dial's scale.
    for (const TesterFunction &function : testerFunctions()) {
        if (function.isLive())
            readings_.insert(
                function.code,
                function.field(function.minimum + (function.maximum - function.minimum) / 4));
    }
    for (const StoredTest &test : storedTests())
        stored_.insert(test.code, {test.defaultPressure, test.defaultMaximum});
    sweepClock_.start();
}

QByteArray TesterModel::answer(const QByteArray &command) const
{
    if (command.size() != CommandLength || !command.startsWith("KLT37_") || command.back() != '|')
        return {};
    const QByteArray code = command.mid(6, 4);
    if (code == "VERS")
        return versionAnswer_ == VersionAnswer::VersAndLogo ? command + versionText()
                                                            : QByteArray();
    if (code == "RMLO")
        return versionAnswer_ != VersionAnswer::None ? command + digits(logo_, 5) : QByteArray();
    if (code == "FUNC")
        return command + function_;
    if (code == "COM1")
        return command + compressionText();
    if (findStoredTest(code) != nullptr) {
        const StoredValues values = stored(code);
        return command + digits(values.pressure, FieldWidth) + '|' +
               digits(values.maximum, FieldWidth);
    }
    const TesterFunction *function = findTesterFunction(code);
    if (function != nullptr && function->isLive())
        return command + liveField(*function);
    return {};
}

void TesterModel::setReadingField(const QByteArray &code, const QByteArray &field)
{
    readings_.insert(code, field);
}

QByteArray TesterModel::liveField(const TesterFunction &function) const
{
    return sweeping_ ? sweptField(function, sweepClock_.elapsed()) : readingField(function.code);
}

QByteArray TesterModel::sweptField(const TesterFunction &function, qint64 elapsedMs)
{
    const double phase = 2 * M_PI * double(elapsedMs % SweepPeriod) / double(SweepPeriod);
    const double share = (1 - std::cos(phase)) / 2;
    return function.field(function.minimum + share * (function.maximum - function.minimum));
}

QByteArray TesterModel::versionText() const
{
    return digits(firmware_, 3) + '|' + digits(logo_, 3);
}

QByteArray TesterModel::compressionText() const
{
    QByteArrayList fields;
    for (const int tenths : compression_)
        fields << digits(tenths, FieldWidth);
    return fields.join('|');
}
