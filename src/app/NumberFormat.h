#pragma once

#include <QChar>
#include <QString>

#include <initializer_list>

// Number formatting and parsing with the program-wide decimal separator.
//
// The separator is the program's own setting, not the machine's locale: the main window sets it
// to a comma at start-up and every number the program shows, prints or reads from the tester
// follows it from then on.
namespace NumberFormat
{

void setDecimalSeparator(QChar separator);
QChar decimalSeparator();
// Grouping character of the "n" conversion: the full stop beside a decimal comma, else a comma.
QChar thousandSeparator();

// One argument of format(): a real number, an integer or a text.
class Arg
{
public:
    enum class Kind { Real, Integer, Text };

    Arg(long double value) : kind_(Kind::Real), real_(value) {}
    Arg(double value) : kind_(Kind::Real), real_(value) {}
    Arg(int value) : kind_(Kind::Integer), integer_(value) {}
    Arg(unsigned value) : kind_(Kind::Integer), integer_(value) {}
    Arg(long long value) : kind_(Kind::Integer), integer_(value) {}
    Arg(const QString &value) : kind_(Kind::Text), text_(value) {}
    Arg(const char *value) : kind_(Kind::Text), text_(QString::fromUtf8(value)) {}

    Kind kind() const { return kind_; }
    long double real() const { return kind_ == Kind::Real ? real_ : integer_; }
    long long integer() const { return kind_ == Kind::Integer ? integer_ : (long long)real_; }
    const QString &text() const { return text_; }

private:
    Kind kind_;
    long double real_ = 0;
    long long integer_ = 0;
    QString text_;
};

// printf-like formatting: "%[-][width][.precision]" followed by f (fixed), n (fixed with
// thousands grouping), d or u (integer) or s (text); "%%" is a percent sign. Reals use the
// program-wide decimal separator. A directive without a matching argument is copied unchanged.
QString format(const QString &pattern, std::initializer_list<Arg> args);

} // namespace NumberFormat
