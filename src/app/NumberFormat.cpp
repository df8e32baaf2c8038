#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace NumberFormat
{

namespace
{

QChar programDecimalSeparator = QLatin1Char('.');

struct Directive {
    bool leftAligned = false;
    int width = 0;
    int precision = -1;
    QChar conversion;
};

QString groupThousands(const QString &digits)
{
    QString grouped;
    const int count = digits.size();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            grouped += thousandSeparator();
        grouped += digits[i];
    }
    return grouped;
}

QString formatReal(long double value, const Directive &directive)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN")
               : value < 0       ? QStringLiteral("-INF")
                                 : QStringLiteral("INF");
    const int precision = directive.precision < 0 ? 2 : directive.precision;
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", precision, value);
    QString text = QString::fromLatin1(buffer);

    QString sign;
    if (text.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        text.remove(0, 1);
    }
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    if (directive.conversion == QLatin1Char('n'))
        whole = groupThousands(whole);
    QString result = sign + whole;
    if (!fraction.isEmpty())
        result += decimalSeparator() + fraction;
    return result;
}

QString convert(const Directive &directive, const Arg &arg)
{
    const char conversion = directive.conversion.toLatin1();
    switch (conversion) {
    case 'f':
    case 'n':
        return formatReal(arg.real(), directive);
    case 'd':
    case 'u':
        return QString::number(arg.integer());
    default:
        return arg.kind() == Arg::Kind::Text ? arg.text() : QString();
    }
}

} // namespace

void setDecimalSeparator(QChar separator)
{
    programDecimalSeparator = separator;
}

QChar decimalSeparator()
{
    return programDecimalSeparator;
}

QChar thousandSeparator()
{
    return programDecimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
}

QString format(const QString &pattern, std::initializer_list<Arg> args)
{
    const std::vector<Arg> arguments(args);
    std::size_t nextArg = 0;
    QString result;
    const qsizetype length = pattern.size();
    qsizetype i = 0;
    while (i < length) {
        const QChar c = pattern[i];
        if (c != QLatin1Char('%')) {
            result += c;
            ++i;
            continue;
        }
        if (i + 1 < length && pattern[i + 1] == QLatin1Char('%')) {
            result += QLatin1Char('%');
            i += 2;
            continue;
        }
        const qsizetype start = i++;
        Directive directive;
        if (i < length && pattern[i] == QLatin1Char('-')) {
            directive.leftAligned = true;
            ++i;
        }
        while (i < length && pattern[i].isDigit())
            directive.width = directive.width * 10 + pattern[i++].digitValue();
        if (i < length && pattern[i] == QLatin1Char('.')) {
            directive.precision = 0;
            ++i;
            while (i < length && pattern[i].isDigit())
                directive.precision = directive.precision * 10 + pattern[i++].digitValue();
        }
        const bool known = i < length && QStringLiteral("fndus").contains(pattern[i]);
        if (!known || nextArg >= arguments.size()) {
            result += pattern.mid(start, i - start);
            continue;
        }
        directive.conversion = pattern[i++];
        const QString text = convert(directive, arguments[nextArg++]);
        result += directive.leftAligned ? text.leftJustified(directive.width)
                                        : text.rightJustified(directive.width);
    }
    return result;
}

} // namespace NumberFormat
