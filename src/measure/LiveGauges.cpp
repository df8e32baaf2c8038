#include "LiveFunctions.h"
#include "app/Main.h"
#include "app/NumberFormat.h"
#include "link/MessageText.h"
#include "widgets/BlockBar.h"
#include "widgets/Dial.h"

#include <QLabel>

#include <optional>

namespace
{

std::optional<long double> convert(const QString &field, FieldKind kind)
{
    if (kind == FieldKind::Decimal)
        return MessageText::toReal(field);
    if (const std::optional<int> value = MessageText::toInteger(field))
        return *value;
    return std::nullopt;
}

QString formatted(const LiveLabel &label, long double value)
{
    return NumberFormat::format(QLatin1String(label.format), {value});
}

} // namespace

void TForm1::liveReading(const QString &text)
{
    // A reading counts only for the screen on display; a late one for another is dropped.
    const QString code = MessageText::field(text, 7, 4);
    if (ActiveScreen != code)
        return;
    const int index = liveFunctionIndex(code.toLatin1().constData());
    const LiveFunction &function = kLiveFunctions[index];
    const std::optional<long double> field =
        convert(MessageText::field(text, 12, 4), function.conversion.field);
    if (!field)
        return;

    const long double reading = function.conversion.reading(*field);
    long double &maximum = RunningMaximum[index];
    if (reading > maximum)
        maximum = reading;
    if (function.hasMinimum && reading < RunningMinimum)
        RunningMinimum = reading;

    const LiveScreen &screen = LiveScreens[index];
    if (screen.gauge)
        screen.gauge->setValue(double(reading));
    else
        screen.bar->setValue(double(reading));
    screen.value->setText(formatted(function.labels.value, reading));
    screen.maximum->setText(formatted(function.labels.maximum, maximum));
    if (screen.minimum)
        screen.minimum->setText(formatted(function.labels.minimum, RunningMinimum));
    DataReceived = true;
}
