#include "MessageText.h"

#include "app/NumberFormat.h"
#include "app/Windows1252.h"

#include <cmath>
#include <limits>

namespace MessageText
{

namespace
{

// The field up to its first NUL, without leading blanks.
QString significantPart(const QString &field)
{
    const qsizetype nul = field.indexOf(QChar(0));
    QString part = nul < 0 ? field : field.left(nul);
    qsizetype start = 0;
    while (start < part.size() && part[start] == QLatin1Char(' '))
        ++start;
    return part.mid(start);
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString fromReport(const QByteArray &data)
{
    return Windows1252::decode(data);
}

QString code(const QString &text)
{
    return text.left(10);
}

QString field(const QString &text, int position, int length)
{
    if (position < 1 || length <= 0 || position > text.size())
        return QString();
    return text.mid(position - 1, length);
}

std::optional<int> toInteger(const QString &field)
{
    const QString part = significantPart(field);
    qsizetype i = 0;
    const bool negative = i < part.size() && part[i] == QLatin1Char('-');
    if (i < part.size() && (part[i] == QLatin1Char('-') || part[i] == QLatin1Char('+')))
        ++i;
    if (i == part.size())
        return std::nullopt;
    long long value = 0;
    for (; i < part.size(); ++i) {
        if (!isAsciiDigit(part[i]))
            return std::nullopt;
        value = value * 10 + part[i].digitValue();
        if (value > std::numeric_limits<int>::max() + 1LL)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

std::optional<long double> toReal(const QString &field)
{
    QString part = significantPart(field);
    while (part.endsWith(QLatin1Char(' ')))
        part.chop(1);
    const QChar separator = NumberFormat::decimalSeparator();
    qsizetype i = 0;
    const bool negative = i < part.size() && part[i] == QLatin1Char('-');
    if (i < part.size() && (part[i] == QLatin1Char('-') || part[i] == QLatin1Char('+')))
        ++i;
    long double value = 0;
    long double scale = 1;
    bool digits = false;
    bool fraction = false;
    for (; i < part.size(); ++i) {
        const QChar c = part[i];
        if (isAsciiDigit(c)) {
            digits = true;
            if (fraction) {
                scale /= 10;
                value += scale * c.digitValue();
            } else {
                value = value * 10 + c.digitValue();
            }
        } else if (c == separator && !fraction) {
            fraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace MessageText
